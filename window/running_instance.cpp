#include "running_instance.h"

#include "core_text.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace vellumo {

namespace {

constexpr QByteArrayView kRaise = "raise\n";
constexpr int kRingTimeoutMs = 2000;

} // namespace

RunningInstance::RunningInstance(QObject* parent)
    : QObject(parent)
    , m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = m_server->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
                if (caller->readAll().startsWith(kRaise.toByteArray())) {
                    emit raiseRequested();
                }
                caller->disconnectFromServer();
            });
        }
    });
}

Outcome RunningInstance::listen(SingleInstanceLock& lock, const std::string& socketFolder,
                                const std::string& dataFolder) {
    const QByteArray folderHash =
        QCryptographicHash::hash(QByteArray::fromStdString(dataFolder), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    const QString socketPath = FromCore(socketFolder) + QStringLiteral("/vellumo-%1.socket").arg(folderHash);
    // A socket file a crashed instance left behind would block the name; the lock says it is ours now.
    QLocalServer::removeServer(socketPath);
    if (!m_server->listen(socketPath)) {
        return std::errc::address_not_available;
    }
    return lock.publish(ToCore(m_server->fullServerName()));
}

bool RunningInstance::Ring(const std::string& dataFolder) {
    const std::string socketPath = SingleInstanceLock::PublishedNote(dataFolder);
    if (socketPath.empty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(FromCore(socketPath));
    if (!socket.waitForConnected(kRingTimeoutMs)) {
        return false;
    }
    socket.write(kRaise.toByteArray());
    // Written and read: the running window has the request before this start ends.
    return socket.waitForBytesWritten(kRingTimeoutMs) && socket.waitForDisconnected(kRingTimeoutMs);
}

} // namespace vellumo
