#include "SilentUi.h"
#include "StressPackage.h"
#include "app/Session.h"
#include "output/Generation.h"
#include "pages/PageRegions.h"
#include "ports/FilesystemPlatform.h"
#include "ports/NullBrowsers.h"
#include "util/TextFile.h"
#include "workspace/WorkspaceLoader.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <unistd.h>

namespace {

using namespace quorlex;
namespace fs = std::filesystem;

constexpr size_t kPages = 50;

double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// About 5 kB of Markdown: headings, paragraphs with emphasis and links, a list and a table.
std::string FiveKilobytesOfMarkdown(size_t page) {
    std::string text = "# Page " + std::to_string(page) + "\n\n";
    for (int part = 0; text.size() < 5 * 1024; ++part) {
        text += "## Part " + std::to_string(part) + "\n\nSome *plain* text with a [link](page" + std::to_string(part) +
                ".html) and **strong** words, as a page of a small site has it.\n\n- one\n- two\n\n"
                "| Day | Hours |\n|---|---|\n| Mon | 8-18 |\n\n";
    }
    return text;
}

// The generation stress package with an editable region around its first block.
struct PagesStress {
    PagesStress() {
        const fs::path page = package.path() / "index.html";
        std::string text = ReadFileBytes(page);
        const size_t body = text.find("<body>\r\n") + 8;
        text.insert(body, "<!--BEGIN_EDITABLE-->");
        text.insert(text.find("</div>\r\n", body) + 8, "<!--END_EDITABLE-->");
        WriteFileAtomic(page, text);
        Notices notices;
        LoadPackage(ws, package.path(), notices);
    }
    bench::TempStressPackage package{"quorlex-pages", bench::kGenerationStress};
    TemplateWorkspace ws;
};

SitePages FiftyPages() {
    SitePages site;
    site.pages.push_back({"index.html", std::nullopt, {{false, ""}}});
    for (size_t i = 1; i <= kPages; ++i)
        site.pages.push_back({"page" + std::to_string(i) + ".html", std::nullopt, {{true, FiveKilobytesOfMarkdown(i)}}});
    return site;
}

double GenerateMilliseconds(const TemplateWorkspace& ws, SiteGenerator& generator, GenerationResult& result) {
    generator.WaitForCleanup();
    const auto start = std::chrono::steady_clock::now();
    generator.Generate(ws, {}, result);
    return Milliseconds(std::chrono::steady_clock::now() - start);
}

// Writing `count` files of the page's size, as the pages' own share of the work.
double PageWritesMilliseconds(const fs::path& folder, const std::string& page, size_t count) {
    fs::create_directories(folder);
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < count; ++i)
        WriteFileAtomic(folder / ("page" + std::to_string(i) + ".html"), page, Durability::Remade);
    const double ms = Milliseconds(std::chrono::steady_clock::now() - start);
    fs::remove_all(folder);
    return ms;
}

// A site of 50 pages against the one-page site plus 50 plain writes of a page: the budget is
// 1.5 times the one-page generation plus those writes (`budget_ratio` at most 1).
void BM_GenerateFiftyPages(benchmark::State& state) {
    static const PagesStress stress;
    TemplateWorkspace pages = stress.ws;
    pages.site = FiftyPages();
    SiteGenerator generator;
    GenerationResult result;
    generator.Generate(stress.ws, {}, result);
    double onePage = 0;
    double fifty = 0;
    double writes = 0;
    for (auto _ : state) {
        onePage += GenerateMilliseconds(stress.ws, generator, result);
        writes += PageWritesMilliseconds(stress.package.path() / "plain-writes", result.htmlCode, kPages);
        fifty += GenerateMilliseconds(pages, generator, result);
    }
    const auto rounds = static_cast<double>(state.iterations());
    state.counters["files"] = static_cast<double>(result.files.size());
    state.counters["one_page_ms"] = onePage / rounds;
    state.counters["page_writes_ms"] = writes / rounds;
    state.counters["fifty_pages_ms"] = fifty / rounds;
    state.counters["budget_ratio"] = fifty / (1.5 * onePage + writes);
}
BENCHMARK(BM_GenerateFiftyPages)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// What follows a pause in typing on the first sample: the step, the pages file and the
// preview's rebuild.
void BM_PageRebuildAfterTyping(benchmark::State& state) {
    const fs::path app = fs::temp_directory_path() / ("quorlex-page-typing-" + std::to_string(getpid()));
    fs::remove_all(app);
    fs::create_directories(app);
    fs::copy(QUORLEX_SAMPLE_TEMPLATES, app / "templates", fs::copy_options::recursive);
    bench::SilentUi ui;
    FilesystemPlatform platform;
    NullBrowsers browsers;
    Session session(ui, platform, browsers);
    session.FormCreate(app);
    session.catalogPage().ListView1SelectItem(0, true);
    session.RecalculateTemplate();
    session.pagesPage().Add("about");
    std::string text = FiveKilobytesOfMarkdown(1);
    size_t round = 0;
    for (auto _ : state) {
        text += " typed" + std::to_string(++round);
        session.pagesPage().SetRegionText(0, text);
    }
    fs::remove_all(app);
}
BENCHMARK(BM_PageRebuildAfterTyping)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
