// Why a photo did not reach the seller's web space, worded in English as the upload and the photo's
// preparation worded it before the window took over the words.

#include "upload_texts.h"
#include "window_test_support.h"

using namespace vellumo;

namespace {

HostingSettings Settings() {
    HostingSettings settings;
    settings.protocol = HostingProtocol::Sftp;
    settings.host = "sftp.example.com";
    settings.user = "ann";
    settings.folder = "photos";
    settings.publicAddress = "https://www.example.com/photos/";
    return settings;
}

UploadProblem Problem(UploadFailure kind, std::string reason = {}) {
    return {.kind = kind,
            .settings = Settings(),
            .reason = std::move(reason),
            .hostKeyFingerprint = "SHA256:abc",
            .knownHostsFile = "/home/ann/.local/share/Vellumo/known_hosts",
            .publicAddress = "https://www.example.com/photos/1.jpg"};
}

} // namespace

class UploadTextsTest : public QObject {
    Q_OBJECT

private slots:
    void EveryFailureIsWordedAsBefore_data() {
        QTest::addColumn<QString>("worded");
        QTest::addColumn<QString>("english");
        UploadProblem unusable = Problem(UploadFailure::UnusableSettings);
        unusable.settingsFault = HostingSettingsFault::PlainFtp;
        UploadProblem refusedWithAnswer = Problem(UploadFailure::Refused, "Quote command returned error");
        refusedWithAnswer.answer = 550;
        UploadProblem unloadable = Problem(UploadFailure::TimedOut, "Operation timed out");
        unloadable.publicAddressUnloadable = true;
        HostingSettings withPort = Settings();
        withPort.host = "dav.example.com:8443";
        const std::pair<QString, const char*> rows[] = {
            {UploadProblemText(unusable), "Plain FTP is not offered: it sends your password and your photos "
                                          "unencrypted. Choose \"FTP with "
                                          "TLS (FTPS)\" or SFTP; most hosting packages offer both."},
            {UploadProblemText(Problem(UploadFailure::WrongPassword)),
             "The server sftp.example.com:22 refused the user name \"ann\" or its password. Check them under "
             "Picture hosting."},
            {UploadProblemText(Problem(UploadFailure::ChangedHostKey)),
             "The SFTP server sftp.example.com:22 no longer shows the key you trusted before; it now shows "
             "SHA256:abc. A reinstalled server does this, and so does someone listening in between. The "
             "upload "
             "was refused. Once your hosting provider confirms the new key, remove the line of this server "
             "from /home/ann/.local/share/Vellumo/known_hosts and try again."},
            {UploadProblemText(Problem(UploadFailure::ServerFull, "Disk full")),
             "The server sftp.example.com:22 has no room for the photo (Disk full). Free some space in your "
             "web "
             "space and try again."},
            {UploadProblemText(refusedWithAnswer),
             "The server sftp.example.com:22 refused the upload: Quote command returned error (answer 550)."},
            {UploadProblemText(Problem(UploadFailure::NotPublished)),
             "The photo is on the server, but https://www.example.com/photos/1.jpg answers 404 Not Found: "
             "the "
             "public address does not lead to the folder \"photos\". Check both under Picture hosting."},
            {UploadProblemText(unloadable),
             "The photo is on the server, but its public address https://www.example.com/photos/1.jpg could "
             "not "
             "be loaded. The server sftp.example.com:22 stopped answering: Operation timed out."},
            {HostingSettingsText(HostingSettingsFault::NotAServerName, withPort),
             "\"dav.example.com:8443\" is not a server name: give only the name, such as dav.example.com, "
             "and "
             "the port in its own box."},
            {PhotoProblemText({PhotoProblem::Kind::TooSmall, QSize(400, 300)},
                              QStringLiteral("/tmp/a %2.png")),
             "\"a %2.png\" is 400 x 300 pixels; eBay asks for at least 500 pixels on the longest side. "
             "Please "
             "use a larger photo."},
            {PhotoProblemText({PhotoProblem::Kind::TooManyPixels, QSize(12000, 9000)},
                              QStringLiteral("b.png")),
             "\"b.png\" has 108 megapixels; Vellumo takes photos of up to 100 megapixels."},
            {PhotoProblemText(
                 {PhotoProblem::Kind::Unopenable, {}, QStringLiteral("No such file or directory")},
                 QStringLiteral("c.jpg")),
             "\"c.jpg\" could not be opened: No such file or directory."},
        };
        for (const auto& [worded, english] : rows) {
            QTest::newRow(english) << worded << QString::fromUtf8(english);
        }
    }

    void EveryFailureIsWordedAsBefore() {
        QFETCH(QString, worded);
        QFETCH(QString, english);
        QCOMPARE(worded, english);
    }
};

VELLUMO_WINDOW_TEST_MAIN(UploadTextsTest)
#include "test_upload_texts.moc"
