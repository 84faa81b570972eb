#include "SilentUi.h"
#include "app/Session.h"
#include "menus/MenuDialogs.h"
#include "menus/MenusPage.h"
#include "ports/Browsers.h"
#include "ports/FilesystemPlatform.h"
#include "util/TextFile.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

using namespace quorlex;
namespace fs = std::filesystem;

// Confirms every question, so that the added item can be deleted again.
class YesUi : public bench::SilentUi {
public:
    Answer Confirm(const std::string&) override { return Answer::Yes; }
};

class NoBrowsers : public Browsers {
public:
    void ShowFile(BrowserId, const fs::path&) override {}
    void Navigate(BrowserId, const std::string&) override {}
    bool PatchStyles(BrowserId, const fs::path&, const StylePatch&) override { return true; }
    void ShowHtml(BrowserId, const std::string&) override {}
};

// Confirms the item dialog unchanged.
class OkDialogs : public MenuDialogs {
public:
    std::optional<MenuItemFields> EditItem(const MenuItemFields& fields) override { return fields; }
    std::optional<std::string> EditClassName(const std::string& text) override { return text; }
    std::optional<fs::path> AskOpenFile(const std::string&, const std::vector<std::string>&) override {
        return std::nullopt;
    }
};

// 200 top-level items with 9 sub-items each, under the root.
std::string LongMenu() {
    std::string text = "harbor_menu\r\n";
    for (int top = 0; top < 200; ++top) {
        text += "\tSection " + std::to_string(top) + "|section" + std::to_string(top) + ".html|\r\n";
        for (int sub = 0; sub < 9; ++sub)
            text += "\t\tPage " + std::to_string(sub) + "|page" + std::to_string(top) + "_" + std::to_string(sub) +
                    ".html|_self\r\n";
    }
    return text;
}

// One "add" under the root of a 2,000-item menu of the sample package, from the click to
// menu.lyo written and the page rebuilt; the browser is left out.
void BM_MenuAdd2000(benchmark::State& state) {
    const fs::path app = fs::temp_directory_path() / ("quorlex-menu-bench-" + std::to_string(getpid()));
    fs::create_directories(app);
    fs::copy(fs::path(QUORLEX_SAMPLE_TEMPLATES), app / "templates", fs::copy_options::recursive);
    WriteFileAtomic(app / "templates/harbor/menus/main/menu.lyo", LongMenu());
    {
        YesUi ui;
        FilesystemPlatform platform;
        NoBrowsers browsers;
        OkDialogs dialogs;
        Session session(ui, platform, browsers);
        session.FormCreate(app);
        session.catalogPage().ListView1SelectItem(0, true);
        session.catalogPage().ListView1Click(true);
        session.RecalculateTemplate();
        MenusPage& page = session.menusPage();
        page.SetDialogs(&dialogs);
        page.onMenuSelected(0);
        if (page.tree().empty() || page.tree()[0].children.size() != 200)
            state.SkipWithError("the sample package with the long menu did not load");
        for (auto _ : state) {
            page.SelectNode(NodePath{0});
            page.Add();
            state.PauseTiming();
            page.SelectNode(NodePath{0, 200});
            page.Delete();
            state.ResumeTiming();
        }
        state.counters["items"] = 2000;
        state.counters["menu_kB"] =
            static_cast<double>(fs::file_size(app / "templates/harbor/menus/main/menu.lyo")) / 1024;
    }
    fs::remove_all(app);
}
BENCHMARK(BM_MenuAdd2000)->Unit(benchmark::kMillisecond);

} // namespace
