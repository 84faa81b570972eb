// File names, encodings, containment, writes and reads at the edges of the file system.
#include "support/TestFolder.h"
#include "util/Error.h"
#include "util/NativeNames.h"
#include "util/OrderedReplace.h"
#include "util/PackagePath.h"
#include "util/TextFile.h"
#include "util/UserMessage.h"
#include "workspace/XmlDocument.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

std::string Message(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

std::vector<std::string> Leftovers(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

} // namespace

TEST(Paths, TableNamesAreConvertedAndMatchedWithoutRegardToCase) {
    TestFolder dir;
    dir.Write("images/Caf\xC3\xA9.jpg", "jpeg");
    EXPECT_EQ(ResolvePackagePath(dir.path(), "IMAGES\\caf\xC3\xA9.jpg"), dir.path() / "images/Caf\xC3\xA9.jpg");
    // Letters beyond ASCII fold as whole characters, not as bytes.
    EXPECT_EQ(ResolvePackagePath(dir.path(), "images\\CAF\xC3\x89.JPG").filename(), "Caf\xC3\xA9.jpg");
    dir.Write("images/\xD1\x84\xD0\xBE\xD1\x82\xD0\xBE.jpg", "jpeg");
    EXPECT_EQ(ResolvePackagePath(dir.path(), "images/\xD0\xA4\xD0\x9E\xD0\xA2\xD0\x9E.JPG").filename(),
              "\xD1\x84\xD0\xBE\xD1\x82\xD0\xBE.jpg");
    EXPECT_EQ(FoldNativeName("\xD0\x94\xD0\xBE\xD0\xBA"), FoldNativeName("\xD0\xB4\xD0\x9E\xD0\x9A"));
}

TEST(Paths, NamesThatDifferOnlyInCaseResolveTheSameWayEveryTime) {
    TestFolder dir;
    dir.Write("b.TXT", "1");
    dir.Write("B.txt", "2");
    EXPECT_EQ(ResolvePackagePath(dir.path(), "b.txt").filename(), "B.txt");
    EXPECT_EQ(ResolvePackagePath(dir.path(), "B.TXT").filename(), "B.txt");
}

TEST(Encodings, SingleByteDeclarationsReadAndWriteWindows1252) {
    TestFolder dir;
    for (const char* declared : {"windows-1252", "CP1252", "latin-1", "iso-8859-1"}) {
        const std::string xml = std::string("<?xml version=\"1.0\" encoding=\"") + declared +
                                "\"?><r><l><item><t>Caf\xE9 \x80</t></item></l></r>";
        const fs::path file = dir.Write("t.xml", xml);
        std::vector<std::string> read;
        XmlDocument::Load(file).ForEachItem({"t"}, [&](const ItemValues& v) { read.push_back(v[0]); });
        EXPECT_EQ(read, std::vector<std::string>{"Caf\xC3\xA9 \xE2\x82\xAC"}) << declared;
        // What the file's encoding has no byte for is written as a character reference.
        WriteItemsFile(file, dir.path() / "out.xml", {"t"},
                       {{"\xC3\x80 la \xC3\xA9t\xC3\xA9 \xC5\x81\xC3\xB3"
                         "d\xC5\xBA"}});
        EXPECT_NE(dir.Read("out.xml").find("<t>\xC0 la \xE9t\xE9 &#x141;\xF3"
                                           "d&#x17A;</t>"),
                  std::string::npos)
            << declared;
    }
}

TEST(Encodings, Utf16TablesWithEntitiesAreRead) {
    TestFolder dir;
    const std::string text = "<?xml version=\"1.0\" encoding=\"UTF-16\"?><r><l><item><t>A &amp; B</t></item></l></r>";
    std::string utf16 = "\xFF\xFE";
    for (char c : text) {
        utf16 += c;
        utf16 += '\0';
    }
    std::vector<std::string> read;
    XmlDocument::Load(dir.Write("u.xml", utf16)).ForEachItem({"t"}, [&](const ItemValues& v) { read.push_back(v[0]); });
    EXPECT_EQ(read, std::vector<std::string>{"A & B"});
}

TEST(Containment, LinksThatLeaveThePackageAreRefused) {
    TestFolder dir;
    dir.Write("secret/id_rsa", "key");
    dir.Write("pkg/css/main.css", "css");
    fs::create_directories(dir.path() / "pkg/images");
    fs::create_symlink(dir.path() / "secret/id_rsa", dir.path() / "pkg/favicon.ico");
    fs::create_symlink(dir.path() / "secret", dir.path() / "pkg/layouts");
    fs::create_symlink("css/main.css", dir.path() / "pkg/style.css");
    const fs::path pkg = dir.path() / "pkg";
    EXPECT_NE(Message([&] { ResolvePackagePath(pkg, "favicon.ico"); }).find("outside"), std::string::npos);
    EXPECT_NE(Message([&] { ResolvePackagePath(pkg, "LAYOUTS\\id_rsa"); }).find("outside"), std::string::npos);
    EXPECT_NE(Message([&] { JoinPackagePath(pkg, "layouts/new.lyo"); }).find("outside"), std::string::npos);
    EXPECT_EQ(ResolvePackagePath(pkg, "style.css"), pkg / "style.css"); // a link that stays inside
}

TEST(Writes, AtomicSaveKeepsPermissionsAndNeverWritesThroughALink) {
    TestFolder dir;
    const fs::path file = dir.Write("menu.lyo", "old");
    ::chmod(file.c_str(), 0640);
    WriteFileAtomic(file, "new");
    EXPECT_EQ(dir.Read("menu.lyo"), "new");
    struct stat info {};
    ::stat(file.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    const fs::path victim = dir.Write("victim.txt", "keep");
    fs::create_symlink(victim, dir.path() / "index_temp.html");
    EXPECT_NE(Message([&] { WriteFileAtomic(dir.path() / "index_temp.html", "x"); }).find("symbolic link"),
              std::string::npos);
    EXPECT_EQ(dir.Read("victim.txt"), "keep");

    const std::string longName(250, 'n');
    WriteFileAtomic(dir.path() / longName, "fits");
    EXPECT_EQ(dir.Read(longName), "fits");
    EXPECT_EQ(Leftovers(dir.path()).size(), 4u);
}

TEST(Writes, AFailedWriteLeavesTheOldFileWholeAndNoLeftover) {
    TestFolder dir;
    dir.Write("work/preset.xml", "the user's preset");
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            WriteFileAtomic(dir.path() / "work/preset.xml", std::string(1 << 20, 'x'));
        } catch (const Error& error) {
            _exit(std::string(error.what()).find("preset.xml") != std::string::npos ? 0 : 2);
        }
        _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.Read("work/preset.xml"), "the user's preset");
    EXPECT_EQ(Leftovers(dir.path() / "work"), std::vector<std::string>{"preset.xml"});
}

TEST(Reads, FifosAndOversizedFilesFailWithoutBlocking) {
    TestFolder dir;
    const fs::path fifo = dir.path() / "settings.tps";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_NE(Message([&] { ReadFileBytes(fifo); }).find("not a regular file"), std::string::npos);
    const fs::path page = dir.Write("index.html", std::string(5000, 'p'));
    EXPECT_NE(Message([&] { ReadFileBytes(page, 4096); }).find("larger than"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(page).size(), 5000u);
}

TEST(Reads, SubstitutionStopsAtItsLimitNamingThePlaceholder) {
    // Each value holds the next placeholder twice: the text doubles with every row.
    std::vector<std::string> patterns, values;
    for (int i = 0; i < 40; ++i) {
        patterns.push_back("%c" + std::to_string(i) + "%");
        values.push_back("%c" + std::to_string(i + 1) + "% %c" + std::to_string(i + 1) + "%");
    }
    std::vector<Replacement> rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back({patterns[i], values[i]});
    std::string text = "<p>%c0%</p>";
    std::string scratch;
    const std::string message = Message([&] { ReplaceAllInOrder(text, rows, scratch, 1 << 20); });
    EXPECT_NE(message.find("\"%c1"), std::string::npos);
    EXPECT_LT(scratch.capacity() + text.capacity(), size_t{8} << 20);
}

TEST(Messages, EveryExceptionBecomesTheUsersMessage) {
    EXPECT_EQ(UserMessage(Error("Cannot read file \"a\".")), "Cannot read file \"a\".");
    EXPECT_NE(UserMessage(std::bad_alloc()).find("not enough memory"), std::string::npos);
    EXPECT_NE(UserMessage(std::out_of_range("vector")).find("vector"), std::string::npos);
}

TEST(Writes, ANewFileShowsOnlyUnderItsOwnNameAndStaleTemporariesAreRemoved) {
    TestFolder dir;
    const fs::path source = dir.Write("source.gif", std::string(1 << 20, 'g'));
    fs::create_directory(dir.path() / "site");
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, (dir.path() / "site").c_str(), IN_CREATE | IN_MOVED_TO), 0);
    CopyFileAtomic(source, dir.path() / "site/logo.gif", Durability::Remade);
    WriteNewFile(dir.path() / "site/index.html", "page");
    std::vector<std::string> created;
    alignas(inotify_event) char events[4096];
    for (ssize_t got = read(watch, events, sizeof events); got > 0; got = read(watch, events, sizeof events))
        for (char* at = events; at < events + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            created.emplace_back(event->len ? event->name : "");
            at += sizeof(inotify_event) + event->len;
        }
    close(watch);
    EXPECT_EQ(created, (std::vector<std::string>{"logo.gif", "index.html"}));

    dir.Write("site/.quorlex-123456.tmp", "left by a crash");
    dir.Write("site/.quorlex-notes.tmp", "the user's");
    dir.Write("site/draft.tmp", "the user's");
    RemoveStaleTemporaries(dir.path() / "site");
    std::vector<std::string> left = Leftovers(dir.path() / "site");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".quorlex-notes.tmp", "draft.tmp", "index.html", "logo.gif"}));
}

TEST(Writes, ACopyOfAFileThatChangesMeanwhileFailsAndShipsNothing) {
    TestFolder dir;
    const fs::path source = dir.Write("vendor.js", std::string(64 << 20, 'v'));
    std::atomic<bool> copying{true};
    std::thread writer([&] {
        std::ofstream out(source, std::ios::app);
        while (copying) {
            out << "more";
            out.flush();
        }
    });
    const std::string message = Message([&] { CopyFileAtomic(source, dir.path() / "copy.js", Durability::Remade); });
    copying = false;
    writer.join();
    EXPECT_NE(message.find("vendor.js\". It changed while it was copied."), std::string::npos) << message;
    EXPECT_FALSE(fs::exists(dir.path() / "copy.js"));
}

TEST(Writes, ALinkIntoTheProgramsOwnFolderSharesTheFileOrCopiesItAcrossFileSystems) {
    TestFolder dir;
    const fs::path source = dir.Write("photo.jpg", "pixels");
    LinkIntoOwnFolder(source, dir.path() / "site.jpg");
    struct stat a {
    }, b{};
    ::stat(source.c_str(), &a);
    ::stat((dir.path() / "site.jpg").c_str(), &b);
    EXPECT_EQ(a.st_ino, b.st_ino);
    EXPECT_THROW(LinkIntoOwnFolder(source, dir.path() / "site.jpg"), Error) << "a name already there stays";

    ASSERT_TRUE(fs::is_directory("/dev/shm")) << "tmpfs, another file system than the test folder's";
    const fs::path elsewhere = fs::path("/dev/shm") / ("quorlex-link-" + std::to_string(getpid()) + ".jpg");
    WriteFileAtomic(elsewhere, "other pixels");
    LinkIntoOwnFolder(elsewhere, dir.path() / "copied.jpg");
    fs::remove(elsewhere);
    EXPECT_EQ(dir.Read("copied.jpg"), "other pixels");
}
