// Starts Vellumo: one instance per user, the main window with the system's folders.

#include "desktop_services.h"
#include "library/app_paths.h"
#include "listing_scheme.h"
#include "main_window.h"
#include "message_boxes.h"
#include "platform/private_folder.h"
#include "platform/single_instance.h"
#include "program_look.h"

#include <QApplication>
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

// The seller's data under the user's data folder (~/.local/share/Vellumo), the preview page in a private
// per-user runtime folder, and the help file beside the program.
vellumo::AppPaths SystemPaths(const char* argv0) {
    vellumo::AppPaths paths;
    paths.appFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation).toStdString();
    if (!vellumo::CreateFolderIfMissing(paths.appFolder)) {
        std::fprintf(stderr, "Vellumo: cannot create the data folder %s\n", paths.appFolder.c_str());
    }
    paths.executablePath = RunningExecutable(argv0);
    paths.helpFolder = std::filesystem::path(paths.executablePath).parent_path().string();
    paths.keyStoreFile = paths.appFolder + "/Registry.ini";

    const QString runtimeFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    paths.previewFolder = runtimeFolder.isEmpty() ? std::string() : runtimeFolder.toStdString() + "/vellumo";
    if (paths.previewFolder.empty() || !vellumo::EnsurePrivateFolder(paths.previewFolder)) {
        paths.previewFolder = paths.appFolder + "/Preview";
        if (!vellumo::EnsurePrivateFolder(paths.previewFolder)) {
            std::fprintf(stderr, "Vellumo: no private folder for the preview page\n");
        }
    }
    return paths;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
    const vellumo::AppPaths paths = SystemPaths(argv[0]);

    // A second start ends here, silently and before any window exists.
    std::error_code lockFailure;
    const auto instanceLock = vellumo::SingleInstanceLock::Acquire(paths.previewFolder, &lockFailure);
    if (!instanceLock && !lockFailure) {
        return 0;
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
    vellumo::UseProgramLook();

    vellumo::QtMessageBoxes messageBoxes;
    vellumo::QtDesktopServices desktop;
    vellumo::frmCorvex window(paths, messageBoxes, desktop);
    window.Form_Load();
    return QApplication::exec();
}
