#pragma once

#include "library/hosting_settings.h"
#include "platform/picture_upload.h"

#include <QDialog>
#include <QFutureWatcher>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vellumo {

class MessageBoxes;

// "Picture hosting…": where photos are uploaded (WebDAV over https, SFTP or FTP with TLS; server, port,
// user, password, folder) and the https address that serves that folder, with a Test that uploads,
// fetches back and removes a small file and says exactly what failed.
class PictureHostingDialog final : public QDialog {
    Q_OBJECT
public:
    PictureHostingDialog(const HostingSettings& settings, const std::optional<QString>& password,
                         const UploadConnection& connection, MessageBoxes& messageBoxes, QWidget* parent);

    // As typed, tidied.
    HostingSettings settings() const;
    QString password() const;

    void accept() override;

private:
    void runTest(const std::string& acceptedHostKey);
    void showTestResult(const UploadResult& result);
    void showUsualPort();

    UploadConnection m_connection;
    MessageBoxes& m_messageBoxes;
    QComboBox* m_protocol = nullptr;
    QLineEdit* m_host = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_folder = nullptr;
    QLineEdit* m_publicAddress = nullptr;
    QPushButton* m_testButton = nullptr;
    QLabel* m_result = nullptr;
    QFutureWatcher<UploadResult> m_test;
};

// The question an SFTP server's unknown key raises: its fingerprint, and whether to trust it.
QString HostKeyQuestion(const UploadProblem& problem);

} // namespace vellumo
