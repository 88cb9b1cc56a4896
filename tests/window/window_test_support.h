#pragma once

#include "desktop_services.h"
#include "https_test_server.h"
#include "library/app_paths.h"
#include "listing_scheme.h"
#include "main_window.h"
#include "message_boxes.h"
#include "program_look.h"
#include "window_language.h"

#include <QApplication>
#include <QHash>
#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QWebEnginePage;

namespace vellumo::test {

struct RecordedMessage {
    QString kind; // "information", "warning", "question" or "findings"
    QString title;
    QString text;
};

// Keeps every message box instead of showing it; questions get the prepared answer.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    void information(QWidget*, const QString& title, const QString& text) override {
        messages.push_back({QStringLiteral("information"), title, text});
    }
    void warning(QWidget*, const QString& title, const QString& text) override {
        messages.push_back({QStringLiteral("warning"), title, text});
    }
    bool question(QWidget*, const QString& title, const QString& text) override {
        messages.push_back({QStringLiteral("question"), title, text});
        return answer;
    }
    SaveChoice askToSave(QWidget*, const QString& title, const QString& text) override {
        messages.push_back({QStringLiteral("askToSave"), title, text});
        return saveChoice;
    }
    // Answered by answerFindings, which sees what the dialog would show; Cancel when none is set.
    FindingsAnswer confirmFindings(QWidget*, const QString& title,
                                   const std::vector<Finding>& findings) override {
        messages.push_back({QStringLiteral("findings"), title, QString()});
        shownFindings.push_back(findings);
        return answerFindings ? answerFindings(findings) : FindingsAnswer{};
    }
    std::vector<RecordedMessage> messages;
    bool answer = true;
    SaveChoice saveChoice = SaveChoice::DontSave;
    // The label asked with, then the text offered; the answer is textAnswer (none: cancelled).
    std::optional<QString> askText(QWidget*, const QString& title, const QString& label,
                                   const QString& text) override {
        messages.push_back({QStringLiteral("askText"), title, label});
        offeredTexts.append(text);
        return textAnswer;
    }
    // The label asked with; the answer is passwordAnswer (none: cancelled).
    std::optional<QString> askPassword(QWidget*, const QString& title, const QString& label) override {
        messages.push_back({QStringLiteral("askPassword"), title, label});
        return passwordAnswer;
    }
    std::function<FindingsAnswer(const std::vector<Finding>&)> answerFindings;
    std::vector<std::vector<Finding>> shownFindings;
    std::optional<QString> textAnswer;
    std::optional<QString> passwordAnswer;
    QStringList offeredTexts;
};

class RecordingDesktop final : public DesktopServices {
public:
    void openUrl(const QUrl& url) override { openedUrls.append(url); }
    Outcome openTextFile(const std::string& path) override {
        openedTextFiles.push_back(path);
        return textFileAnswer;
    }
    void setClipboardText(const QString& text) override { clipboard = text; }
    QString chooseFolder(QWidget*, const QString&, const QString&) override {
        ++folderQuestions;
        return chosenFolder;
    }
    QStringList choosePhotos(QWidget*, const QString&, const QStringList&) override {
        ++photoQuestions;
        return chosenPhotos;
    }
    // A keyring in memory; with keyringAnswers false, as on a desktop without one.
    void readSecret(const QString& key, SecretRead done) override {
        done(keyringAnswers && secrets.contains(key) ? std::optional<QString>(secrets.value(key))
                                                     : std::nullopt);
    }
    void writeSecret(const QString& key, const QString& secret, SecretWritten done) override {
        if (keyringAnswers) {
            secrets.insert(key, secret);
        }
        done(keyringAnswers);
    }
    QList<QUrl> openedUrls;
    QStringList chosenPhotos; // what the photo chooser answers; empty: cancelled
    int photoQuestions = 0;
    bool keyringAnswers = true;
    QHash<QString, QString> secrets;
    QString chosenFolder; // what the folder chooser answers; empty: cancelled
    int folderQuestions = 0;
    std::vector<std::string> openedTextFiles;
    Outcome textFileAnswer; // what opening a text file gives
    QString clipboard;
};

// A data folder, a private preview folder and a help folder inside one temporary folder.
AppPaths TemporaryAppPaths(const QTemporaryDir& root);

// The main window on temporary folders with recorders for the outside world.
struct WindowUnderTest {
    QTemporaryDir root;
    AppPaths paths;
    RecordingMessageBoxes messageBoxes;
    RecordingDesktop desktop;
    std::unique_ptr<MainWindow> window;

    WindowUnderTest();
    // start(); true once the window is exposed and active and the start-up work after it is done.
    [[nodiscard]] bool load();
    template <typename Widget> Widget* child(const char* name) const {
        return window->findChild<Widget*>(QLatin1String(name));
    }
    // The listing the preview was last given, as the core holds text; empty before the first.
    std::string shownListing() const;
    // The page of the tab area in front, by its frame's name: "Frame1_0" for the two-photo fields, ...
    QString panelInFront() const;
};

// The frames of the tab area's pages.
inline const QString kTwoPhotoPanel = QStringLiteral("Frame1_0");
inline const QString kPreviewPanel = QStringLiteral("Frame1_1");
inline const QString kThreePhotoPanel = QStringLiteral("Frame1_2");
inline const QString kFourPhotoPanel = QStringLiteral("Frame1_3");
inline const QString kFivePhotoPanel = QStringLiteral("Frame1_4");
inline const QString kTemplatesPanel = QStringLiteral("Frame1_5");
inline const QString kHelpPanel = QStringLiteral("Frame1_6");

// start() with "Don't show this message again" stored, so no notice dialog follows a Save.
[[nodiscard]] bool LoadWithoutNotice(WindowUnderTest& under);

// Runs a script in a browser view (in a world apart from the page's) and waits for its result; an empty
// value when none comes.
QVariant Evaluate(QWebEngineView* view, const QString& script);
QVariant Evaluate(QWebEnginePage* page, const QString& script);

// Clicks a tab of TabStrip1 (counted from 1) as the seller does.
void ClickTab(WindowUnderTest& under, int tab);

// The view shows a listing from the program's own origin (never as a file: page).
bool ShowsAListing(const QWebEngineView* view);

// Picks an entry as the seller does: the box's entry changes and its activated signal is raised.
void Pick(QComboBox* picker, int index);
void PickText(QComboBox* picker, const QString& text);

// Reads a whole file; empty when missing.
std::string ReadFile(const std::string& path);

// Writes a whole file; false when it could not.
[[nodiscard]] bool WriteText(const std::string& path, const std::string& text);

QStringList Entries(const QListWidget* list);

// A dark palette as a desktop's dark theme gives one: light text on dark grey windows and boxes.
QPalette DarkPalette();

} // namespace vellumo::test

// QTEST_MAIN for the window tests: the web engine needs its set-up settled before the application, it
// trusts the tests' https server, and every test sees the program's font and pictures.
#define VELLUMO_WINDOW_TEST_MAIN(TestClass)                                                                  \
    int main(int argc, char* argv[]) {                                                                       \
        vellumo::PrepareWebEngine();                                                                         \
        vellumo::test::AddTestWebEngineFlags();                                                              \
        QApplication application(argc, argv);                                                                \
        const vellumo::WindowTranslation english(QStringLiteral("en"));                                      \
        vellumo::UseProgramLook();                                                                           \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
