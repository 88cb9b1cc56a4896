// Starts Vellumo: one instance per data folder, the main window with the system's folders.

#include "desktop_services.h"
#include "library/app_paths.h"
#include "listing_scheme.h"
#include "main_window.h"
#include "message_boxes.h"
#include "platform/single_instance.h"
#include "program_look.h"
#include "running_instance.h"
#include "window_language.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

std::string RunningExecutable(const char* argv0) {
    std::error_code failure;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", failure);
    if (!failure) {
        return executable.string();
    }
    return std::filesystem::absolute(argv0, failure).string();
}

// The seller's data under the user's data folder (~/.local/share/Vellumo).
vellumo::AppPaths SystemPaths(const char* argv0) {
    vellumo::AppPaths paths;
    paths.appFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation).toStdString();
    if (const vellumo::Outcome created = vellumo::CreateFolderIfMissing(paths.appFolder); !created) {
        std::fprintf(stderr, "Vellumo: cannot create the data folder %s: %s\n", paths.appFolder.c_str(),
                     created.message().c_str());
    }
    paths.executablePath = RunningExecutable(argv0);
    paths.keyStoreFile = paths.appFolder + "/Registry.ini";
    return paths;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    const vellumo::AppPaths paths = SystemPaths(argv[0]);

    // One instance per data folder: a second start brings the running window to the front and ends,
    // before any window of its own exists.
    std::error_code lockFailure;
    auto instanceLock = vellumo::SingleInstanceLock::Acquire(paths.appFolder, &lockFailure);
    if (!instanceLock && !lockFailure) {
        // A window of its own only says why this start ends when the running one does not answer.
        const QApplication secondStart(argc, argv);
        if (vellumo::RunningInstance::Ring(paths.appFolder)) {
            return 0;
        }
        const vellumo::WindowTranslation language(
            vellumo::WindowLanguageFor(QLocale::system().uiLanguages()));
        const QString message = QCoreApplication::translate(
                                    "vellumo::RunningInstance",
                                    "Vellumo is already running on your designs (in %1), but it does not "
                                    "answer.\n\nIf its window is hidden or no longer responds, close it, or "
                                    "end Vellumo in your system monitor, then start Vellumo again.")
                                    .arg(QString::fromStdString(paths.appFolder));
        std::fprintf(stderr, "%s\n", qPrintable(message));
        QMessageBox::warning(nullptr, QStringLiteral("Vellumo"), message);
        return 1;
    }
    if (lockFailure) {
        // Better one window too many than none: start without the guard.
        std::fprintf(stderr, "Vellumo: cannot check for a running instance: %s\n",
                     lockFailure.message().c_str());
    }

    // The web engine comes up after the window, but its set-up must be settled before the application.
    vellumo::PrepareWebEngine();
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(VELLUMO_VERSION));
    const vellumo::WindowTranslation language(vellumo::WindowLanguageFor(QLocale::system().uiLanguages()));
    vellumo::UseProgramLook();

    vellumo::QtMessageBoxes messageBoxes;
    vellumo::QtDesktopServices desktop;
    vellumo::MainWindow window(paths, messageBoxes, desktop);
    vellumo::RunningInstance runningInstance;
    if (instanceLock) {
        if (const vellumo::Outcome listening = runningInstance.listen(*instanceLock, paths.appFolder);
            !listening) {
            std::fprintf(stderr, "Vellumo: a second start will not find this window: %s\n",
                         listening.message().c_str());
        }
    }
    QObject::connect(&runningInstance, &vellumo::RunningInstance::raiseRequested, &window,
                     &vellumo::MainWindow::comeToFront);
    window.start();
    return QApplication::exec();
}
