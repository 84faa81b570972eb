#include "preview/LivePreview.h"
#include "preview/Rebuild.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "workspace/WorkspaceLoader.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// The small package with a bar color whose four derived placeholders stand in the stylesheet
// and one of them in the page's own markup.
struct DerivedColorsTest : ::testing::Test {
    void SetUp() override {
        WriteSmallPackage(app);
        Write("css/main.css", "nav { background: %%bar%%; border-color: %%bar%%_dark; }\n"
                              "nav a:hover { background: %%BAR%%_light; }\n"
                              "nav ul { background: rgba(%%bar%%_rgb, 0.9); box-shadow: 0 0 4px %%bar%%_a; }\n"
                              "body { color: %%c_text%%; %%f_body%% }\n");
        WriteColors("<transparent></transparent>");
    }
    void WriteColors(const std::string& transparent) {
        Write("colors.xml", TableXml({"<title>Text</title><var>%%c_text%%</var><default>#112233</default>",
                                      "<title>Bar</title><var>%%bar%%</var><default>#FF0000</default>"
                                      "<rgb>%%bar%%_rgb</rgb><darker>%%bar%%_dark</darker><darker-by>20</darker-by>"
                                      "<lighter>%%bar%%_light</lighter><lighter-by>20</lighter-by>"
                                      "<alpha>%%bar%%_a</alpha><alpha-value>25%</alpha-value>" +
                                          transparent}));
        Notices notices;
        LoadPackage(ws, app.path() / "templates/pkg", notices);
    }
    void Write(const std::string& relative, const std::string& bytes) { app.Write("templates/pkg/" + relative, bytes); }
    ColorVariable& Bar() { return ws.tables.colors[1]; }
    static bool Has(const std::string& page, const std::string& part) { return page.find(part) != std::string::npos; }

    TestFolder app;
    TemplateWorkspace ws;
};

} // namespace

TEST_F(DerivedColorsTest, EachDerivedPlaceholderFollowsTheValueEverywhere) {
    std::string page = BuildWorkingPage(ws);
    EXPECT_TRUE(Has(page, "nav { background: #FF0000; border-color: #990000; }"));
    EXPECT_TRUE(Has(page, "nav a:hover { background: #FF6666; }")) << "letter case of the own part does not count";
    EXPECT_TRUE(Has(page, "nav ul { background: rgba(255, 0, 0, 0.9); box-shadow: 0 0 4px rgba(255, 0, 0, 0.25); }"));
    EXPECT_FALSE(Has(page, "%%bar"));

    Bar().value = "#6B3A1E";
    page = BuildWorkingPage(ws);
    EXPECT_TRUE(Has(page, "border-color: #1B0F08;"));
    EXPECT_TRUE(Has(page, "background: #BB6534;"));
    EXPECT_TRUE(Has(page, "rgba(107, 58, 30, 0.9)"));

    // Amounts the row does not state, or states out of range, are 10 points and half opacity.
    Bar().shades.darkerBy = "";
    Bar().shades.lighterBy = "120";
    Bar().shades.alphaValue = "much";
    page = BuildWorkingPage(ws);
    EXPECT_TRUE(Has(page, "border-color: #432413;"));
    EXPECT_TRUE(Has(page, "background: #935029;"));
    EXPECT_TRUE(Has(page, "0 0 4px rgba(107, 58, 30, 0.5)"));
}

TEST_F(DerivedColorsTest, WhileTheValueIsNoColorTheRowsDeclarationDecides) {
    // Nothing declared: the shades of the value the row was loaded with.
    Bar().value = "transparent";
    std::string page = BuildWorkingPage(ws);
    EXPECT_TRUE(Has(page, "nav { background: transparent; border-color: #990000; }"));
    EXPECT_TRUE(Has(page, "rgba(255, 0, 0, 0.9)"));

    // A declared color: its shades.
    WriteColors("<transparent>#808080</transparent>");
    Bar().value = "transparent";
    page = BuildWorkingPage(ws);
    EXPECT_TRUE(Has(page, "border-color: #4D4D4D;"));
    EXPECT_TRUE(Has(page, "rgba(128, 128, 128, 0.9)"));

    // Declared text that is no color stands in every derived placeholder.
    WriteColors("<transparent>transparent</transparent>");
    Bar().value = "TRANSPARENT";
    page = BuildWorkingPage(ws);
    EXPECT_TRUE(Has(page, "nav { background: TRANSPARENT; border-color: transparent; }"));
    EXPECT_TRUE(Has(page, "0 0 4px transparent;"));

    // A value and a default that are both no color give the value itself.
    WriteColors("");
    Bar().shades.loadedValue = "inherit";
    Bar().value = "navy";
    page = BuildWorkingPage(ws);
    EXPECT_TRUE(Has(page, "border-color: navy;"));
}

TEST_F(DerivedColorsTest, AColorChangePatchesTheDerivedPlaceholdersWithoutALoad) {
    FakeBrowsers browsers;
    LivePreview preview{browsers};
    preview.Write(ws);
    preview.Show(ws);
    Bar().value = "#000080";
    preview.Update(ws);
    const std::string shown = browsers.Shown(BrowserId::LivePreview);
    EXPECT_EQ(shown.rfind("styles:0=", 0), 0u) << shown;
    for (const char* derived : {"#000080;", "#00001A;", "#0000E6;", "rgba(0, 0, 128, 0.9)", "rgba(0, 0, 128, 0.25)"})
        EXPECT_TRUE(Has(shown, derived)) << derived;

    // In the page's own markup a derived placeholder makes the change a load, as its row's does.
    Write("index.html", "<html><head>\n%%STYLE%%\n</head><body style=\"color:%%bar%%_dark\"></body></html>\n");
    WriteColors("");
    preview.Update(ws, ViewUpdate::Reload);
    Bar().value = "#008000";
    preview.Update(ws);
    EXPECT_EQ(browsers.Shown(BrowserId::LivePreview), PreviewFile(ws).string());
    EXPECT_TRUE(Has(ws.workingPage, "<body style=\"color:#001A00\">"));
}
