#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vellumo {

class PhotoUpload;
class PictureHosting;

// What a picture box gains for the seller's own photos: a small button on its label's row that opens the
// photo chooser, photo files dropped on the box, and the upload's progress over the box, which the button
// then cancels. The public address goes into the box once the photo is online.
class PictureBoxUpload final : public QObject {
    Q_OBJECT
public:
    // The button takes the label's row, from labelTop (twips) down to the box, at the box's right edge.
    PictureBoxUpload(QLineEdit* box, int labelTop, PictureHosting& hosting);

    void uploadPhoto(const QString& file);
    bool isUploading() const { return !m_upload.isNull(); }
    QLineEdit* box() const { return m_box; }
    QPushButton* button() const { return m_button; }

signals:
    // Several photo files chosen or dropped at once: the page spreads them over its empty boxes.
    void severalPhotosGiven(const QStringList& files);
    // A photo's public address went into the box.
    void published();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buttonClicked();
    void giveFiles(const QStringList& files);
    void showUploading(bool uploading);

    QLineEdit* m_box;
    PictureHosting& m_hosting;
    QPushButton* m_button = nullptr;
    QProgressBar* m_progress = nullptr;
    QPointer<PhotoUpload> m_upload;
};

} // namespace vellumo
