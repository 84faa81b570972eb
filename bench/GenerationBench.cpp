#include "StressPackage.h"
#include "output/Generation.h"
#include "workspace/WorkspaceLoader.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using namespace quorlex;
namespace fs = std::filesystem;

double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Copies the output folder the plain way, as `cp -r` does, into a fresh folder; removing the
// copy of the last round is not timed.
double PlainCopyMilliseconds(const fs::path& from, const fs::path& to) {
    fs::remove_all(to);
    const auto start = std::chrono::steady_clock::now();
    fs::copy(from, to, fs::copy_options::recursive);
    return Milliseconds(std::chrono::steady_clock::now() - start);
}

size_t FolderBytes(const fs::path& folder) {
    size_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            bytes += entry.file_size();
    return bytes;
}

// Generation of a stress site; the plain copy of its output runs as often, right before it in
// the same round, so the ratio (`copy_ratio`) compares like with like: on ext4 whichever of the
// two follows the other's large deletion pays for it, so the order is kept fixed.
void Generate(benchmark::State& state, const bench::TempStressPackage& package) {
    Notices notices;
    TemplateWorkspace ws;
    LoadPackage(ws, package.path(), notices);
    GenerationResult result;
    SiteGenerator generator;
    generator.Generate(ws, {}, result);
    double copyMs = 0;
    double generateMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The old site's deletion runs after the new site is in place, while the user goes on.
        generator.WaitForCleanup();
        copyMs += PlainCopyMilliseconds(OutputFolder(ws), package.path() / "plain-copy");
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        generator.Generate(ws, {}, result);
        generateMs += Milliseconds(std::chrono::steady_clock::now() - start);
    }
    copyMs /= static_cast<double>(state.iterations());
    generateMs /= static_cast<double>(state.iterations());
    state.counters["files"] = static_cast<double>(result.files.size());
    state.counters["output_MB"] = static_cast<double>(FolderBytes(OutputFolder(ws))) / (1024 * 1024);
    state.counters["plain_copy_ms"] = copyMs;
    state.counters["generate_ms"] = generateMs;
    state.counters["copy_ratio"] = copyMs > 0 ? generateMs / copyMs : 0;
}

void BM_GenerateStress(benchmark::State& state) {
    static const bench::TempStressPackage package("quorlex-generation", bench::kGenerationStress);
    Generate(state, package);
}
BENCHMARK(BM_GenerateStress)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GenerateTenThousandImages(benchmark::State& state) {
    static const bench::TempStressPackage package("quorlex-many-images", bench::kManyImagesStress);
    Generate(state, package);
}
BENCHMARK(BM_GenerateTenThousandImages)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
