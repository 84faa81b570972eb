#include "catalog/TemplateCatalog.h"
#include "util/TextFile.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

using namespace quorlex;
namespace fs = std::filesystem;

// A program folder whose 8,000 catalog entries all differ in letter case from their folders,
// so every settings.tps is found by the case-insensitive match.
struct CaseMismatchedCatalog {
    fs::path app = fs::temp_directory_path() / ("quorlex-catalog-bench-" + std::to_string(getpid()));

    CaseMismatchedCatalog() {
        std::string index;
        for (int i = 0; i < 8000; ++i) {
            const std::string folder = "Template" + std::to_string(i);
            fs::create_directories(app / "templates" / folder);
            WriteFileAtomic(app / "templates" / folder / "settings.tps", "Title\r\nAuthor\r\n1\r\n");
            index += "TEMPLATE" + std::to_string(i) + "\r\n";
        }
        WriteFileAtomic(app / "templates/templates.tps", index);
    }
    ~CaseMismatchedCatalog() {
        std::error_code ec;
        fs::remove_all(app, ec);
    }
};

void BM_CatalogOfCaseMismatchedEntries(benchmark::State& state) {
    static const CaseMismatchedCatalog catalog;
    TemplateCatalog loaded;
    for (auto _ : state)
        loaded.Reload_template_list(catalog.app);
    state.counters["entries"] = static_cast<double>(loaded.entries().size());
}
BENCHMARK(BM_CatalogOfCaseMismatchedEntries)->Unit(benchmark::kMillisecond);

} // namespace
