#include "https_test_server.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>

namespace vellumo::test {

namespace {

QByteArray ReadWhole(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

QByteArray PngPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(0x2a, 0x7a, 0xc0));
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    picture.save(&png, "PNG");
    return png.data();
}

QByteArray Response(const QByteArray& status, const QByteArray& contentType, const QByteArray& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + contentType +
           "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace

void AddTestWebEngineFlags() {
    const QByteArray flags =
        QByteArray(" --host-resolver-rules=\"MAP ") + kPictureHost +
        " 127.0.0.1\" --ignore-certificate-errors-spki-list=" + ReadWhole(VELLUMO_TEST_SERVER_SPKI);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + flags);
}

HttpsTestServer::HttpsTestServer() {
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(ReadWhole(VELLUMO_TEST_SERVER_CERTIFICATE)));
    configuration.setPrivateKey(QSslKey(ReadWhole(VELLUMO_TEST_SERVER_KEY), QSsl::Ec));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    m_server.setSslConfiguration(configuration);
    connect(&m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (auto* socket = qobject_cast<QSslSocket*>(m_server.nextPendingConnection())) {
            connect(socket, &QIODevice::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
            answer(socket);
        }
    });
    m_server.listen(QHostAddress::LocalHost);
}

QUrl HttpsTestServer::address(const QString& path, const QString& scheme) const {
    QUrl url;
    url.setScheme(scheme);
    url.setHost(QLatin1String(kPictureHost));
    url.setPort(m_server.serverPort());
    url.setPath(path);
    return url;
}

void HttpsTestServer::answer(QSslSocket* socket) {
    if (!socket->canReadLine()) {
        return;
    }
    // One request per connection: the rest of it is not read, and nothing more is answered.
    disconnect(socket, &QIODevice::readyRead, this, nullptr);
    const QList<QByteArray> requestLine = socket->readLine().split(' ');
    const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString();
    m_requested.append(path);
    static const QRegularExpression picture(QStringLiteral("^/picture-(\\d+)x(\\d+)\\.png$"));
    const QRegularExpressionMatch match = picture.match(path);
    if (m_served.contains(path)) {
        socket->write(Response("200 OK", m_served.value(path).first, m_served.value(path).second));
    } else if (match.hasMatch()) {
        socket->write(Response("200 OK", "image/png",
                               PngPicture(match.captured(1).toInt(), match.captured(2).toInt())));
    } else {
        socket->write(Response("404 Not Found", "text/plain", "not found"));
    }
    socket->disconnectFromHost();
}

} // namespace vellumo::test
