#pragma once

#include <QHash>
#include <QObject>
#include <QSslServer>
#include <QStringList>
#include <QUrl>

namespace vellumo::test {

// The host name the tests give their https server; the test's web engine maps it to 127.0.0.1.
inline constexpr char kPictureHost[] = "pictures.test";

// Adds to the web engine's flags for this test process: the picture host resolves to this machine, and the
// certificate made for the tests (and nothing else) is trusted. The program itself never accepts a bad
// certificate. Must run before the web engine starts.
void AddTestWebEngineFlags();

// A small https server on 127.0.0.1 with the tests' own certificate. "/picture-<w>x<h>.png" answers a PNG
// picture of that size, a path given to serve() its bytes; every other path is not found. Remembers every
// path asked for.
class HttpsTestServer final : public QObject {
    Q_OBJECT
public:
    HttpsTestServer();

    [[nodiscard]] bool isListening() const { return m_server.isListening(); }
    // https://pictures.test:<port><path>, or the same with http: to the same port.
    QUrl address(const QString& path, const QString& scheme = QStringLiteral("https")) const;
    const QStringList& requestedPaths() const { return m_requested; }
    // Answers the path with these bytes from now on.
    void serve(const QString& path, const QByteArray& contentType, const QByteArray& body) {
        m_served.insert(path, {contentType, body});
    }
    void forgetRequests() { m_requested.clear(); }

private:
    void answer(QSslSocket* socket);

    QSslServer m_server;
    QStringList m_requested;
    QHash<QString, QPair<QByteArray, QByteArray>> m_served; // path: content type and body
};

} // namespace vellumo::test
