// Packages come from anywhere: links, odd preset files and broken tables must not reach the
// user's other files or lose what is loaded.
#include "customize/CustomizeFixture.h"
#include "pagebase/PresetNaming.h"

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct UntrustedPackageTest : CustomizeFixture {
    void Load() {
        session.FormCreate(app.path());
        session.catalogPage().ListView1SelectItem(0, true);
        session.RecalculateTemplate();
    }
    PresetStore& colors() { return session.colorsPage().presets(); }
    void SaveColors(const std::string& name) {
        colors().NameFieldFocused();
        colors().EditName(name);
        colors().Save();
    }
    void SelectColors(const std::string& name) {
        const auto& names = colors().names();
        colors().Select(static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin()));
    }
    fs::path Outside(const std::string& relative, const std::string& bytes) {
        return app.Write("home/" + relative, bytes);
    }
};

} // namespace

TEST_F(UntrustedPackageTest, APreviewFileLinkedOutsideStopsTheLoadAndTouchesNothing) {
    const fs::path victim = Outside("notes.txt", "mine");
    fs::create_symlink(victim, Pkg("index_temp.html"));
    Load();
    EXPECT_EQ(session.workspace(), nullptr);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("outside"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(victim), "mine");
}

TEST_F(UntrustedPackageTest, APresetFolderLinkedOutsideIsNeverWritten) {
    const fs::path folder = Outside("colors/keep.txt", "keep").parent_path();
    fs::create_directories(Pkg("presets"));
    fs::create_symlink(folder, Pkg("presets/colors"));
    Load();
    EXPECT_EQ(session.workspace(), nullptr);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("outside"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(UntrustedPackageTest, TheOutputFolderAsALinkIsReplacedNotFollowed) {
    Open();
    fs::create_symlink("images", Pkg("template"));
    session.WorkflowPageChanged(WorkflowPage::Files);
    EXPECT_TRUE(ui.errors.empty()) << ui.errors[0];
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(Pkg("template"))));
    EXPECT_TRUE(fs::exists(Pkg("images/logo.gif")));

    fs::remove_all(Pkg("template"));
    const fs::path victim = Outside("site/index.html", "my site");
    fs::create_symlink(victim.parent_path(), Pkg("template"));
    session.filesPage().GenerateTemplate();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ReadFileBytes(victim), "my site");
}

TEST_F(UntrustedPackageTest, StaticFilesLinkedOutsideAreNotCopiedAndAreNamed) {
    fs::create_symlink(Outside(".ssh/id_rsa", "private key"), Pkg("favicon.ico"));
    WritePkg("static_files.tps", "favicon.ico\r\n");
    Open();
    session.WorkflowPageChanged(WorkflowPage::Files);
    EXPECT_FALSE(fs::exists(Pkg("template/favicon.ico")));
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("favicon.ico"), std::string::npos);
}

TEST_F(UntrustedPackageTest, APresetFileWithAnUpperCaseExtensionAppliesAndDeletes) {
    Open();
    SaveColors("Sea");
    fs::rename(Pkg("presets/colors/Sea.xml"), Pkg("presets/colors/Sea.XML"));
    ws().tables.colors[0].value = "#000000";
    SelectColors("Sea");
    colors().Apply();
    EXPECT_EQ(ws().tables.colors[0].value, "#112233");
    EXPECT_TRUE(ui.errors.empty());
    SelectColors("Sea");
    colors().Delete();
    EXPECT_FALSE(fs::exists(Pkg("presets/colors/Sea.XML")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(UntrustedPackageTest, PresetNamesWithControlCharactersAreRefused) {
    Open();
    SaveColors(std::string("bad\0name", 8));
    SaveColors(std::string(247, 'p'));
    EXPECT_EQ(ui.messages, std::vector<std::string>{presettexts::kSaveFailed});
    EXPECT_EQ(colors().names(), std::vector<std::string>{std::string(247, 'p')});
}

TEST_F(UntrustedPackageTest, AFailedDefaultKeepsTheTableInMemory) {
    Open();
    ws().tables.colors[0].value = "#ABCDEF";
    WritePkg("colors.xml", "<r><l><item><title>Text</title><var>%%c_text%%</var><default>#1");
    colors().Default();
    ASSERT_EQ(ws().tables.colors.size(), 2u);
    EXPECT_EQ(ws().tables.colors[0].value, "#ABCDEF");
    EXPECT_EQ(ui.errors.size(), 1u);
}
