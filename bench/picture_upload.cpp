// A phone photo on its way to the seller's web space: preparing a 24-megapixel JPEG beside ImageMagick's
// convert on the same file, its upload to a WebDAV server on 127.0.0.1 (rclone), and how long the
// window's thread is kept from its events while the window prepares and uploads it.

#include "offscreen_benchmarks.h"
#include "window_bench.h"

#include "photo/photo_preparation.h"
#include "platform/picture_upload.h"
#include "test_servers.h"
#include "window/desktop_services.h"
#include "window/picture_hosting.h"
#include "window/upload_texts.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace vellumo;

const QString kPhoto = QStringLiteral(VELLUMO_TEST_PHOTOS "/24-megapixels.jpg");
constexpr int kTickMs = 5;

void PrepareTwentyFourMegapixels(benchmark::State& state) {
    const long before = bench::PeakMemoryKb();
    for (auto _ : state) {
        const PreparedPhoto photo = PreparePhoto(kPhoto);
        if (!photo) {
            state.SkipWithError(PhotoProblemText(*photo.problem, kPhoto).toStdString().c_str());
            return;
        }
        benchmark::DoNotOptimize(photo.jpeg.data());
    }
    state.counters["peak MiB more"] = static_cast<double>(bench::PeakMemoryKb() - before) / 1024.0;
}
BENCHMARK(PrepareTwentyFourMegapixels)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The same work by ImageMagick, started as a seller would start it (the process start counts, a little).
void ImageMagickConvert(benchmark::State& state) {
    const QTemporaryDir folder;
    const std::string command = "convert '" + kPhoto.toStdString() +
                                "' -auto-orient -resize '1600x1600>' -strip -quality 90 '" +
                                folder.filePath(QStringLiteral("out.jpg")).toStdString() + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("ImageMagick's convert did not run (scripts/bench-pictures installs it)");
            return;
        }
    }
}
BENCHMARK(ImageMagickConvert)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

struct LoopbackSpace {
    QTemporaryDir root;
    testing::WebSpace space{HostingProtocol::WebDav, root.filePath(QStringLiteral("space")).toStdString()};
    bool started = space.start();
};

void UploadToLoopbackWebDav(benchmark::State& state) {
    LoopbackSpace loopback;
    const PreparedPhoto photo = PreparePhoto(kPhoto);
    if (!loopback.started || !photo) {
        state.SkipWithError("no WebDAV server or no photo");
        return;
    }
    const std::string_view bytes(photo.jpeg.constData(), static_cast<std::size_t>(photo.jpeg.size()));
    for (auto _ : state) {
        const UploadResult result =
            UploadPicture(loopback.space.account(), loopback.space.connection(), bytes, {});
        if (!result) {
            state.SkipWithError(UploadProblemText(*result.problem).toStdString().c_str());
            return;
        }
    }
    state.counters["photo KiB"] = static_cast<double>(bytes.size()) / 1024.0;
}
BENCHMARK(UploadToLoopbackWebDav)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// The keyring's answer is the account's password; nothing else of the desktop is asked.
class PasswordDesktop final : public DesktopServices {
public:
    explicit PasswordDesktop(QString password)
        : m_password(std::move(password)) {}
    void openUrl(const QUrl&) override {}
    Outcome openTextFile(const std::string&) override { return std::errc::operation_not_supported; }
    void setClipboardText(const QString&) override {}
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
    QStringList choosePhotos(QWidget*, const QString&, const QStringList&) override { return {}; }
    void readSecret(const QString&, SecretRead done) override { done(m_password); }
    void writeSecret(const QString&, const QString&, SecretWritten done) override { done(true); }

private:
    QString m_password;
};

// A timer asks to run every 5 ms while the window prepares and uploads the photo; the longest gap
// between two of its runs is the longest the window's thread was kept from its events.
void WindowThreadDuringUpload(benchmark::State& state) {
    LoopbackSpace loopback;
    if (!loopback.started) {
        state.SkipWithError("no WebDAV server");
        return;
    }
    QTemporaryDir data;
    AppPaths paths;
    paths.appFolder = data.path().toStdString();
    const UploadAccount account = loopback.space.account();
    if (!SaveHostingSettings(paths, account.settings)) {
        state.SkipWithError("settings not written");
        return;
    }
    bench::UnexpectedMessages messages;
    PasswordDesktop desktop(QString::fromStdString(account.password));
    PictureHosting hosting(paths, messages, desktop, nullptr);
    hosting.setConnection(loopback.space.connection());
    double longestGapMs = 0;
    for (auto _ : state) {
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setInterval(kTickMs);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestGapMs = std::max(longestGapMs, bench::ElapsedMs(sinceTick));
            sinceTick.restart();
        });
        bool done = false;
        PhotoUpload* upload = hosting.upload(nullptr, kPhoto);
        QObject::connect(upload, &PhotoUpload::finished, [&](const QString& address) {
            done = true;
            if (address.isEmpty()) {
                state.SkipWithError("the upload failed");
            }
        });
        sinceTick.start();
        ticker.start();
        while (!done) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, kTickMs);
        }
    }
    state.counters["longest block ms"] = longestGapMs;
    state.counters["unexpected messages"] = messages.count();
}
BENCHMARK(WindowThreadDuringUpload)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char* argv[]) {
    return vellumo::bench::RunOffscreenBenchmarks(argc, argv);
}
