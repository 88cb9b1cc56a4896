// Preview refresh: from a colour pick with the Preview tab open and a style chosen to the browser's
// loadFinished. "bare" is the floor any preview pays: a plain QWebEngineView given the same listing's
// bytes. "vellumo" drives the real main window, which builds the listing and shows its bytes from the
// program's listing origin. Prints one "refresh_ms <ms>" per
// sample and "peak_kb <VmHWM>" at the end.

#include "window_bench.h"

#include "generator/assembly.h"
#include "generator/colour_palette.h"
#include "window/desktop_services.h"
#include "window/listing_scheme.h"
#include "window/main_window.h"
#include "window/program_look.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The largest layout, so the page is the heaviest a seller previews.
constexpr int kStylePosition = 9;
// Two palette entries the picks alternate between, so every sample really changes the page.
constexpr std::array<int, 2> kPickedColours = {0, 1};
constexpr int kWarmUpSamples = 2;
constexpr int kDefaultSamples = 20;
constexpr int kLoadTimeoutMs = 30000;

// Waits for the view's next loadFinished; armed before the load starts so a fast load is not missed.
class LoadWatch : public QObject {
public:
    explicit LoadWatch(QWebEngineView* view) {
        connect(view, &QWebEngineView::loadFinished, this, [this](bool ok) {
            m_finished = true;
            m_ok = ok;
            m_loop.quit();
        });
    }

    bool wait() {
        if (!m_finished) {
            QTimer::singleShot(kLoadTimeoutMs, &m_loop, &QEventLoop::quit);
            m_loop.exec();
        }
        return m_finished && m_ok;
    }

private:
    QEventLoop m_loop;
    bool m_finished = false;
    bool m_ok = false;
};

// Runs trigger and times it to the view's loadFinished; negative when the load failed or never ended.
double TimeLoad(QWebEngineView* view, const std::function<void()>& trigger) {
    LoadWatch watch(view);
    QElapsedTimer timer;
    timer.start();
    trigger();
    return watch.wait() ? vellumo::bench::ElapsedMs(timer) : -1.0;
}

// The listing the window shows for the measured style with every field empty and the border colour set.
QByteArray ListingPage(std::string_view borderColour) {
    vellumo::ListingFields fields;
    fields.style = kStylePosition;
    fields.borderColour = std::string(borderColour);
    return QByteArray::fromStdString(vellumo::BuildListing(fields));
}

int MeasureBare(int samples) {
    QWebEngineView view;
    view.resize(vellumo::bench::kWindowWidth, vellumo::bench::kWindowHeight);
    view.show();
    if (TimeLoad(&view, [&] { view.load(QUrl("about:blank")); }) < 0) {
        std::fprintf(stderr, "the browser did not come up\n");
        return 1;
    }
    std::array<QByteArray, kPickedColours.size()> pages;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pages[i] = ListingPage(vellumo::ColourPalette()[kPickedColours[i]].htmlValue);
    }
    for (int sample = -kWarmUpSamples; sample < samples; ++sample) {
        const QByteArray& page = pages[static_cast<std::size_t>(sample + kWarmUpSamples) % pages.size()];
        const double ms =
            TimeLoad(&view, [&] { view.setContent(page, QStringLiteral("text/html;charset=UTF-8")); });
        if (ms < 0) {
            std::fprintf(stderr, "the page did not load\n");
            return 1;
        }
        if (sample >= 0) {
            std::printf("refresh_ms %.2f\n", ms);
        }
    }
    return 0;
}

// Picks an entry of one of the window's pickers as the seller does, so the window's pick handler runs.
bool PickEntry(vellumo::MainWindow& window, const char* pickerName, int index) {
    auto* picker = window.findChild<QComboBox*>(QLatin1String(pickerName));
    if (picker == nullptr || index >= picker->count()) {
        std::fprintf(stderr, "no entry %d in the picker %s\n", index, pickerName);
        return false;
    }
    picker->setCurrentIndex(index);
    emit picker->activated(index);
    return true;
}

int MeasureVellumo(int samples, const vellumo::AppPaths& paths) {
    vellumo::UseProgramLook();
    vellumo::bench::UnexpectedMessages messages;
    vellumo::QtDesktopServices desktop;
    vellumo::MainWindow window(paths, messages, desktop);
    window.start();
    // Asking for the browser now instead of after the first paint leaves its blank page as the one load
    // in flight, so the wait below cannot miss it.
    QWebEngineView* browser = window.browser();
    if (TimeLoad(browser, [] {}) < 0) {
        std::fprintf(stderr, "the browser did not come up\n");
        return 1;
    }
    if (!PickEntry(window, "ImageCombo1", kStylePosition - 1)) {
        return 1;
    }
    const auto showsListing = [browser] {
        return browser->url().scheme() == QLatin1String(vellumo::kListingScheme);
    };
    if (TimeLoad(browser, [&] { window.selectTab(vellumo::MainWindow::PreviewTab); }) < 0 ||
        !showsListing()) {
        std::fprintf(stderr, "the Preview tab did not show the listing\n");
        return 1;
    }
    for (int sample = -kWarmUpSamples; sample < samples; ++sample) {
        const int colour =
            kPickedColours[static_cast<std::size_t>(sample + kWarmUpSamples) % kPickedColours.size()];
        bool picked = false;
        const double ms = TimeLoad(browser, [&] { picked = PickEntry(window, "ImageCombo", colour); });
        if (!picked || ms < 0 || !showsListing()) {
            std::fprintf(stderr, "the colour pick did not reload the preview\n");
            return 1;
        }
        if (sample >= 0) {
            std::printf("refresh_ms %.2f\n", ms);
        }
    }
    return messages.count() == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    const int samples = argc > 2 ? std::atoi(argv[2]) : kDefaultSamples;
    if ((mode != "bare" && mode != "vellumo") || samples <= 0) {
        std::fprintf(stderr, "usage: preview_refresh bare|vellumo [samples]\n");
        return 2;
    }
    const vellumo::bench::TemporaryUser user;
    if (!user.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }

    std::optional<vellumo::AppPaths> paths;
    if (mode == "vellumo") {
        QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
        paths = user.installationPaths();
    }
    vellumo::PrepareWebEngine();
    QApplication app(argc, argv);
    const int status = paths ? MeasureVellumo(samples, *paths) : MeasureBare(samples);
    if (status == 0) {
        std::printf("peak_kb %ld\n", vellumo::bench::PeakMemoryKb());
    }
    return status;
}
