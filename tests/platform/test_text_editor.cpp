#include "platform/text_editor.h"

#include "../library/temporary_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace vellumo {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;
using Command = std::vector<std::string>;

constexpr const char* kFile = "/home/s/My Templates/a.txt";

// A desktop in a temporary folder: its settings, its programs' desktop files and executables.
class TextEditor : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"config", "data/applications", "system/applications", "bin"}) {
            std::filesystem::create_directories(m_root / folder);
        }
        m_desktop.configFolders = {m_root / "config"};
        m_desktop.dataFolders = {m_root / "data", m_root / "system"};
        m_desktop.currentDesktops = {"gnome"};
        m_desktop.executableFolders = {m_root / "bin"};
        for (const char* program : {"gedit", "mousepad", "firefox"}) {
            addProgram(program);
        }
    }
    void addProgram(const std::string& name) {
        WriteBytes(m_root / ("bin/" + name), "#!/bin/sh\n");
        std::filesystem::permissions(m_root / ("bin/" + name), std::filesystem::perms::owner_all);
    }
    void file(const std::string& relative, const std::string& text) { WriteBytes(m_root / relative, text); }
    void entry(const std::string& folder, const std::string& id, const std::string& lines) {
        file(folder + "/applications/" + id, "[Desktop Entry]\nType=Application\n" + lines);
    }
    std::optional<Command> command() const { return TextEditorCommand(m_desktop, kFile); }

    TemporaryFolder m_root;
    DesktopFolders m_desktop;
};

TEST_F(TextEditor, TheDesktopsDefaultForPlainTextWinsWithItsFieldCodesFilledIn) {
    entry("system", "org.gnome.gedit.desktop", "Exec=gedit --new-window %U\n");
    entry("system", "mousepad.desktop", "Exec=mousepad %F\n");
    entry("system", "firefox.desktop", "Exec=firefox %u\n");
    file("system/applications/mimeinfo.cache", "[MIME Cache]\ntext/plain=mousepad.desktop;\n"
                                               "text/html=firefox.desktop;\n");
    // Without a default, the first program that says it opens plain text.
    EXPECT_EQ(command(), (Command{"mousepad", kFile}));
    file("config/mimeapps.list", "[Default Applications]\ntext/plain=org.gnome.gedit.desktop;\n");
    EXPECT_EQ(command(), (Command{"gedit", "--new-window", kFile}));
    // The current desktop's own list comes first in its folder.
    file("config/gnome-mimeapps.list", "[Default Applications]\ntext/plain=mousepad.desktop\n");
    EXPECT_EQ(command(), (Command{"mousepad", kFile}));
}

TEST_F(TextEditor, HiddenRemovedOrMissingProgramsAreSkipped) {
    entry("data", "gedit.desktop", "Exec=gedit %F\nHidden=true\n");
    entry("system", "ghost.desktop", "Exec=not-installed %F\n");
    entry("system", "mousepad.desktop", "Exec=mousepad\n");
    file("config/mimeapps.list", "[Default Applications]\ntext/plain=gedit.desktop;ghost.desktop;\n"
                                 "[Removed Associations]\ntext/plain=firefox.desktop;\n");
    entry("system", "firefox.desktop", "Exec=firefox %u\n");
    file("system/applications/mimeinfo.cache",
         "[MIME Cache]\ntext/plain=firefox.desktop;mousepad.desktop;\n");
    // No field code in Exec: the file goes last.
    EXPECT_EQ(command(), (Command{"mousepad", kFile}));
}

TEST_F(TextEditor, QuotedExecArgumentsKeepTheirBlanks) {
    const std::string editor = m_root / "bin/My Editor";
    WriteBytes(editor, "#!/bin/sh\n");
    std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
    entry("system", "mine.desktop", "Exec=\"" + editor + "\" --title \"100%% \\\\\"plain\\\\\"\" %f\n");
    file("config/mimeapps.list", "[Default Applications]\ntext/plain=mine.desktop\n");
    EXPECT_EQ(command(), (Command{editor, "--title", "100% \"plain\"", kFile}));
}

TEST_F(TextEditor, NoProgramForPlainTextGivesNone) {
    entry("system", "firefox.desktop", "Exec=firefox %u\n");
    file("system/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=firefox.desktop;\n");
    EXPECT_EQ(command(), std::nullopt);
}

TEST(StartDetached, RunsTheCommandOrSaysWhyNot) {
    TemporaryFolder folder;
    const std::string marker = folder / "started";
    ASSERT_TRUE(StartDetached({"/bin/sh", "-c", "echo started > \"$0\"", marker}));
    for (int wait = 0; wait < 100 && ReadBytes(marker).empty(); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(ReadBytes(marker), "started\n");
    EXPECT_EQ(StartDetached({folder / "no such program"}).error(), std::errc::no_such_file_or_directory);
}

} // namespace
} // namespace vellumo
