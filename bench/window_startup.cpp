// Start to window shown: one sample per process, from the entry of main to the first time the top-level
// window is exposed on screen. "bare" shows a plain QWidget of the main window's size, "vellumo" the real
// main window over a throw-away home folder. Prints "shown_ms <ms>" and "peak_kb <VmHWM>".

#include "window_bench.h"

#include "platform/single_instance.h"
#include "window/desktop_services.h"
#include "window/listing_scheme.h"
#include "window/main_window.h"
#include "window/program_look.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

namespace {

// Long enough for work the window defers until after it is shown (the browser) to count in peak memory.
constexpr int kSettleMs = 1500;
constexpr int kGiveUpMs = 60000;

// Notes the first expose of any top-level window, then lets the program settle and end.
class FirstExposure : public QObject {
public:
    explicit FirstExposure(const QElapsedTimer& sinceMainEntered)
        : m_sinceMainEntered(sinceMainEntered) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_shownMs && event->type() == QEvent::Expose) {
            const auto* window = qobject_cast<QWindow*>(watched);
            if (window != nullptr && window->isTopLevel() && window->isExposed()) {
                m_shownMs = vellumo::bench::ElapsedMs(m_sinceMainEntered);
                QTimer::singleShot(kSettleMs, qApp, &QCoreApplication::quit);
            }
        }
        return QObject::eventFilter(watched, event);
    }

    std::optional<double> shownMs() const { return m_shownMs; }

private:
    const QElapsedTimer& m_sinceMainEntered;
    std::optional<double> m_shownMs;
};

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMainEntered;
    sinceMainEntered.start();

    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode != "bare" && mode != "vellumo") {
        std::fprintf(stderr, "usage: window_startup bare|vellumo\n");
        return 2;
    }
    const vellumo::bench::TemporaryUser user;
    if (!user.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }

    // The same steps as the program's start, in its order: folders and the instance lock first.
    std::optional<vellumo::AppPaths> paths;
    std::optional<vellumo::SingleInstanceLock> instanceLock;
    if (mode == "vellumo") {
        QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
        paths = user.installationPaths();
        instanceLock = vellumo::SingleInstanceLock::Acquire(paths->appFolder);
        if (!instanceLock) {
            std::fprintf(stderr, "the instance lock was refused\n");
            return 1;
        }
    }
    vellumo::PrepareWebEngine();
    QApplication app(argc, argv);
    FirstExposure exposure(sinceMainEntered);
    app.installEventFilter(&exposure);
    QTimer::singleShot(kGiveUpMs, &app, &QCoreApplication::quit);

    vellumo::bench::UnexpectedMessages messages;
    vellumo::QtDesktopServices desktop;
    std::unique_ptr<QWidget> window;
    if (mode == "bare") {
        window = std::make_unique<QWidget>();
        window->resize(vellumo::bench::kWindowWidth, vellumo::bench::kWindowHeight);
        window->show();
    } else {
        vellumo::UseProgramLook();
        auto mainWindow = std::make_unique<vellumo::MainWindow>(*paths, messages, desktop);
        mainWindow->start();
        window = std::move(mainWindow);
    }
    app.exec();

    if (!exposure.shownMs() || messages.count() > 0) {
        std::fprintf(stderr, "the window was never shown, or a message box came up\n");
        return 1;
    }
    std::printf("shown_ms %.2f\npeak_kb %ld\n", *exposure.shownMs(), vellumo::bench::PeakMemoryKb());
    return 0;
}
