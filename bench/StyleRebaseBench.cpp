#include "preview/Rebuild.h"
#include "util/TextFile.h"
#include "workspace/WorkspaceLoader.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

using namespace quorlex;
namespace fs = std::filesystem;

// A framework-sized stylesheet: 240 kB of rules, every third one with a relative url(), and
// colors from the table. Kept in css/ (rebased for the preview) or beside the page (nothing
// to rebase), otherwise the same package.
class SheetPackage {
public:
    explicit SheetPackage(bool inFolder)
        : m_root(fs::temp_directory_path() /
                 ("quorlex-rebase-" + std::to_string(::getpid()) + (inFolder ? "-css" : ""))) {
        const std::string folder = inFolder ? "css/" : "";
        const std::string up = inFolder ? "../" : "";
        std::string css;
        for (int i = 0; css.size() < 240 * 1024; ++i) {
            css += ".block-" + std::to_string(i) + " { color: %%c_text%%; margin: 0 auto; padding: 4px 8px; }\n";
            if (i % 3 == 0)
                css += ".icon-" + std::to_string(i) + " { background: url(\"" + up + "images/i" + std::to_string(i) +
                       ".svg\") no-repeat; }\n";
        }
        Write(folder + "main.css", css);
        Write("index.html", "<html><head>\n%%style%%\n</head><body><p>x</p></body></html>\n");
        Write("style_files.xml", "<?xml version=\"1.0\"?><r><l><item><title>Main</title><filename>main.css</filename>"
                                 "<folder>" +
                                     folder +
                                     "</folder><var>%%style%%</var><description>d</description>"
                                     "<media>screen</media></item></l></r>");
        Write("colors.xml", "<?xml version=\"1.0\"?><r><l><item><title>Text</title><var>%%c_text%%</var>"
                            "<default>#112233</default></item></l></r>");
    }
    ~SheetPackage() {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
    SheetPackage(const SheetPackage&) = delete;
    SheetPackage& operator=(const SheetPackage&) = delete;

    TemplateWorkspace Load() const {
        Notices notices;
        TemplateWorkspace ws;
        LoadPackage(ws, m_root, notices);
        return ws;
    }

private:
    void Write(const std::string& relative, const std::string& text) const {
        fs::create_directories((m_root / relative).parent_path());
        WriteFileAtomic(m_root / relative, text, Durability::Remade);
    }

    fs::path m_root;
};

// Arg 1: the stylesheet in css/, rebased; arg 0: beside the page, rebasing off.
void BM_RebuildWithRebasedSheet(benchmark::State& state) {
    const SheetPackage package(state.range(0) == 1);
    const TemplateWorkspace ws = package.Load();
    std::string page, scratch;
    for (auto _ : state)
        BuildWorkingPage(ws, page, scratch);
    state.counters["page_kB"] = static_cast<double>(ws.templatePage.size()) / 1024;
}
BENCHMARK(BM_RebuildWithRebasedSheet)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The package load, which reads the stylesheet and rebases it once.
void BM_LoadWithRebasedSheet(benchmark::State& state) {
    const SheetPackage package(state.range(0) == 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(package.Load());
}
BENCHMARK(BM_LoadWithRebasedSheet)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
