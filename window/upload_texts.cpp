#include "upload_texts.h"

#include "core_text.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vellumo {

namespace {

constexpr qint64 kMegapixel = 1'000'000;

} // namespace

// The translations of the upload's words are kept under this class's name.
class UploadTexts {
    Q_DECLARE_TR_FUNCTIONS(vellumo::UploadTexts)

public:
    static QString settingsText(HostingSettingsFault fault, const HostingSettings& settings);
    static QString uploadText(const UploadProblem& problem);
    static QString photoText(const PhotoProblem& problem, const QString& name);
};

QString UploadTexts::settingsText(HostingSettingsFault fault, const HostingSettings& settings) {
    switch (fault) {
    case HostingSettingsFault::PlainFtp:
        return tr("Plain FTP is not offered: it sends your password and your photos unencrypted. Choose "
                  "\"%1\" "
                  "or SFTP; most hosting packages offer both.")
            .arg(ProtocolCaption(HostingProtocol::Ftps));
    case HostingSettingsFault::PlainHttp:
        return tr(
            "WebDAV over http is not offered: it sends your password and your photos unencrypted. Use the "
            "server's https address.");
    case HostingSettingsFault::NoServer:
        return tr("Please give the server's name, such as dav.example.com.");
    case HostingSettingsFault::NotAServerName:
        return tr("\"%1\" is not a server name: give only the name, such as dav.example.com, and the port in "
                  "its "
                  "own box.")
            .arg(FromCore(settings.host));
    case HostingSettingsFault::BadPort:
        return tr("The port must be a number from 1 to 65535, or empty for the usual one.");
    case HostingSettingsFault::NoUser:
        return tr("Please give the user name of your hosting account.");
    case HostingSettingsFault::HttpPublicAddress:
        return tr(
            "The public address must begin with https://: eBay shows no pictures from http:// addresses.");
    case HostingSettingsFault::NoPublicAddress:
        break;
    }
    return tr("Please give the public address where buyers' browsers find the folder's pictures, such as "
              "https://www.example.com/photos/.");
}

QString UploadTexts::uploadText(const UploadProblem& problem) {
    const HostingSettings& settings = problem.settings;
    const QString server =
        QStringLiteral("%1:%2").arg(FromCore(settings.host), QString::number(PortOf(settings)));
    const QString reason = FromCore(problem.reason);
    switch (problem.kind) {
    case UploadFailure::UnusableSettings:
        return settingsText(problem.settingsFault.value_or(HostingSettingsFault::NoServer), settings);
    case UploadFailure::NotStarted:
        return tr("The upload could not start: libcurl did not initialise.");
    case UploadFailure::WrongPassword:
        return tr("The server %1 refused the user name \"%2\" or its password. Check them under Picture "
                  "hosting.")
            .arg(server, FromCore(settings.user));
    case UploadFailure::UnknownHostKey:
        return tr("The SFTP server %1 is not known yet. It identifies itself with the key %2.")
            .arg(server, FromCore(problem.hostKeyFingerprint));
    case UploadFailure::ChangedHostKey:
        return tr("The SFTP server %1 no longer shows the key you trusted before; it now shows %2. A "
                  "reinstalled "
                  "server does this, and so does someone listening in between. The upload was refused. Once "
                  "your hosting provider confirms the new key, remove the line of this server from %3 and "
                  "try "
                  "again.")
            .arg(server, FromCore(problem.hostKeyFingerprint), FromCore(problem.knownHostsFile));
    case UploadFailure::HostKeyNotKept:
        return tr("The key of %1 could not be kept in %2: %3.")
            .arg(server, FromCore(problem.knownHostsFile), reason);
    case UploadFailure::UntrustedCertificate:
        return tr("The connection to %1 is not trusted: %2. Nothing was sent. Ask your hosting provider for "
                  "a "
                  "certificate this computer trusts.")
            .arg(server, reason);
    case UploadFailure::Unreachable:
        return tr("The server %1 could not be reached: %2.").arg(server, reason);
    case UploadFailure::TimedOut:
        return tr("The server %1 stopped answering: %2.").arg(server, reason);
    case UploadFailure::ServerFull:
        return tr("The server %1 has no room for the photo (%2). Free some space in your web space and try "
                  "again.")
            .arg(server, reason);
    case UploadFailure::NotPublished:
        return tr("The photo is on the server, but %1 answers 404 Not Found: the public address does not "
                  "lead "
                  "to the folder \"%2\". Check both under Picture hosting.")
            .arg(FromCore(problem.publicAddress), FromCore(settings.folder));
    case UploadFailure::DifferentBytes:
        return tr("The photo is on the server, but %1 gives back something else than was sent: the public "
                  "address does not lead to the folder \"%2\". Check both under Picture hosting.")
            .arg(FromCore(problem.publicAddress), FromCore(settings.folder));
    case UploadFailure::Cancelled:
        return tr("The upload was cancelled; nothing was changed.");
    case UploadFailure::Refused:
        break;
    }
    return problem.answer > 0 ? tr("The server %1 refused the upload: %2 (answer %3).")
                                    .arg(server, reason, QString::number(problem.answer))
                              : tr("The server %1 refused the upload: %2.").arg(server, reason);
}

QString UploadTexts::photoText(const PhotoProblem& problem, const QString& name) {
    const QSize size = problem.size;
    switch (problem.kind) {
    case PhotoProblem::Kind::Unopenable:
        return tr("\"%1\" could not be opened: %2.").arg(name, problem.reason);
    case PhotoProblem::Kind::NotAPhoto:
        return tr("\"%1\" is not a photo Vellumo can read: it takes JPEG, PNG and WebP pictures.").arg(name);
    case PhotoProblem::Kind::Incomplete:
        return tr("\"%1\" is damaged: its picture data is incomplete.").arg(name);
    case PhotoProblem::Kind::TooManyPixels:
        return tr("\"%1\" has %2 megapixels; Vellumo takes photos of up to %3 megapixels.")
            .arg(name, QString::number(static_cast<qint64>(size.width()) * size.height() / kMegapixel),
                 QString::number(kMostPhotoPixels / kMegapixel));
    case PhotoProblem::Kind::TooSmall:
        return tr("\"%1\" is %2 x %3 pixels; eBay asks for at least %4 pixels on the longest side. Please "
                  "use a "
                  "larger photo.")
            .arg(name, QString::number(size.width()), QString::number(size.height()),
                 QString::number(kEbayLeastLongestSide));
    case PhotoProblem::Kind::Undecodable:
        return tr("\"%1\" is damaged: %2.").arg(name, problem.reason);
    case PhotoProblem::Kind::Unconvertible:
        break;
    }
    return tr("\"%1\" could not be converted: %2.").arg(name, problem.reason);
}

QString ProtocolCaption(HostingProtocol protocol) {
    switch (protocol) {
    case HostingProtocol::WebDav:
        return UploadTexts::tr("WebDAV over https");
    case HostingProtocol::Sftp:
        return UploadTexts::tr("SFTP");
    case HostingProtocol::Ftps:
        break;
    }
    return UploadTexts::tr("FTP with TLS (FTPS)");
}

QString HostingSettingsText(HostingSettingsFault fault, const HostingSettings& settings) {
    return UploadTexts::settingsText(fault, settings);
}

QString UploadProblemText(const UploadProblem& problem) {
    const QString text = UploadTexts::uploadText(problem);
    if (!problem.publicAddressUnloadable) {
        return text;
    }
    return UploadTexts::tr("The photo is on the server, but its public address %1 could not be loaded. %2")
        .arg(FromCore(problem.publicAddress), text);
}

QString PhotoProblemText(const PhotoProblem& problem, const QString& file) {
    return UploadTexts::photoText(problem, QFileInfo(file).fileName());
}

} // namespace vellumo
