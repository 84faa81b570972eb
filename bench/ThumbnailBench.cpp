#include "ThumbnailView.h"
#include "imagetools/JpegCodec.h"
#include "util/TextFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

namespace {

using namespace quorlex;
namespace fs = std::filesystem;

constexpr int kFiles = 200;

// 200 photo-like JPEGs of 2 to 5 megapixels, made once and kept in the temp folder.
QStringList PhotoFolder() {
    const fs::path folder = fs::temp_directory_path() / "quorlex-bench-thumbnails";
    fs::create_directories(folder);
    QStringList paths;
    std::minstd_rand random(11);
    for (int i = 0; i < kFiles; ++i) {
        const fs::path file = folder / ("photo_" + std::to_string(i) + ".jpg");
        paths << QString::fromStdString(file.string());
        const int width = 1600 + static_cast<int>(random() % 1000);
        const int height = width * 3 / 4;
        if (fs::exists(file))
            continue;
        RgbImage image(width, height);
        for (int y = 0; y < height; ++y) {
            std::uint8_t* p = image.row(y);
            for (int x = 0; x < width; ++x, p += 3) {
                const int noise = static_cast<int>(random() % 9);
                p[0] = static_cast<std::uint8_t>((x * 255 / width + i) % 256);
                p[1] = static_cast<std::uint8_t>((y * 255 / height + noise) % 256);
                p[2] = static_cast<std::uint8_t>(((x ^ y) & 63) + 100 + noise);
            }
        }
        WriteFileAtomic(file, EncodeJpeg(image, 90));
    }
    return paths;
}

// Opens the browser's view on the folder and waits for every thumbnail, while a 10 ms timer
// measures how long the event loop is ever kept from answering.
void BM_ThumbnailBrowser(benchmark::State& state) {
    const QStringList paths = PhotoFolder();
    for (auto _ : state) {
        ThumbnailView view;
        view.resize(860, 600);
        QElapsedTimer clock;
        double first = -1;
        double all = -1;
        qint64 lastTick = 0;
        qint64 longestGap = 0;
        QTimer ticker;
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            longestGap = std::max(longestGap, now - lastTick);
            lastTick = now;
        });
        QObject::connect(&view, &ThumbnailView::thumbnailReady, [&] {
            if (first < 0)
                first = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        });
        QEventLoop loop;
        QObject::connect(&view, &ThumbnailView::allLoaded, [&] {
            all = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            loop.quit();
        });
        clock.start();
        ticker.start();
        view.SetFiles(paths, {400, 100}, std::nullopt);
        view.show();
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
        state.SetIterationTime(all / 1000);
        state.counters["first_ms"] = first;
        state.counters["all_ms"] = all;
        state.counters["longest_gap_ms"] = static_cast<double>(longestGap);
    }
}
BENCHMARK(BM_ThumbnailBrowser)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
