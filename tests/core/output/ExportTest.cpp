#include "output/Export.h"

#include "output/CodeFiles.h"
#include "support/Fakes.h"
#include "support/TestFolder.h"
#include "util/Error.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

using Names = std::vector<std::string>;

struct ExportTest : ::testing::Test {
    void SetUp() override {
        dir.Write("pkg/template/index.html", "page");
        dir.Write("pkg/template/images/logo.gif", "gif");
        fs::create_directories(dir.path() / "target");
    }
    ExportOutcome Export(const std::string& target) {
        return ExportOutputFolder(dir.path() / "pkg/template", target, dir.path() / "templates", platform, ui);
    }

    TestFolder dir;
    FakeUi ui;
    RecordingPlatform platform;
};

} // namespace

TEST_F(ExportTest, CopiesTheOutputFolderIntoTheTarget) {
    EXPECT_EQ(Export((dir.path() / "target").string()), ExportOutcome::Copied);
    EXPECT_EQ(dir.Read("target/template/index.html"), "page");
    EXPECT_EQ(dir.Read("target/template/images/logo.gif"), "gif");
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(ExportTest, ASecondExportAsksAndCancelAborts) {
    Export((dir.path() / "target").string());
    std::vector<fs::path> asked;
    platform.copyQuestions.askOverwrite = [&](const fs::path& file) {
        asked.push_back(file);
        return OverwriteAnswer::Cancel;
    };
    dir.Write("pkg/template/index.html", "new page");
    EXPECT_EQ(Export((dir.path() / "target").string()), ExportOutcome::Aborted);
    EXPECT_EQ(ui.errors, Names{"Operation Aborted... "});
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(dir.Read("target/template/index.html"), "page");
}

TEST_F(ExportTest, AnAbortedCopyNamesTheSystemsReason) {
    dir.Write("target/template", "a file where the folder goes");
    EXPECT_EQ(Export((dir.path() / "target").string()), ExportOutcome::Aborted);
    ASSERT_EQ(ui.errors.size(), 1u);
    const std::string lead =
        "Operation Aborted... \r\nCannot create the folder \"" + (dir.path() / "target/template").string() + "\". ";
    EXPECT_EQ(ui.errors[0].substr(0, lead.size()), lead);
    EXPECT_GT(ui.errors[0].size(), lead.size()) << "the system's reason follows";
    EXPECT_EQ(dir.Read("target/template"), "a file where the folder goes");
    EXPECT_EQ(CopyFailureReason(dir.path(), dir.path() / "pkg"), "");
}

TEST_F(ExportTest, AReadOnlyTargetNamesWhyItCannotBeWritten) {
    // Root writes into read-only folders, but not into the kernel's /sys.
    const bool root = geteuid() == 0;
    const fs::path target = root ? fs::path("/sys") : dir.path() / "target";
    if (!root)
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(Export(target.string()), ExportOutcome::Aborted);
    if (!root)
        fs::permissions(target, fs::perms::owner_all);
    ASSERT_EQ(ui.errors.size(), 1u);
    const std::string lead =
        "Operation Aborted... \r\nCannot create the folder \"" + (target / "template").string() + "\". ";
    EXPECT_EQ(ui.errors[0].substr(0, lead.size()), lead);
    const std::string reason = ui.errors[0].substr(std::min(lead.size(), ui.errors[0].size()));
    if (root)
        EXPECT_FALSE(reason.empty()) << "the system's reason";
    else
        EXPECT_EQ(reason, "Permission denied");
}

TEST_F(ExportTest, BlankMissingAndSelfContainedTargetsCopyNothing) {
    EXPECT_EQ(Export("   "), ExportOutcome::NoTarget);
    EXPECT_EQ(ui.messages, Names{"No target Folder Selected!"});
    EXPECT_EQ(Export((dir.path() / "gone").string()), ExportOutcome::Failed);
    EXPECT_EQ(Export((dir.path() / "pkg/template/images").string()), ExportOutcome::Failed);
    EXPECT_EQ(Export((dir.path() / "pkg/template").string()), ExportOutcome::Failed);
    EXPECT_EQ(ui.errors, Names(3, "Error: Cannot Copy Files."));
    EXPECT_FALSE(dir.Exists("gone"));
    EXPECT_FALSE(dir.Exists("pkg/template/images/template"));
}

TEST_F(ExportTest, TheTemplatesFolderIsNoTargetAndALinkInTheTargetIsNeverWrittenThrough) {
    dir.Write("templates/other/index.html", "another template");
    EXPECT_EQ(Export((dir.path() / "templates/other").string()), ExportOutcome::Failed);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("inside the templates folder"), std::string::npos) << ui.errors[0];
    EXPECT_FALSE(dir.Exists("templates/other/template"));

    for (const std::string link : {"target/template", "target/template/images"}) {
        TestFolder other;
        const fs::path victim = other.Write("logo.gif", "the user's own");
        if (link == "target/template/images")
            fs::create_directories(dir.path() / "target/template");
        fs::remove_all(dir.path() / link);
        fs::create_symlink(other.path(), dir.path() / link);
        ui.errors.clear();
        EXPECT_EQ(Export((dir.path() / "target").string()), ExportOutcome::Aborted) << "copied through " << link;
        ASSERT_EQ(ui.errors.size(), 1u);
        EXPECT_NE(ui.errors[0].find(link + "\". It is a symbolic link"), std::string::npos) << ui.errors[0];
        EXPECT_EQ(other.Read("logo.gif"), "the user's own");
        EXPECT_FALSE(dir.Exists("target/template/index.html"));
        fs::remove(dir.path() / link);
    }
}

TEST(CreateTargetFolder, NestsNamesAndReportsEveryFailure) {
    TestFolder dir;
    FakeUi ui;
    const NewFolder nested = CreateTargetFolder(dir.path(), "a\\b", ui);
    EXPECT_EQ(nested.outcome, NewFolderOutcome::Created);
    EXPECT_EQ(nested.folder, dir.path() / "a" / "b");
    EXPECT_TRUE(fs::is_directory(dir.path() / "a/b"));
    EXPECT_EQ(CreateTargetFolder(dir.path(), "c/d/", ui).folder, dir.path() / "c" / "d");
    EXPECT_EQ(CreateTargetFolder(dir.path(), " x ", ui).folder, dir.path() / " x ");

    EXPECT_EQ(CreateTargetFolder(dir.path(), "  ", ui).outcome, NewFolderOutcome::EmptyName);
    EXPECT_EQ(ui.messages, Names{"Please, fill in the name for the new folder!"});
    EXPECT_EQ(CreateTargetFolder(dir.path() / "missing", "x", ui).outcome, NewFolderOutcome::NoBase);
    dir.Write("file.txt", "f");
    EXPECT_EQ(CreateTargetFolder(dir.path(), "file.txt\\sub", ui).outcome, NewFolderOutcome::Failed);
    EXPECT_EQ(ui.errors, Names{"Error creating subfolder \"file.txt\\sub\"\r\nNot a directory"});
}

TEST(CodeFiles, SaveDialogOffersTheTabsNameAndWritesCrLfLines) {
    TestFolder dir;
    FakeUi ui;
    const SaveFileRequest css = CodeSaveRequest(CodeTab::Css);
    EXPECT_EQ(css.title, "Save File");
    EXPECT_EQ(css.filters, (Names{"HTML Files (*.html)", "CSS Files (*.css)", "HTC Files (*.htc)", "All Files (*.*)"}));
    EXPECT_EQ(css.proposedName, "style.css");
    EXPECT_EQ(css.defaultSuffix, "css");
    EXPECT_EQ(css.filters.at(css.selectedFilter), "CSS Files (*.css)");
    EXPECT_EQ(CodeSaveRequest(CodeTab::Hover).proposedName, "csshover2.htc");
    EXPECT_EQ(CodeSaveRequest(CodeTab::Css, "css/theme/main.css").proposedName, "main.css")
        << "the stylesheet shown, by its own name";

    const TextEncoding cp1252 = TextEncoding::Cp1252;
    EXPECT_FALSE(SaveCodeFile(CodeTab::Html, "x", cp1252, ui)); // cancelled
    ui.savePaths = {dir.path() / "out.html", dir.path() / "no/such/folder/out.html", dir.path() / "out.css"};
    EXPECT_TRUE(SaveCodeFile(CodeTab::Html, "<p>\nedited\r\nlast \xE2\x86\x92", cp1252, ui));
    EXPECT_EQ(dir.Read("out.html"), "<p>\r\nedited\r\nlast &#x2192;\r\n");
    EXPECT_FALSE(SaveCodeFile(CodeTab::Html, "x", cp1252, ui));
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("out.html"), std::string::npos);
    EXPECT_EQ(ui.saveRequests[1].proposedName, "index.html");
    // The package's encoding, with the escapes of the file's language.
    EXPECT_TRUE(SaveCodeFile(CodeTab::Css, "b{content:\"\xE2\x86\x92 \xC3\xA9\"}", cp1252, ui));
    EXPECT_EQ(dir.Read("out.css"), "b{content:\"\\2192  \xE9\"}\r\n");
}
