#include "StressPackage.h"
#include "preview/Rebuild.h"
#include "util/OrderedReplace.h"
#include "util/TextSearch.h"
#include "workspace/WorkspaceLoader.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <functional>

namespace {

using namespace quorlex;
namespace fs = std::filesystem;

TemplateWorkspace LoadWorkspace(const fs::path& folder) {
    Notices notices;
    TemplateWorkspace ws;
    LoadPackage(ws, folder, notices);
    return ws;
}

const fs::path& StressFolder() {
    static const bench::TempStressPackage package("quorlex-stress", bench::kRebuildStress);
    return package.path();
}

void BM_RebuildSample(benchmark::State& state) {
    const TemplateWorkspace ws = LoadWorkspace(fs::path(QUORLEX_SAMPLE_TEMPLATES) / "harbor");
    std::string page, scratch; // kept between rebuilds, as the session keeps them
    for (auto _ : state)
        BuildWorkingPage(ws, page, scratch);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ws.templatePage.size()));
}
BENCHMARK(BM_RebuildSample)->Unit(benchmark::kMicrosecond);

void BM_RebuildStress(benchmark::State& state) {
    const TemplateWorkspace ws = LoadWorkspace(StressFolder());
    std::string page, scratch;
    for (auto _ : state)
        BuildWorkingPage(ws, page, scratch);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ws.templatePage.size()));
    state.counters["page_kB"] = static_cast<double>(ws.templatePage.size()) / 1024;
    state.counters["variables"] =
        static_cast<double>(ws.tables.colors.size() + ws.tables.fonts.size() + ws.tables.images.size() +
                            ws.tables.layouts.size() + ws.tables.menus.size());
}
BENCHMARK(BM_RebuildStress)->Unit(benchmark::kMillisecond);

// A 1 MB page made of nothing but placeholders separated by single blanks, 500 variables.
struct DensePage {
    std::vector<std::string> patterns;
    std::vector<std::string> values;
    std::vector<Replacement> rows;
    std::string page;

    DensePage() {
        for (int i = 0; i < 500; ++i) {
            patterns.push_back("%%v" + std::to_string(i) + "%%");
            values.push_back("#" + std::to_string(100000 + i));
        }
        for (int i = 0; i < 500; ++i)
            rows.push_back({patterns[i], values[i]});
        for (int i = 0; page.size() < 1024 * 1024; ++i)
            page += patterns[static_cast<size_t>(i * 7919) % 500] + " ";
    }
};

void BM_RebuildDensePlaceholders(benchmark::State& state) {
    static const DensePage dense;
    std::string text, scratch;
    for (auto _ : state) {
        text = dense.page;
        ReplaceAllInOrder(text, dense.rows, scratch);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * dense.page.size()));
}
BENCHMARK(BM_RebuildDensePlaceholders)->Unit(benchmark::kMillisecond);

// The floor the ordered replacement must never fall below: one fast scan per row.
void BM_RebuildDensePlaceholdersRowByRow(benchmark::State& state) {
    static const DensePage dense;
    std::string text;
    for (auto _ : state) {
        text = dense.page;
        for (const Replacement& row : dense.rows)
            ReplaceAll(text, row.pattern, row.text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * dense.page.size()));
}
BENCHMARK(BM_RebuildDensePlaceholdersRowByRow)->Unit(benchmark::kMillisecond);

// The same 1 MB page and placeholder for every scan below.
const std::string& ScanText() {
    static const std::string text = LoadWorkspace(StressFolder()).templatePage.substr(0, 1024 * 1024);
    return text;
}
const std::string kNeedle = "%%image_17%%";

void RunScan(benchmark::State& state, const std::function<size_t(const std::string&)>& count) {
    const std::string& text = ScanText();
    size_t found = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(found = count(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["matches"] = static_cast<double>(found);
}

void BM_ScanCaseInsensitive(benchmark::State& state) {
    const CaseInsensitiveFinder finder(kNeedle);
    RunScan(state, [&](const std::string& text) {
        size_t n = 0;
        for (size_t at = finder.FindIn(text); at != std::string::npos; at = finder.FindIn(text, at + finder.size()))
            ++n;
        return n;
    });
}
BENCHMARK(BM_ScanCaseInsensitive)->Unit(benchmark::kMicrosecond);

void BM_ScanMemmem(benchmark::State& state) {
    RunScan(state, [](const std::string& text) {
        size_t n = 0;
        const char* at = text.data();
        const char* end = text.data() + text.size();
        while ((
            at = static_cast<const char*>(memmem(at, static_cast<size_t>(end - at), kNeedle.data(), kNeedle.size())))) {
            ++n;
            at += kNeedle.size();
        }
        return n;
    });
}
BENCHMARK(BM_ScanMemmem)->Unit(benchmark::kMicrosecond);

void BM_ScanStdSearch(benchmark::State& state) {
    RunScan(state, [](const std::string& text) {
        size_t n = 0;
        for (auto at = std::search(text.begin(), text.end(), kNeedle.begin(), kNeedle.end()); at != text.end();
             at = std::search(at + static_cast<long>(kNeedle.size()), text.end(), kNeedle.begin(), kNeedle.end()))
            ++n;
        return n;
    });
}
BENCHMARK(BM_ScanStdSearch)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
