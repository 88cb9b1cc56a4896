// The desktop's keyring as the program uses it, against a real Secret Service (gnome-keyring in a private
// D-Bus session that CTest starts for this test alone).

#include "desktop_services.h"

#include <QCoreApplication>
#include <QTest>
#include <QUuid>

using namespace vellumo;

namespace {

std::optional<QString> ReadBack(DesktopServices& desktop, const QString& key) {
    std::optional<QString> secret;
    bool answered = false;
    desktop.readSecret(key, [&](std::optional<QString> read) {
        secret = std::move(read);
        answered = true;
    });
    return QTest::qWaitFor([&] { return answered; }, 20000)
               ? secret
               : std::optional<QString>(QStringLiteral("(no answer)"));
}

} // namespace

class KeyringTest : public QObject {
    Q_OBJECT
private slots:
    void PasswordKeptIsReadBackAndOtherKeysHoldNone() {
        QtDesktopServices desktop;
        const QString key = QStringLiteral("picture hosting test %1").arg(QUuid::createUuid().toString());
        bool kept = false;
        bool answered = false;
        desktop.writeSecret(key, QStringLiteral("s3cret pass"), [&](bool stored) {
            kept = stored;
            answered = true;
        });
        QVERIFY(QTest::qWaitFor([&] { return answered; }, 20000));
        QVERIFY(kept);
        QCOMPARE(ReadBack(desktop, key), std::optional<QString>(QStringLiteral("s3cret pass")));
        QCOMPARE(ReadBack(desktop, key + QStringLiteral(" other")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(KeyringTest)
#include "test_keyring.moc"
