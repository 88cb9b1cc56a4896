#pragma once

// What the window measurements share: the peak memory figure, a throw-away user, the clock, and a
// message-box stand-in that never blocks.

#include "library/app_paths.h"
#include "window/message_boxes.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace vellumo::bench {

// The same size as the main window's client area, so the bare baseline paints as much.
inline constexpr int kWindowWidth = 729;
inline constexpr int kWindowHeight = 551;

// The process's peak resident memory in KiB (VmHWM), or -1 when /proc does not tell.
inline long PeakMemoryKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// A user who has never run the program: home and XDG folders in a temporary folder, so a run reads and
// writes nothing of the real user's. The runtime folder is on /dev/shm when there is one, as a desktop
// session's $XDG_RUNTIME_DIR is a memory file system. Make one before the application object exists.
class TemporaryUser {
public:
    TemporaryUser()
        : m_runtime(QStringLiteral("/dev/shm/vellumo-run-XXXXXX")) {
        m_runtimeFolder = m_runtime.isValid() ? m_runtime.path().toStdString() : home() + "/run";
        std::error_code failure;
        std::filesystem::create_directories(m_runtimeFolder, failure);
        std::filesystem::permissions(m_runtimeFolder, std::filesystem::perms::owner_all, failure);
        if (failure) {
            std::fprintf(stderr, "no private runtime folder %s: %s\n", m_runtimeFolder.c_str(),
                         failure.message().c_str());
        }
        ::setenv("HOME", home().c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home() + "/.local/share").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home() + "/.config").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (home() + "/.cache").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", m_runtimeFolder.c_str(), 1);
    }

    bool isValid() const { return m_home.isValid(); }
    std::string home() const { return m_home.path().toStdString(); }
    const std::string& runtimeFolder() const { return m_runtimeFolder; }

    // The program's folders for this user, prepared as its start prepares them: the data folder created.
    AppPaths installationPaths() const {
        AppPaths paths;
        paths.appFolder = home() + "/.local/share/Vellumo";
        paths.executablePath = home() + "/bin/vellumo";
        paths.keyStoreFile = paths.appFolder + "/Registry.ini";
        if (!CreateFolderIfMissing(paths.appFolder)) {
            std::fprintf(stderr, "cannot prepare the folders of %s\n", home().c_str());
        }
        return paths;
    }

private:
    QTemporaryDir m_home;
    QTemporaryDir m_runtime;
    std::string m_runtimeFolder;
};

// A message box never belongs on a measured path: each one is logged and counted instead of waiting for
// a click that would never come.
class UnexpectedMessages final : public MessageBoxes {
public:
    void information(QWidget*, const QString& title, const QString& text) override { note(title, text); }
    void warning(QWidget*, const QString& title, const QString& text) override { note(title, text); }
    bool question(QWidget*, const QString& title, const QString& text) override {
        note(title, text);
        return false;
    }
    SaveChoice askToSave(QWidget*, const QString& title, const QString& text) override {
        note(title, text);
        return SaveChoice::DontSave;
    }
    FindingsAnswer confirmFindings(QWidget*, const QString& title,
                                   const std::vector<Finding>& findings) override {
        note(title, QStringLiteral("%1 findings of the listing check").arg(findings.size()));
        return {};
    }
    std::optional<QString> askText(QWidget*, const QString& title, const QString& label,
                                   const QString&) override {
        note(title, label);
        return std::nullopt;
    }
    std::optional<QString> askPassword(QWidget*, const QString& title, const QString& label) override {
        note(title, label);
        return std::nullopt;
    }
    int count() const { return m_count; }

private:
    void note(const QString& title, const QString& text) {
        ++m_count;
        std::fprintf(stderr, "unexpected message \"%s\": %s\n", qUtf8Printable(title), qUtf8Printable(text));
    }

    int m_count = 0;
};

inline double ElapsedMs(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace vellumo::bench
