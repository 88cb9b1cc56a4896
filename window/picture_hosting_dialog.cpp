#include "picture_hosting_dialog.h"

#include "core_text.h"
#include "message_boxes.h"
#include "placed_controls.h"
#include "upload_texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace vellumo {

namespace {

constexpr int kFieldWidth = 340;
const QColor kFailureColour(0xC0, 0x00, 0x00);
const QColor kSuccessColour(0x00, 0x70, 0x00);

QLineEdit* AddField(QFormLayout* form, const char* name, const QString& caption, const QString& text,
                    const QString& placeholder) {
    auto* field = new QLineEdit(text);
    field->setObjectName(QLatin1String(name));
    field->setPlaceholderText(placeholder);
    field->setMinimumWidth(kFieldWidth);
    form->addRow(caption, field);
    return field;
}

} // namespace

QString HostKeyQuestion(const UploadProblem& problem) {
    return UploadProblemText(problem) + QStringLiteral("\n\n") +
           PictureHostingDialog::tr(
               "Compare it with the fingerprint your hosting provider publishes for its SFTP "
               "server. Trust this server and remember its key?");
}

PictureHostingDialog::PictureHostingDialog(const HostingSettings& settings,
                                           const std::optional<QString>& password,
                                           const UploadConnection& connection, MessageBoxes& messageBoxes,
                                           QWidget* parent)
    : QDialog(parent)
    , m_connection(connection)
    , m_messageBoxes(messageBoxes) {
    setObjectName(QStringLiteral("PictureHostingDialog"));
    setWindowTitle(tr("Picture Hosting"));

    auto* explanation = new QLabel(tr(
        "Vellumo uploads your photos to your own web space and puts their https addresses into the picture "
        "boxes. Most hosting packages offer WebDAV, SFTP or FTP with TLS: your provider's help pages name "
        "the "
        "server, and the web address of each folder."));
    explanation->setWordWrap(true);

    auto* form = new QFormLayout;
    m_protocol = new QComboBox;
    m_protocol->setObjectName(QStringLiteral("cboHostingProtocol"));
    for (const HostingProtocol protocol :
         {HostingProtocol::WebDav, HostingProtocol::Sftp, HostingProtocol::Ftps}) {
        m_protocol->addItem(ProtocolCaption(protocol), static_cast<int>(protocol));
    }
    m_protocol->setCurrentIndex(m_protocol->findData(static_cast<int>(settings.protocol)));
    form->addRow(tr("Upload with:"), m_protocol);
    m_host = AddField(form, "txtHostingServer", tr("Server:"), FromCore(settings.host),
                      QStringLiteral("dav.example.com"));
    m_port = AddField(form, "txtHostingPort", tr("Port:"),
                      settings.port > 0 ? QString::number(settings.port) : QString(), QString());
    m_port->setValidator(new QIntValidator(1, 65535, m_port));
    m_user = AddField(form, "txtHostingUser", tr("User name:"), FromCore(settings.user), QString());
    m_password = AddField(form, "txtHostingPassword", tr("Password:"), password.value_or(QString()),
                          tr("kept in your desktop's keyring"));
    m_password->setEchoMode(QLineEdit::Password);
    m_folder = AddField(form, "txtHostingFolder", tr("Folder on the server:"), FromCore(settings.folder),
                        QStringLiteral("public_html/photos"));
    m_publicAddress =
        AddField(form, "txtHostingAddress", tr("Its public address:"), FromCore(settings.publicAddress),
                 QStringLiteral("https://www.example.com/photos/"));

    m_testButton = new QPushButton(tr("&Test"));
    m_testButton->setObjectName(QStringLiteral("cmdHostingTest"));
    m_testButton->setToolTip(tr("Uploads a small file, loads it from the public address and removes it"));
    m_result = new QLabel;
    m_result->setObjectName(QStringLiteral("lblHostingTestResult"));
    m_result->setWordWrap(true);
    m_result->setTextFormat(Qt::PlainText);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->addButton(m_testButton, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &PictureHostingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_testButton, &QPushButton::clicked, this, [this] { runTest({}); });
    connect(&m_test, &QFutureWatcher<UploadResult>::finished, this,
            [this] { showTestResult(m_test.future().result()); });
    connect(m_protocol, &QComboBox::currentIndexChanged, this, &PictureHostingDialog::showUsualPort);
    showUsualPort();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(form);
    layout->addWidget(m_result);
    layout->addWidget(buttons);
}

HostingSettings PictureHostingDialog::settings() const {
    HostingSettings typed;
    typed.protocol = static_cast<HostingProtocol>(m_protocol->currentData().toInt());
    typed.host = ToCore(m_host->text());
    typed.port = m_port->text().toInt();
    typed.user = ToCore(m_user->text());
    typed.folder = ToCore(m_folder->text());
    typed.publicAddress = ToCore(m_publicAddress->text());
    return TidiedHostingSettings(typed);
}

QString PictureHostingDialog::password() const {
    return m_password->text();
}

void PictureHostingDialog::showUsualPort() {
    m_port->setPlaceholderText(
        QString::number(UsualPort(static_cast<HostingProtocol>(m_protocol->currentData().toInt()))));
}

void PictureHostingDialog::accept() {
    if (const auto problem = HostingSettingsProblem(settings())) {
        SetTextColour(m_result, kFailureColour);
        m_result->setText(HostingSettingsText(*problem, settings()));
        return;
    }
    QDialog::accept();
}

void PictureHostingDialog::runTest(const std::string& acceptedHostKey) {
    const UploadAccount account{settings(), ToCore(password())};
    if (const auto fault = HostingSettingsProblem(account.settings)) {
        showTestResult({{},
                        UploadProblem{.kind = UploadFailure::UnusableSettings,
                                      .settings = account.settings,
                                      .settingsFault = fault}});
        return;
    }
    UploadConnection connection = m_connection;
    connection.acceptedHostKey = acceptedHostKey;
    m_testButton->setEnabled(false);
    SetTextColour(m_result, palette().color(QPalette::WindowText));
    m_result->setText(tr("Testing…"));
    m_test.setFuture(QtConcurrent::run(&TestHosting, account, connection));
}

void PictureHostingDialog::showTestResult(const UploadResult& result) {
    m_testButton->setEnabled(true);
    if (result.problem && result.problem->kind == UploadFailure::UnknownHostKey &&
        m_messageBoxes.question(this, windowTitle(), HostKeyQuestion(*result.problem))) {
        runTest(result.problem->hostKeyFingerprint);
        return;
    }
    SetTextColour(m_result, result ? kSuccessColour : kFailureColour);
    m_result->setText(
        result ? tr("The test worked: a small file went to the server, came back unchanged from %1 "
                    "and was removed again.")
                     .arg(FromCore(result.address))
               : UploadProblemText(*result.problem));
}

} // namespace vellumo
