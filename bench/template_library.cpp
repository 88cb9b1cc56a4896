// The My Templates tab with a large collection: filling both lists from the folder, as start-up does, and
// a Save that replaces a design, from the click to the lists showing the new files. Runs the real window
// offscreen on a temporary folder of 5,000 saved designs (a template and a code file each).

#include "offscreen_benchmarks.h"
#include "window_bench.h"

#include "library/ini_file.h"
#include "window/desktop_services.h"
#include "window/main_window.h"
#include "window/templates_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace vellumo;

constexpr int kDesignCount = 5000;
constexpr int kStylePosition = 5; // "3 Inline Photos"

// Answers Yes to "Replace it?"; anything else on the measured path is a fault and is counted.
class ReplacingMessages final : public MessageBoxes {
public:
    void information(QWidget*, const QString&, const QString& text) override { unexpected(text); }
    void warning(QWidget*, const QString&, const QString& text) override { unexpected(text); }
    bool question(QWidget*, const QString&, const QString&) override { return true; }
    SaveChoice askToSave(QWidget*, const QString&, const QString& text) override {
        unexpected(text);
        return SaveChoice::DontSave;
    }
    FindingsAnswer confirmFindings(QWidget*, const QString&, const std::vector<Finding>&) override {
        unexpected(QStringLiteral("listing check findings"));
        return {};
    }
    std::optional<QString> askText(QWidget*, const QString&, const QString& label, const QString&) override {
        unexpected(label);
        return std::nullopt;
    }
    std::optional<QString> askPassword(QWidget*, const QString&, const QString& label) override {
        unexpected(label);
        return std::nullopt;
    }
    int unexpectedCount = 0;

private:
    void unexpected(const QString& text) {
        ++unexpectedCount;
        std::fprintf(stderr, "unexpected message: %s\n", qUtf8Printable(text));
    }
};

// One window on a folder of kDesignCount designs, made once for all benchmarks.
struct Library {
    bench::TemporaryUser user;
    AppPaths paths = user.installationPaths();
    ReplacingMessages messages;
    QtDesktopServices desktop;
    std::unique_ptr<MainWindow> window;

    Library() {
        const std::string folder = paths.templateFolder();
        if (!CreateFolderIfMissing(folder)) {
            std::fprintf(stderr, "cannot make %s\n", folder.c_str());
        }
        for (int i = 0; i < kDesignCount; ++i) {
            const std::string name = "Design " + std::to_string(i);
            std::ofstream(folder + name + "-3") << "[STYLE]\r\nTitle=" << name << "\r\nTemplate=5\r\n";
            std::ofstream(folder + name + ".txt") << "<table>" << name << "</table>\r\n";
        }
        // No notice after a Save: a dialog is not part of what is measured.
        if (!WriteIniValue("Settings", "Saved", "1", paths.settingsFile())) {
            std::fprintf(stderr, "cannot write the settings\n");
        }
        window = std::make_unique<MainWindow>(paths, messages, desktop);
        window->start();
        auto* style = window->findChild<QComboBox*>(QStringLiteral("ImageCombo1"));
        style->setCurrentIndex(kStylePosition - 1);
        emit style->activated(kStylePosition - 1);
        window->findChild<QLineEdit*>(QStringLiteral("txtTitle3"))->setText(QStringLiteral("Design 2500"));
        for (int k = 1; k <= 3; ++k) {
            window->findChild<QLineEdit*>(QStringLiteral("txtPicAlt3%1").arg(k))
                ->setText(QStringLiteral("https://i.ebayimg.com/images/g/teapot-%1.jpg").arg(k));
            window->findChild<QPlainTextEdit*>(QStringLiteral("txtAlt3%1").arg(k))
                ->setPlainText(QStringLiteral("Hand painted bone china, paragraph %1.").arg(k));
        }
    }
};

Library& library() {
    static Library theLibrary;
    return theLibrary;
}

void FillListsFromFolder(benchmark::State& state) {
    Library& lib = library();
    for (auto _ : state) {
        lib.window->findChild<TemplatesPage*>()->fillLists();
    }
    state.SetLabel(std::to_string(kDesignCount) + " designs");
}
BENCHMARK(FillListsFromFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

void SaveReplacingADesign(benchmark::State& state) {
    Library& lib = library();
    for (auto _ : state) {
        lib.window->findChild<TemplatesPage*>()->save();
    }
    if (lib.messages.unexpectedCount > 0) {
        state.SkipWithError("a message box came up during Save");
    }
    state.SetLabel(std::to_string(kDesignCount) + " designs, files written to disk");
}
BENCHMARK(SaveReplacingADesign)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    return vellumo::bench::RunOffscreenBenchmarks(argc, argv);
}
