#include "support/Fakes.h"
#include "support/TestFolder.h"
#include "util/Error.h"
#include "util/FileLists.h"
#include "util/FolderCopy.h"
#include "util/PackagePath.h"
#include "util/TextFile.h"

#include <gtest/gtest.h>

using namespace quorlex;
using quorlex::test::TestFolder;

TEST(ResolvePackagePath, MapsBackslashesAndFallsBackToAnyLetterCase) {
    TestFolder dir;
    dir.Write("Images/Logo.GIF", "x");
    EXPECT_EQ(ResolvePackagePath(dir.path(), "images\\logo.gif"), dir.path() / "Images" / "Logo.GIF");
    EXPECT_EQ(ResolvePackagePath(dir.path(), "Images/Logo.GIF"), dir.path() / "Images" / "Logo.GIF");
    EXPECT_EQ(ResolvePackagePath(dir.path(), "images\\new.gif"), dir.path() / "Images" / "new.gif");
    EXPECT_EQ(ResolvePackagePath(dir.path(), ""), dir.path());
}

TEST(ResolvePackagePath, RefusesPathsThatLeaveTheFolder) {
    TestFolder dir;
    EXPECT_THROW(ResolvePackagePath(dir.path(), "..\\secret"), Error);
    EXPECT_THROW(ResolvePackagePath(dir.path(), "a/../../b"), Error);
    EXPECT_THROW(ResolvePackagePath(dir.path(), "/etc/passwd"), Error);
    EXPECT_THROW(ResolvePackagePath(dir.path(), "\\etc"), Error);
    EXPECT_THROW(ResolvePackagePath(dir.path(), "C:\\Windows"), Error);
    EXPECT_NO_THROW(ResolvePackagePath(dir.path(), "a..b\\c"));
}

TEST(ListFileTitles, CutsTheExtensionAndSortsWithoutRegardToCase) {
    TestFolder dir;
    dir.Write("beta.xml", "");
    dir.Write("Alpha.XML", "");
    dir.Write("notes.txt", "");
    fs::create_directories(dir.path() / "folder.xml");
    EXPECT_EQ(ListFileTitles(dir.path(), "*.xml"), (std::vector<std::string>{"Alpha", "beta", "folder"}));
    EXPECT_TRUE(ListFileTitles(dir.path() / "missing", "*.xml").empty());
}

TEST(ListFileNames, ListsDotEntriesWhenTheMaskMatchesThem) {
    TestFolder dir;
    dir.Write("a.jpg", "");
    dir.Write("b.gif", "");
    EXPECT_EQ(ListFileNames(dir.path(), "*.*"), (std::vector<std::string>{".", "..", "a.jpg", "b.gif"}));
    EXPECT_EQ(ListFileNames(dir.path(), "*.JPG"), (std::vector<std::string>{"a.jpg"}));
    EXPECT_TRUE(ListFileNames(dir.path() / "none", "*.*").empty());
}

TEST(CopyFolderTree, CopiesSubfoldersAndNeverReplacesAFile) {
    TestFolder dir;
    dir.Write("from/a.gif", "new");
    dir.Write("from/sub/b.gif", "b");
    dir.Write("from/v1.0/c.gif", "c");
    dir.Write("from/README", "r");
    dir.Write("to/a.gif", "old");
    int pumped = 0;
    CopyFolderTree(dir.path() / "from", dir.path() / "to", [&] { ++pumped; });
    EXPECT_EQ(dir.Read("to/a.gif"), "old");
    EXPECT_EQ(dir.Read("to/sub/b.gif"), "b");
    EXPECT_EQ(dir.Read("to/v1.0/c.gif"), "c");
    EXPECT_EQ(dir.Read("to/README"), "r");
    EXPECT_GE(pumped, 5);
}

TEST(CopyFileWithRename, KeepsTheExistingFileAndFindsAFreeName) {
    TestFolder dir;
    const auto from = dir.Write("src/page.html", "new");
    dir.Write("dst/page.html", "old");
    dir.Write("dst/page (copy).html", "older");
    EXPECT_TRUE(CopyFileWithRename(from, dir.path() / "dst/page.html"));
    EXPECT_EQ(dir.Read("dst/page.html"), "old");
    EXPECT_EQ(dir.Read("dst/page (copy 2).html"), "new");
    EXPECT_FALSE(CopyFileWithRename(dir.path() / "src/missing", dir.path() / "dst/x"));
}

TEST(CopyFolderWithQuestions, CopiesIntoAnExistingFolderAndAsksBeforeOverwriting) {
    TestFolder dir;
    dir.Write("template/index.html", "fresh");
    dir.Write("template/css/a.css", "css");
    dir.Write("target/template/index.html", "stale");
    std::vector<fs::path> asked;
    FolderCopyQuestions questions;
    questions.askOverwrite = [&](const fs::path& p) {
        asked.push_back(p);
        return OverwriteAnswer::No;
    };
    EXPECT_TRUE(CopyFolderWithQuestions(dir.path() / "template", dir.path() / "target", questions));
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(dir.Read("target/template/index.html"), "stale");
    EXPECT_EQ(dir.Read("target/template/css/a.css"), "css");

    questions.askOverwrite = [](const fs::path&) { return OverwriteAnswer::YesToAll; };
    EXPECT_TRUE(CopyFolderWithQuestions(dir.path() / "template", dir.path() / "target", questions));
    EXPECT_EQ(dir.Read("target/template/index.html"), "fresh");
}

TEST(CopyFolderWithQuestions, CancelKeepsTheExistingFile) {
    TestFolder dir;
    dir.Write("images/a.gif", "a");
    dir.Write("copy/images/a.gif", "old");
    FolderCopyQuestions cancel;
    cancel.askOverwrite = [](const fs::path&) { return OverwriteAnswer::Cancel; };
    EXPECT_FALSE(CopyFolderWithQuestions(dir.path() / "images", dir.path() / "copy", cancel));
    EXPECT_EQ(dir.Read("copy/images/a.gif"), "old");
}

TEST(TextFiles, ReportTheFileAndReasonAndWriteAtomically) {
    TestFolder dir;
    try {
        ReadFileBytes(dir.path() / "missing.txt");
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("missing.txt"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("No such file"), std::string::npos);
    }
    WriteFileAtomic(dir.path() / "f.txt", "one");
    WriteFileAtomic(dir.path() / "f.txt", "two");
    EXPECT_EQ(dir.Read("f.txt"), "two");
    EXPECT_FALSE(dir.Exists("f.txt.part"));
    EXPECT_THROW(WriteFileAtomic(dir.path() / "no/such/dir.txt", "x"), Error);
}
