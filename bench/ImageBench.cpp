#include "imagetools/ImageEditor.h"
#include "imagetools/JpegCodec.h"
#include "util/TextFile.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using namespace quorlex;
namespace fs = std::filesystem;

constexpr int kWidth = 4000;
constexpr int kHeight = 3000; // 12 megapixels

// A photo-like 12-megapixel JPEG: smooth shading with grain, at a camera's usual quality.
const fs::path& PhotoFile() {
    static const fs::path path = [] {
        RgbImage image(kWidth, kHeight);
        std::minstd_rand grain(7);
        for (int y = 0; y < kHeight; ++y) {
            std::uint8_t* p = image.row(y);
            for (int x = 0; x < kWidth; ++x, p += 3) {
                const int noise = static_cast<int>(grain() % 17) - 8;
                p[0] = static_cast<std::uint8_t>(std::clamp(x * 255 / kWidth + noise, 0, 255));
                p[1] = static_cast<std::uint8_t>(std::clamp(y * 255 / kHeight + noise, 0, 255));
                p[2] = static_cast<std::uint8_t>(std::clamp(128 + (x ^ y) % 64 + noise, 0, 255));
            }
        }
        const fs::path file = fs::temp_directory_path() / "quorlex-bench-12mp.jpg";
        WriteFileAtomic(file, EncodeJpeg(image, 90));
        return file;
    }();
    return path;
}

ImageEditor& LoadedEditor() {
    static ImageEditor editor;
    static const bool loaded = [] {
        editor.Load(PhotoFile());
        return true;
    }();
    (void)loaded;
    return editor;
}

void EditorOperation(benchmark::State& state, void (ImageEditor::*operation)()) {
    ImageEditor& editor = LoadedEditor();
    editor.SetChannel(Channel::Red, false);
    editor.SetBrightness(40);
    for (auto _ : state)
        (editor.*operation)();
    editor.SetChannel(Channel::Red, true);
    editor.SetBrightness(0);
}

void BM_FlipHorizontal(benchmark::State& state) { EditorOperation(state, &ImageEditor::FlipHorizontal); }
void BM_FlipVertical(benchmark::State& state) { EditorOperation(state, &ImageEditor::FlipVertical); }
void BM_InvertColors(benchmark::State& state) { EditorOperation(state, &ImageEditor::InvertColors); }
void BM_Grayscale(benchmark::State& state) { EditorOperation(state, &ImageEditor::Grayscale); }
BENCHMARK(BM_FlipHorizontal)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_FlipVertical)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_InvertColors)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_Grayscale)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// What a drag of the brightness slider costs per step, with one channel switched off.
void BM_BrightnessStep(benchmark::State& state) {
    ImageEditor& editor = LoadedEditor();
    editor.SetChannel(Channel::Red, false);
    int brightness = -200;
    for (auto _ : state) {
        editor.SetBrightness(brightness);
        brightness = brightness >= 200 ? -200 : brightness + 7;
    }
    editor.SetChannel(Channel::Red, true);
    editor.SetBrightness(0);
}
BENCHMARK(BM_BrightnessStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// libjpeg-turbo's own decoder on the same file, writing its output nowhere.
double DjpegSeconds() {
    const std::string file = PhotoFile().string();
    const char* argv[] = {"djpeg", "-outfile", "/dev/null", file.c_str(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "djpeg", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_DjpegDecode(benchmark::State& state) {
    for (auto _ : state) {
        const double seconds = DjpegSeconds();
        if (seconds < 0) {
            state.SkipWithError("djpeg is not installed (package libjpeg-turbo-progs)");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_DjpegDecode)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5)->ReportAggregatesOnly();

// As "Revert Changes" decodes: into the memory of the previous decode.
void BM_DecodeJpeg(benchmark::State& state) {
    RgbImage image;
    for (auto _ : state) {
        DecodeJpegInto(ReadFileBytes(PhotoFile()), image);
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The first opening: the picture's memory is new.
void BM_DecodeJpegFresh(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeJpeg(ReadFileBytes(PhotoFile())));
}
BENCHMARK(BM_DecodeJpegFresh)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace
