#include "customize/PresetStore.h"

#include "CustomizeFixture.h"
#include "workspace/XmlDocument.h"

using namespace quorlex;
using namespace quorlex::test;

namespace {

struct PresetStoreTest : CustomizeFixture {
    PresetStore& colors() { return session.colorsPage().presets(); }

    void SaveAs(PresetStore& store, const std::string& name) {
        store.NameFieldFocused();
        store.EditName(name);
        store.Save();
    }

    // The values of `fields` in each item of a preset file.
    std::vector<ItemValues> Items(const std::string& relative, const std::vector<std::string>& fields) {
        std::vector<ItemValues> items;
        XmlDocument::Load(Pkg(relative)).ForEachItem(fields, [&](const ItemValues& v) { items.push_back(v); });
        return items;
    }

    void SelectPreset(PresetStore& store, const std::string& name) {
        const auto& names = store.names();
        const auto found = std::find(names.begin(), names.end(), name);
        ASSERT_NE(found, names.end()) << name;
        store.Select(static_cast<size_t>(found - names.begin()));
    }
};

} // namespace

TEST_F(PresetStoreTest, PlaceholderAndBlankNamesAreRefusedAfterTheFoldersAreMade) {
    Open();
    EXPECT_EQ(colors().nameField(), "[Enter Name of Preset Here]");
    colors().Save();
    EXPECT_TRUE(fs::is_directory(Pkg("presets/colors")));
    colors().NameFieldFocused();
    EXPECT_EQ(colors().nameField(), "");
    colors().EditName("   ");
    colors().Save();
    colors().EditName("kept");
    colors().NameFieldFocused();
    EXPECT_EQ(colors().nameField(), "kept");
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Please, enter a name for this preset!",
                                                     "Please, enter a name for this preset!"}));
    EXPECT_TRUE(fs::is_empty(Pkg("presets/colors")));
}

TEST_F(PresetStoreTest, SaveKeepsBlanksAppendsTheNameAndEmptiesTheField) {
    Open();
    SaveAs(colors(), " My Scheme ");
    EXPECT_TRUE(fs::exists(Pkg("presets/colors/ My Scheme .xml")));
    EXPECT_EQ(colors().names(), (std::vector<std::string>{" My Scheme "}));
    EXPECT_EQ(colors().nameField(), "");
    colors().Save();
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Please, enter a name for this preset!"}));
}

TEST_F(PresetStoreTest, AnExistingPresetIsNotOverwritten) {
    WritePkg("presets/colors/Old.xml", "old bytes");
    Open();
    SaveAs(colors(), "Old");
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Such Preset Already Exists!"}));
    EXPECT_EQ(app.Read("templates/pkg/presets/colors/Old.xml"), "old bytes");
    EXPECT_EQ(colors().nameField(), "Old");
}

TEST_F(PresetStoreTest, NamesThatWouldLeaveThePresetFolderAreRefused) {
    Open();
    const std::string colorsXml = app.Read("templates/pkg/colors.xml");
    for (const std::string name : {"../../colors", "..\\..\\colors", "a/b", ".", ".."}) {
        ui.messages.clear();
        SaveAs(colors(), name);
        EXPECT_EQ(ui.messages, (std::vector<std::string>{"Error Saving Preset. Please, be sure you are using only "
                                                         "letters and numbers in the preset name!"}))
            << name;
        EXPECT_EQ(colors().nameField(), name);
    }
    EXPECT_EQ(app.Read("templates/pkg/colors.xml"), colorsXml);
    EXPECT_TRUE(colors().names().empty());
    EXPECT_TRUE(fs::is_empty(Pkg("presets/colors")));
}

TEST_F(PresetStoreTest, AFileTheSystemRefusesIsReportedAndNotListed) {
    Open();
    SaveAs(colors(), std::string(300, 'n'));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(FirstLines(ui.messages), std::vector<std::string>{presettexts::kSaveFailed});
    EXPECT_NE(ui.messages[0].find("File name too long"), std::string::npos) << ui.messages[0];
    EXPECT_TRUE(colors().names().empty());
    EXPECT_EQ(colors().nameField(), std::string(300, 'n'));
}

TEST_F(PresetStoreTest, EachKindWritesItsElementsIntoACopyOfTheTemplateFile) {
    WritePkg("colors.xml",
             TableXml({"<title>Text</title><note>kept</note><var>%%c_text%%</var><default>#112233</default>",
                       "<title>Head</title><var>%%c_head%%</var>"}));
    Open();
    const std::string colorsXml = app.Read("templates/pkg/colors.xml");
    ws().tables.colors[1].value = "transparent";
    ws().tables.images[0].url = "other.gif";
    ws().tables.layouts[0].choice = "narrow";
    SaveAs(session.colorsPage().presets(), "c");
    SaveAs(session.imagesPage().presets(), "i");
    SaveAs(session.layoutsPage().presets(), "l");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(app.Read("templates/pkg/colors.xml"), colorsXml);
    EXPECT_EQ(Items("presets/colors/c.xml", {"title", "var", "default", "note"}),
              (std::vector<ItemValues>{{"Text", "%%c_text%%", "#112233", "kept"},
                                       {"Head", "%%c_head%%", "transparent", ""}}));
    EXPECT_EQ(Items("presets/images/i.xml", {"image", "var", "url", "folder"}),
              (std::vector<ItemValues>{{"Logo", "images/", "other.gif", "images/"}}));
    EXPECT_EQ(Items("presets/layouts/l.xml", {"title", "var", "default", "folder"}),
              (std::vector<ItemValues>{{"Top", "layouts\\top\\", "narrow", "layouts\\top\\"}}));
}

TEST_F(PresetStoreTest, ApplyChangesEveryRowWithTheTitleAndTheLaterItemWins) {
    WritePkg("colors.xml", TableXml({"<title>Text</title><var>%%c_text%%</var><default>#112233</default>",
                                     "<title>Head</title><var>%%c_head%%</var><default>#445566</default>",
                                     "<title>Text</title><var>%%c_other%%</var><default>#778899</default>"}));
    WritePkg("presets/colors/P.xml", TableXml({"<title>Text</title><var>%%c_text%%</var><default>#AAAAAA</default>",
                                               "<title>text</title><var>%%c_head%%</var><default>#000000</default>",
                                               "<title>Nobody</title><var>x</var><default>#000001</default>",
                                               "<title>Text</title><var>%%c_text%%</var><default>#BBBBBB</default>"}));
    Open();
    WritePkg("presets/colors/Later.xml", TableXml({"<title>Head</title><var>v</var><default>d</default>"}));
    const size_t before = Rebuilds();
    SelectPreset(colors(), "P");
    colors().Apply();
    const auto& rows = ws().tables.colors;
    EXPECT_EQ(rows[0].value, "#BBBBBB");
    EXPECT_EQ(rows[2].value, "#BBBBBB");
    EXPECT_EQ(rows[2].var, "%%c_text%%");
    EXPECT_EQ(rows[1].value, "#445566");
    EXPECT_EQ(colors().names(), (std::vector<std::string>{"Later", "P"}));
    EXPECT_FALSE(colors().selected());
    EXPECT_EQ(Rebuilds(), before + 1);
    EXPECT_NE(Preview().find("color: #BBBBBB"), std::string::npos);
}

TEST_F(PresetStoreTest, APresetMatchingNothingStillRefillsAndRebuilds) {
    WritePkg("presets/colors/None.xml", TableXml({"<title>Nobody</title><var>x</var><default>#000001</default>"}));
    Open();
    const size_t before = Rebuilds();
    colors().Apply();
    EXPECT_EQ(Rebuilds(), before);
    SelectPreset(colors(), "None");
    colors().Apply();
    EXPECT_EQ(ws().tables.colors[0].value, "#112233");
    EXPECT_EQ(Rebuilds(), before + 1);
}

TEST_F(PresetStoreTest, AnImagePresetSetsTheFolderFromItsVarElement) {
    WritePkg("presets/images/Alt.xml",
             TableXml({"<image>Logo</image><url>alt.gif</url><folder>images/</folder><var>alt/</var>"}));
    WritePkg("alt/alt.gif", "GIF89a");
    Open();
    SelectPreset(session.imagesPage().presets(), "Alt");
    session.imagesPage().presets().Apply();
    EXPECT_EQ(ws().tables.images[0].folder, "alt/");
    EXPECT_EQ(ws().tables.images[0].url, "alt.gif");
    EXPECT_NE(Preview().find("alt/alt.gif"), std::string::npos);
}

TEST_F(PresetStoreTest, ADamagedPresetChangesNothingAndIsReported) {
    WritePkg("presets/colors/Bad.xml",
             "<root><list><item><title>Text</title><default>#000000</default></item><item><title>x<b/></title>"
             "</item></list></root>");
    Open();
    const size_t before = Rebuilds();
    SelectPreset(colors(), "Bad");
    colors().Apply();
    EXPECT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ws().tables.colors[0].value, "#112233");
    EXPECT_EQ(Rebuilds(), before);
}

TEST_F(PresetStoreTest, AHandAddedPresetIsListedAfterTheNextRefill) {
    Open();
    WritePkg("presets/colors/Hand.xml", TableXml({"<title>Text</title><var>v</var><default>d</default>"}));
    EXPECT_TRUE(colors().names().empty());
    colors().Default();
    EXPECT_EQ(colors().names(), (std::vector<std::string>{"Hand"}));
}

TEST_F(PresetStoreTest, DeleteAsksFirstAndAVanishedFileGoesSilently) {
    WritePkg("presets/colors/A.xml", "a");
    WritePkg("presets/colors/B.xml", "b");
    Open();
    ui.answers = {Answer::No, Answer::Cancel, Answer::Yes};
    for (int i = 0; i < 3; ++i) {
        SelectPreset(colors(), "A");
        colors().Delete();
    }
    EXPECT_EQ(ui.questions, std::vector<std::string>(3, "Are you sure you really want to delete the preset \"A\"?"));
    EXPECT_FALSE(fs::exists(Pkg("presets/colors/A.xml")));
    EXPECT_EQ(colors().names(), (std::vector<std::string>{"B"}));
    EXPECT_FALSE(colors().selected());

    fs::remove(Pkg("presets/colors/B.xml"));
    SelectPreset(colors(), "B");
    colors().Delete();
    EXPECT_TRUE(colors().names().empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(PresetStoreTest, DefaultRestoresEveryRowAndRebuilds) {
    Open();
    ws().tables.colors[0].value = "#000000";
    ws().tables.colors[1].value = "#000000";
    ws().tables.layouts[0].choice = "narrow";
    const size_t before = Rebuilds();
    colors().Default();
    EXPECT_EQ(ws().tables.colors[0].value, "#112233");
    EXPECT_EQ(ws().tables.colors[1].value, "#445566");
    EXPECT_EQ(ws().tables.layouts[0].choice, "narrow");
    EXPECT_EQ(Rebuilds(), before + 1);
    session.layoutsPage().presets().Default();
    EXPECT_EQ(ws().tables.layouts[0].choice, "wide");
}

TEST_F(PresetStoreTest, ANewPackageClearsThePresetSelection) {
    WritePkg("presets/colors/A.xml", "a");
    Open();
    SelectPreset(colors(), "A");
    session.RecalculateTemplate();
    EXPECT_FALSE(colors().selected());
}
