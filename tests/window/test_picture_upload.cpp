// Photos from the seller's computer to their web space and into the picture boxes, against real servers
// on 127.0.0.1 (rclone) that the web engine reaches as pictures.test.

#include "core_text.h"
#include "library/hosting_settings.h"
#include "picture_hosting.h"
#include "test_servers.h"
#include "window_test_support.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

using namespace vellumo;
using namespace vellumo::test;

namespace {

constexpr int kUploadTimeoutMs = 60000;

QString TestPhoto(const char* name) {
    return QStringLiteral(VELLUMO_TEST_PHOTOS "/") + QLatin1String(name);
}

// The web space served with the window tests' certificate under the name the web engine maps.
std::unique_ptr<testing::WebSpace> StartWebSpace(const QTemporaryDir& root) {
    testing::ServerFiles files = testing::TestServerFiles();
    files.certificate = VELLUMO_TEST_SERVER_CERTIFICATE;
    files.key = VELLUMO_TEST_SERVER_KEY;
    auto space = std::make_unique<testing::WebSpace>(
        HostingProtocol::WebDav, root.filePath(QStringLiteral("space")).toStdString(), 0, files);
    space->useHostName(kPictureHost);
    return space->start() ? std::move(space) : nullptr;
}

// The window with the web space set up (read at the first upload), its password in the keyring.
bool LoadWithHosting(WindowUnderTest& under, const testing::WebSpace& space) {
    const UploadAccount account = space.account();
    if (!LoadWithoutNotice(under) || !SaveHostingSettings(under.paths, account.settings)) {
        return false;
    }
    under.window->pictureHosting().setConnection(space.connection());
    under.desktop.secrets.insert(QStringLiteral("picture hosting %1@%2:%3")
                                     .arg(FromCore(account.settings.user), FromCore(account.settings.host))
                                     .arg(account.settings.port),
                                 FromCore(account.password));
    return true;
}

void DropFiles(QLineEdit* box, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files) {
        urls << QUrl::fromLocalFile(file);
    }
    data.setUrls(urls);
    const QPoint centre = box->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
}

QLineEdit* PictureBox(WindowUnderTest& under, int photoCount, int row) {
    return under.child<QLineEdit>(qPrintable(QStringLiteral("txtPicAlt%1%2").arg(photoCount).arg(row)));
}

bool NoUploadRunning(WindowUnderTest& under) {
    for (const QProgressBar* progress : under.window->findChildren<QProgressBar*>()) {
        if (progress->objectName().startsWith(QLatin1String("prgPhoto")) && progress->isVisible()) {
            return false;
        }
    }
    return true;
}

QStringList Warnings(const WindowUnderTest& under) {
    QStringList texts;
    for (const RecordedMessage& message : under.messageBoxes.messages) {
        if (message.kind == QLatin1String("warning")) {
            texts << message.text;
        }
    }
    return texts;
}

} // namespace

class PictureUploadTest : public QObject {
    Q_OBJECT
private slots:
    void FivePhoneHotosDroppedOnTheFirstBoxArePublishedWithoutTheirMetadata();
    void PasswordIsAskedOncePerRunWhereNoKeyringAnswersAndNeverWritten();
    void FailedUploadSaysWhyAndChangesNoBox();
    void CancelledUploadChangesNoBox();
    void FirstUploadAsksForTheSetUpWhichTestsTheServer();
    void HelpPageOpensPictureHosting();
};

void PictureUploadTest::FivePhoneHotosDroppedOnTheFirstBoxArePublishedWithoutTheirMetadata() {
    QTemporaryDir serverRoot;
    const auto space = StartWebSpace(serverRoot);
    QVERIFY(space);
    WindowUnderTest under;
    QVERIFY(LoadWithHosting(under, *space));
    PickText(under.child<QComboBox>("ImageCombo1"), QStringLiteral("5 Alternating Photos"));
    QStringList photos;
    for (int number = 1; number <= 5; ++number) {
        photos << TestPhoto(qPrintable(QStringLiteral("phone-%1.jpg").arg(number)));
    }
    DropFiles(PictureBox(under, 5, 1), photos);
    for (int row = 1; row <= 5; ++row) {
        QVERIFY(
            under.child<QProgressBar>(qPrintable(QStringLiteral("prgPhotoAlt5%1").arg(row)))->isVisible());
    }
    QTRY_VERIFY_WITH_TIMEOUT(NoUploadRunning(under), kUploadTimeoutMs);
    QVERIFY2(Warnings(under).isEmpty(), qPrintable(Warnings(under).join(QLatin1Char('\n'))));
    const QString publicAddress = FromCore(space->account().settings.publicAddress);
    for (int row = 1; row <= 5; ++row) {
        QVERIFY(PictureBox(under, 5, row)->text().startsWith(publicAddress));
        QCOMPARE(FromCore(under.window->design().fields().of(5).pictures.at(row - 1)),
                 PictureBox(under, 5, row)->text());
    }
    // Every published file, read back from the server: no position, camera or comment in any.
    QDirIterator published(serverRoot.filePath(QStringLiteral("space/photos")), QDir::Files);
    int count = 0;
    while (published.hasNext()) {
        QFile file(published.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.contains("Exif") && !bytes.contains("GPS") && !bytes.contains("SERIAL"));
        ++count;
    }
    QCOMPARE(count, 5);

    ClickTab(under, MainWindow::PreviewTab);
    QWebEngineView* view = under.window->browser();
    QTRY_VERIFY_WITH_TIMEOUT(
        Evaluate(view, QStringLiteral("Array.from(document.images).filter(i => i.src.includes('/photos/') && "
                                      "i.complete && i.naturalWidth > 0).length"))
                .toInt() == 5,
        20000);
}

void PictureUploadTest::PasswordIsAskedOncePerRunWhereNoKeyringAnswersAndNeverWritten() {
    QTemporaryDir serverRoot;
    const auto space = StartWebSpace(serverRoot);
    QVERIFY(space);
    WindowUnderTest under;
    under.desktop.keyringAnswers = false;
    under.messageBoxes.passwordAnswer = FromCore(space->account().password);
    QVERIFY(LoadWithHosting(under, *space));
    PickText(under.child<QComboBox>("ImageCombo1"), QStringLiteral("2 Alternating Photos"));
    DropFiles(PictureBox(under, 2, 1), {TestPhoto("phone-1.jpg")});
    QTRY_VERIFY_WITH_TIMEOUT(!PictureBox(under, 2, 1)->text().isEmpty(), kUploadTimeoutMs);
    DropFiles(PictureBox(under, 2, 2), {TestPhoto("phone-2.jpg")});
    QTRY_VERIFY_WITH_TIMEOUT(!PictureBox(under, 2, 2)->text().isEmpty(), kUploadTimeoutMs);
    const auto asked =
        std::count_if(under.messageBoxes.messages.begin(), under.messageBoxes.messages.end(),
                      [](const RecordedMessage& m) { return m.kind == QLatin1String("askPassword"); });
    QCOMPARE(asked, 1);
    QDirIterator files(under.root.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(!file.readAll().contains(testing::kTestPassword), qPrintable(file.fileName()));
    }
}

void PictureUploadTest::FailedUploadSaysWhyAndChangesNoBox() {
    QTemporaryDir serverRoot;
    const auto space = StartWebSpace(serverRoot);
    QVERIFY(space);
    WindowUnderTest under;
    QVERIFY(LoadWithHosting(under, *space));
    for (const QString& key : under.desktop.secrets.keys()) {
        under.desktop.secrets.insert(key, QStringLiteral("not the password"));
    }
    PickText(under.child<QComboBox>("ImageCombo1"), QStringLiteral("2 Alternating Photos"));
    PictureBox(under, 2, 1)->setText(QStringLiteral("https://www.example.com/old.jpg"));
    DropFiles(PictureBox(under, 2, 1), {TestPhoto("phone-1.jpg")});
    QTRY_VERIFY_WITH_TIMEOUT(!Warnings(under).isEmpty(), kUploadTimeoutMs);
    QVERIFY2(Warnings(under).front().contains(QLatin1String("refused the user name")),
             qPrintable(Warnings(under).front()));
    QVERIFY(!Warnings(under).front().contains(QLatin1String("not the password")));
    QCOMPARE(PictureBox(under, 2, 1)->text(), QStringLiteral("https://www.example.com/old.jpg"));

    // The refused password is asked for rather than read from the keyring again.
    under.messageBoxes.passwordAnswer = FromCore(space->account().password);
    DropFiles(PictureBox(under, 2, 2), {TestPhoto("400-pixels.png")});
    QTRY_COMPARE_WITH_TIMEOUT(Warnings(under).size(), 2, kUploadTimeoutMs);
    QVERIFY(Warnings(under).back().contains(QLatin1String("at least 500 pixels")));
    QVERIFY(PictureBox(under, 2, 2)->text().isEmpty());
}

void PictureUploadTest::CancelledUploadChangesNoBox() {
    QTemporaryDir serverRoot;
    const auto space = StartWebSpace(serverRoot);
    QVERIFY(space);
    WindowUnderTest under;
    QVERIFY(LoadWithHosting(under, *space));
    PickText(under.child<QComboBox>("ImageCombo1"), QStringLiteral("2 Alternating Photos"));
    DropFiles(PictureBox(under, 2, 1), {TestPhoto("24-megapixels.jpg")});
    auto* button = under.child<QPushButton>("cmdPhotoAlt21");
    QCOMPARE(button->text(), QStringLiteral("Cancel upload"));
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(NoUploadRunning(under), kUploadTimeoutMs);
    QVERIFY(PictureBox(under, 2, 1)->text().isEmpty());
    QCOMPARE(Warnings(under), QStringList());
    QCOMPARE(button->text(), QStringLiteral("Upload photo…"));
}

void PictureUploadTest::FirstUploadAsksForTheSetUpWhichTestsTheServer() {
    QTemporaryDir serverRoot;
    const auto space = StartWebSpace(serverRoot);
    QVERIFY(space);
    WindowUnderTest under;
    under.window->pictureHosting().setConnection(space->connection());
    QVERIFY(LoadWithoutNotice(under));
    PickText(under.child<QComboBox>("ImageCombo1"), QStringLiteral("2 Alternating Photos"));
    under.desktop.chosenPhotos = QStringList{TestPhoto("phone-3.jpg")};
    QTest::mouseClick(under.child<QPushButton>("cmdPhotoAlt21"), Qt::LeftButton);

    QWidget* dialog = nullptr;
    QTRY_VERIFY((dialog = under.window->findChild<QDialog*>(QStringLiteral("PictureHostingDialog"))) !=
                nullptr);
    const UploadAccount account = space->account();
    dialog->findChild<QLineEdit*>(QStringLiteral("txtHostingServer"))
        ->setText(FromCore(account.settings.host));
    dialog->findChild<QLineEdit*>(QStringLiteral("txtHostingPort"))
        ->setText(QString::number(account.settings.port));
    dialog->findChild<QLineEdit*>(QStringLiteral("txtHostingUser"))->setText(FromCore(account.settings.user));
    dialog->findChild<QLineEdit*>(QStringLiteral("txtHostingPassword"))->setText(FromCore(account.password));
    dialog->findChild<QLineEdit*>(QStringLiteral("txtHostingFolder"))->setText(QStringLiteral("photos"));
    auto* address = dialog->findChild<QLineEdit*>(QStringLiteral("txtHostingAddress"));
    address->setText(QStringLiteral("http://") + FromCore(account.settings.publicAddress).mid(8));
    auto* result = dialog->findChild<QLabel*>(QStringLiteral("lblHostingTestResult"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdHostingTest")), Qt::LeftButton);
    QVERIFY(result->text().contains(QLatin1String("eBay shows no pictures from http://")));
    address->setText(FromCore(account.settings.publicAddress));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdHostingTest")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(result->text().startsWith(QLatin1String("The test worked")), kUploadTimeoutMs);

    QMetaObject::invokeMethod(dialog, "accept");
    QTRY_VERIFY_WITH_TIMEOUT(
        PictureBox(under, 2, 1)->text().startsWith(FromCore(account.settings.publicAddress)),
        kUploadTimeoutMs);
    QCOMPARE(LoadHostingSettings(under.paths), account.settings);
}

void PictureUploadTest::HelpPageOpensPictureHosting() {
    WindowUnderTest under;
    QVERIFY(LoadWithoutNotice(under));
    ClickTab(under, MainWindow::HelpTab);
    QTest::mouseClick(under.child<QPushButton>("cmdPictureHosting"), Qt::LeftButton);
    QTRY_VERIFY(under.window->findChild<QDialog*>(QStringLiteral("PictureHostingDialog")) != nullptr);
}

VELLUMO_WINDOW_TEST_MAIN(PictureUploadTest)
#include "test_picture_upload.moc"
