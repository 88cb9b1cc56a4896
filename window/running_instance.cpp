#include "running_instance.h"

#include "core_text.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace vellumo {

namespace {

constexpr QByteArrayView kRaise = "raise\n";
constexpr int kRingTimeoutMs = 2000;

} // namespace

RunningInstance::RunningInstance(QObject* parent)
    : QObject(parent)
    , m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = m_server->nextPendingConnection()) {
            if (!PeerIsThisUser(static_cast<int>(caller->socketDescriptor()))) {
                caller->abort();
                caller->deleteLater();
                continue;
            }
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

Outcome RunningInstance::listen(SingleInstanceLock& lock, const std::string& dataFolder) {
    const QByteArray folderHash =
        QCryptographicHash::hash(QByteArray::fromStdString(dataFolder), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    // An abstract name goes with the process that holds it, so none is left behind by a crash.
    if (!m_server->listen(QStringLiteral("vellumo-%1-%2").arg(::getuid()).arg(folderHash))) {
        return std::errc::address_in_use;
    }
    return lock.publish(ToCore(m_server->fullServerName()));
}

bool RunningInstance::Ring(const std::string& dataFolder) {
    const std::string socketName = SingleInstanceLock::PublishedNote(dataFolder);
    if (socketName.empty()) {
        return false;
    }
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(FromCore(socketName));
    if (!socket.waitForConnected(kRingTimeoutMs) ||
        !PeerIsThisUser(static_cast<int>(socket.socketDescriptor()))) {
        return false;
    }
    socket.write(kRaise.toByteArray());
    // Written and read: the running window has the request before this start ends.
    return socket.waitForBytesWritten(kRingTimeoutMs) && socket.waitForDisconnected(kRingTimeoutMs);
}

} // namespace vellumo
