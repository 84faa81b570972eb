#include "catalog/CatalogPage.h"

#include "app/Texts.h"
#include "support/Fakes.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct CatalogPageTest : ::testing::Test {
    void SetUp() override {
        app.Write("templates/templates.tps", "one\r\ntwo\r\n");
        app.Write("templates/one/settings.tps", "One\r\nA\r\nx\r\n");
        app.Write("templates/one/Screenshot.BMP", "BM");
        page.SetAppFolder(app.path());
        page.catalog().Reload_template_list(app.path());
    }
    TestFolder app;
    FakeBrowsers browsers;
    CatalogPage page{browsers};
};

} // namespace

TEST_F(CatalogPageTest, SelectingARowShowsItsFilesAndEnablesCustomize) {
    EXPECT_FALSE(page.customizeEnabled());
    page.ListView1SelectItem(0, true);
    EXPECT_EQ(page.TemplateRoot(), "templates\\one");
    EXPECT_EQ(page.templateId(), "one");
    EXPECT_EQ(page.templateTitle(), "One");
    EXPECT_TRUE(page.customizeEnabled());
    EXPECT_EQ(page.screenshotFile(), app.path() / "templates/one/Screenshot.BMP");
    EXPECT_EQ(browsers.Shown(BrowserId::CatalogInfo), (app.path() / "templates/one/readme.html").string());
}

TEST_F(CatalogPageTest, MovingTheSelectionDescribesTheNewRow) {
    page.ListView1SelectItem(0, true);
    page.ListView1SelectItem(0, false);
    page.ListView1SelectItem(1, true);
    page.ListView1Click(true);
    EXPECT_EQ(page.templateId(), "two");
    EXPECT_EQ(page.templateTitle(), "two");
    EXPECT_EQ(browsers.log.size(), 2u);
}

TEST_F(CatalogPageTest, ClickOnTheEmptyAreaClearsEverything) {
    page.ListView1SelectItem(1, true);
    page.ListView1SelectItem(1, false);
    page.ListView1Click(false);
    EXPECT_TRUE(page.TemplateRoot().empty());
    EXPECT_TRUE(page.templateTitle().empty());
    EXPECT_FALSE(page.customizeEnabled());
    EXPECT_FALSE(page.screenshotVisible());
    EXPECT_EQ(browsers.Shown(BrowserId::CatalogInfo), std::string("html:") + WelcomeHtml + "\r\n");
}
