#include "app/ProgramFolders.h"

#include "app/Session.h"
#include "app/ShippedTemplates.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "util/Error.h"

#include <gtest/gtest.h>
#include <map>

using namespace quorlex;
using namespace quorlex::test;

namespace {

const ProgramFolders::WritableCheck kWritable = [](const fs::path&) { return true; };
const ProgramFolders::WritableCheck kReadOnly = [](const fs::path&) { return false; };

// Every file under a folder with its content, to see that nothing in it changed.
std::map<std::string, std::string> Snapshot(const TestFolder& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
        const std::string relative = fs::relative(entry.path(), folder.path()).string();
        files[relative] = entry.is_regular_file() ? folder.Read(relative) : "(folder)";
    }
    return files;
}

} // namespace

TEST(ProgramFoldersTest, AWritableFolderIsUsedInPlaceAndAnyOtherSendsWritesToTheUser) {
    TestFolder program, home;
    program.Write("templates/templates.tps", "");
    const auto inPlace = ProgramFolders::Choose(program.path(), home.path(), kWritable);
    EXPECT_FALSE(inPlace.perUser());
    EXPECT_EQ(inPlace.data(), program.path());

    const auto readOnly = ProgramFolders::Choose(program.path() / "", home.path(), kReadOnly);
    EXPECT_EQ(readOnly.program(), program.path());
    EXPECT_EQ(readOnly.data(), home.path() / "quorlex");

    // Writable folder, read-only templates inside: still not usable in place.
    const auto lockedTemplates = ProgramFolders::Choose(
        program.path(), home.path(), [&](const fs::path& folder) { return folder == program.path(); });
    EXPECT_TRUE(lockedTemplates.perUser());
}

TEST(ProgramFoldersTest, AnInstalledCopyReadsFromShareAndNeverWritesThereEvenWhenItCould) {
    TestFolder prefix, home;
    prefix.Write("share/quorlex/templates/templates.tps", "");
    const auto installed = ProgramFolders::Choose(prefix.path() / "bin", home.path(), kWritable);
    EXPECT_EQ(installed.program(), prefix.path() / "share" / "quorlex");
    EXPECT_EQ(installed.data(), home.path() / "quorlex");

    // A bin folder without installed data is an ordinary program folder.
    TestFolder loose;
    loose.Write("bin/templates/templates.tps", "");
    EXPECT_EQ(ProgramFolders::Choose(loose.path() / "bin", home.path(), kWritable).data(), loose.path() / "bin");
}

TEST(ProgramFoldersTest, TheDataHomeIsAnAbsoluteXdgFolderOrTheHomesLocalShare) {
    EXPECT_EQ(ProgramFolders::UserDataHome("/data/me", "/home/me"), fs::path("/data/me"));
    EXPECT_EQ(ProgramFolders::UserDataHome("relative/dir", "/home/me"), fs::path("/home/me/.local/share"));
    EXPECT_EQ(ProgramFolders::UserDataHome(nullptr, "/home/me"), fs::path("/home/me/.local/share"));
}

namespace {

struct ShippedTemplatesTest : ::testing::Test {
    ShippedTemplatesTest() {
        program.Write("templates/templates.tps", "harbor\r\npebble\r\n");
        program.Write("templates/harbor/index.html", "harbor page");
        program.Write("templates/harbor/images/logo.gif", "GIF");
        program.Write("templates/pebble/index.html", "pebble page");
    }
    void Add() { AddShippedTemplates(program.path(), data.path()); }

    TestFolder program, data;
};

} // namespace

TEST_F(ShippedTemplatesTest, TheFirstStartCopiesEveryListedPackageAndTheList) {
    Add();
    EXPECT_EQ(data.Read("templates/templates.tps"), "harbor\r\npebble\r\n");
    EXPECT_EQ(data.Read("templates/harbor/images/logo.gif"), "GIF");
    EXPECT_EQ(data.Read("templates/pebble/index.html"), "pebble page");
}

TEST_F(ShippedTemplatesTest, LaterStartsAddOnlyNewPackagesAndKeepWhatTheUserChangedOrRemoved) {
    Add();
    data.Write("templates/harbor/index.html", "my harbor");
    fs::remove_all(data.path() / "templates" / "pebble");
    data.Write("templates/templates.tps", "harbor\r\nmine\r\n");
    program.Write("templates/harbor/index.html", "harbor page, newer version");
    program.Write("templates/templates.tps", "harbor\r\npebble\r\ndune\r\n");
    program.Write("templates/dune/index.html", "dune page");
    Add();
    EXPECT_EQ(data.Read("templates/harbor/index.html"), "my harbor");
    EXPECT_FALSE(data.Exists("templates/pebble"));
    EXPECT_EQ(data.Read("templates/dune/index.html"), "dune page");
    EXPECT_EQ(data.Read("templates/templates.tps"), "harbor\r\nmine\r\ndune\r\n");
}

TEST_F(ShippedTemplatesTest, AUserFolderOfTheSameNameIsNeverOverwritten) {
    data.Write("templates/pebble/index.html", "my own pebble");
    Add();
    EXPECT_EQ(data.Read("templates/pebble/index.html"), "my own pebble");
    EXPECT_EQ(data.Read("templates/templates.tps"), "harbor\r\npebble\r\n");
}

TEST_F(ShippedTemplatesTest, BadEntriesAreRefusedLeaveNothingBehindAndTheRestIsCopied) {
    // A name that climbs out, and a "package" that is a file: its copy fails half-way.
    program.Write("templates/notes.txt", "not a package");
    program.Write("templates/templates.tps", "../../etc\r\nnotes.txt\r\npebble\r\n");
    EXPECT_THROW(Add(), Error);
    EXPECT_EQ(data.Read("templates/templates.tps"), "pebble\r\n");
    EXPECT_FALSE(fs::exists(data.path().parent_path() / "etc"));
    EXPECT_FALSE(data.Exists("templates/notes.txt"));
    EXPECT_FALSE(data.Exists(".quorlex-staging"));
    EXPECT_TRUE(data.Exists("templates/pebble/index.html"));
}

TEST_F(ShippedTemplatesTest, AUserFolderWithTheNameOfAStagingCopyIsLeftAlone) {
    data.Write("templates/harbor.partial/index.html", "the user's own work");
    data.Write("templates/pebble.partial/index.html", "the user's own work");
    Add();
    EXPECT_EQ(data.Read("templates/harbor.partial/index.html"), "the user's own work");
    EXPECT_EQ(data.Read("templates/pebble.partial/index.html"), "the user's own work");
    EXPECT_TRUE(data.Exists("templates/harbor/index.html"));
}

namespace {

struct PerUserSessionTest : ::testing::Test {
    PerUserSessionTest() {
        WriteSmallPackage(program);
        program.Write("help/index.html", "help");
        session.SetHelpViewer(&viewer);
    }
    ProgramFolders Folders() const { return ProgramFolders::Choose(program.path(), home.path(), kReadOnly); }

    TestFolder program, home;
    FakeUi ui;
    RecordingPlatform platform;
    FakeBrowsers browsers;
    FakeHelpViewer viewer;
    Session session{ui, platform, browsers};
};

} // namespace

TEST_F(PerUserSessionTest, LoadingAndGeneratingWriteOnlyIntoTheUsersFolder) {
    const auto before = Snapshot(program);
    session.FormCreate(Folders());
    ASSERT_EQ(session.catalogPage().rows().size(), 1u);
    session.catalogPage().ListView1SelectItem(0, true);
    session.catalogPage().ListView1Click(true);
    session.RecalculateTemplate();
    session.WorkflowPageChanged(WorkflowPage::Files);
    session.FormClose();
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(Snapshot(program), before);
    const fs::path userPackage = home.path() / "quorlex" / "templates" / "pkg";
    EXPECT_TRUE(fs::exists(userPackage / "template" / "index.html"));
    EXPECT_TRUE(fs::exists(userPackage / "index_temp.html"));
}

TEST_F(PerUserSessionTest, HelpPagesComeFromTheProgramFolder) {
    session.FormCreate(Folders());
    session.HelpRequested(0);
    EXPECT_EQ(viewer.shown, (std::vector<std::string>{(program.path() / "help" / "index.html").string()}));
}

TEST_F(PerUserSessionTest, APackageThatCannotBeCopiedIsShownAndTheOthersAreListed) {
    program.Write("templates/templates.tps", "..\r\npkg\r\n");
    session.FormCreate(Folders());
    EXPECT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(session.catalogPage().rows().size(), 1u);
}
