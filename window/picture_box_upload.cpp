#include "picture_box_upload.h"

#include "picture_hosting.h"
#include "twips.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>

namespace vellumo {

namespace {

constexpr int kButtonWidthTwips = 1500;

// The local files a drag carries; empty when it carries anything else.
QStringList LocalFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) {
            return {};
        }
        files << url.toLocalFile();
    }
    return files;
}

} // namespace

PictureBoxUpload::PictureBoxUpload(QLineEdit* box, int labelTop, PictureHosting& hosting)
    : QObject(box)
    , m_box(box)
    , m_hosting(hosting) {
    const QString suffix = box->objectName().mid(QStringLiteral("txtPic").size());
    const QRect place = box->geometry();
    m_button = new QPushButton(tr("Upload photo…"), box->parentWidget());
    m_button->setObjectName(QStringLiteral("cmdPhoto") + suffix);
    m_button->setToolTip(
        tr("Choose a photo on this computer: Vellumo uploads it to your picture hosting and puts its address "
           "here. You can also drop photos on the box."));
    m_button->setAutoDefault(false);
    const int top = TwipsToPixels(labelTop);
    const int width = TwipsToPixels(kButtonWidthTwips);
    m_button->setGeometry(place.right() + 1 - width, top, width, place.top() - top - 1);

    m_progress = new QProgressBar(box->parentWidget());
    m_progress->setObjectName(QStringLiteral("prgPhoto") + suffix);
    m_progress->setGeometry(place);
    m_progress->setRange(0, 100);
    m_progress->setFormat(tr("Uploading the photo… %p%"));
    m_progress->setAlignment(Qt::AlignCenter);
    m_progress->hide();

    box->setAcceptDrops(true);
    box->installEventFilter(this);
    connect(m_button, &QPushButton::clicked, this, &PictureBoxUpload::buttonClicked);
}

void PictureBoxUpload::buttonClicked() {
    if (m_upload) {
        m_upload->cancel();
        return;
    }
    giveFiles(m_hosting.choosePhotos(m_box->window()));
}

void PictureBoxUpload::giveFiles(const QStringList& files) {
    if (files.size() == 1) {
        uploadPhoto(files.front());
    } else if (files.size() > 1) {
        emit severalPhotosGiven(files);
    }
}

void PictureBoxUpload::uploadPhoto(const QString& file) {
    if (m_upload) {
        return;
    }
    m_upload = m_hosting.upload(m_box->window(), file);
    m_progress->setValue(0);
    showUploading(true);
    connect(m_upload, &PhotoUpload::progressed, m_progress, &QProgressBar::setValue);
    connect(m_upload, &PhotoUpload::finished, this, [this](const QString& address) {
        showUploading(false);
        if (!address.isEmpty()) {
            m_box->setText(address);
            emit published();
        }
    });
}

void PictureBoxUpload::showUploading(bool uploading) {
    m_progress->setVisible(uploading);
    m_button->setText(uploading ? tr("Cancel upload") : tr("Upload photo…"));
}

bool PictureBoxUpload::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_box) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (LocalFiles(drag->mimeData()).isEmpty()) {
            return false; // text goes into the box as ever
        }
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = LocalFiles(drop->mimeData());
        if (files.isEmpty()) {
            return false;
        }
        drop->acceptProposedAction();
        giveFiles(files);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace vellumo
