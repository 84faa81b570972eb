#include "app/CommandLine.h"

#include "support/PackageBuilder.h"
#include "support/TestFolder.h"
#include "util/TextFile.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace quorlex;
using namespace quorlex::test;

TEST(CommandLineTest, OptionsAreParsedAndMistakesRefused) {
    EXPECT_EQ(ParseCommandLine({}).mode, CommandMode::Window);
    EXPECT_EQ(ParseCommandLine({"-platform", "offscreen"}).mode, CommandMode::Window);
    EXPECT_EQ(ParseCommandLine({"--help"}).mode, CommandMode::Help);
    EXPECT_EQ(ParseCommandLine({"--list"}).mode, CommandMode::List);
    EXPECT_EQ(ParseCommandLine({"--list", "x"}).mode, CommandMode::Invalid);

    const CommandLine full =
        ParseCommandLine({"--generate", "pkg", "--dwt-ew", "--out", "site", "--project", "my.tpp"});
    EXPECT_EQ(full.mode, CommandMode::Generate);
    EXPECT_EQ(full.templateId, "pkg");
    EXPECT_EQ(full.outFolder, "site");
    EXPECT_EQ(full.project, fs::path("my.tpp"));
    EXPECT_FALSE(full.options.dreamweaverMx);
    EXPECT_TRUE(full.options.expressionWeb);

    for (const auto& args : std::vector<std::vector<std::string>>{{"--generate", "pkg"},
                                                                  {"--generate", "pkg", "--out"},
                                                                  {"--generate", "--out", "x"},
                                                                  {"--generate", "pkg", "--out", "x", "--bogus"}}) {
        const CommandLine refused = ParseCommandLine(args);
        EXPECT_EQ(refused.mode, CommandMode::Invalid);
        EXPECT_FALSE(refused.error.empty());
    }
}

TEST(CommandLineTest, RunsReportFailuresOnStandardErrorWithAFailingStatus) {
    TestFolder app;
    WriteSmallPackage(app);
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--list"}), ProgramFolders::InPlace(app.path()), out, err), 0);
    EXPECT_EQ(out.str(), "pkg\tSmall\tTester\n");

    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--generate", "none", "--out", (app.path() / "o").string()}),
                             ProgramFolders::InPlace(app.path()), out, err),
              1);
    EXPECT_NE(err.str().find("\"none\""), std::string::npos);

    app.Write("bad.tpp", "other\r\n");
    err.str("");
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--generate", "pkg", "--out", (app.path() / "o").string(), "--project",
                                               (app.path() / "bad.tpp").string()}),
                             ProgramFolders::InPlace(app.path()), out, err),
              1);
    EXPECT_NE(err.str().find("Required template for this project: other"), std::string::npos);
    EXPECT_FALSE(app.Exists("o"));

    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--generate", "pkg", "--out", (app.path() / "o").string(), "--dwt-mx"}),
                             ProgramFolders::InPlace(app.path()), out, err),
              0);
    EXPECT_TRUE(app.Exists("o/index.html"));
    EXPECT_TRUE(app.Exists("o/index_dw_mx.dwt"));
    EXPECT_FALSE(app.Exists("templates_tmp.xml"));
}

namespace {

// Every file below `folder` with its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = ReadFileBytes(entry.path());
    return files;
}

int RunWith(const TestFolder& app, const std::vector<std::string>& args, std::ostringstream& out,
            std::ostringstream& err) {
    out.str("");
    err.str("");
    return RunCommandLine(ParseCommandLine(args), ProgramFolders::InPlace(app.path()), out, err);
}

} // namespace

TEST(CommandLineTest, AProjectAppliesToThisRunOnlyAndThePackageIsNeverWritten) {
    TestFolder app;
    WriteSmallPackage(app);
    app.Write("mine.tpp", "pkg\r\n<$[---MENUS---]$>\r\n<$[---MENUS---SUB---]$>\r\nMain\r\npd_menu_01\r\n"
                          "\tShop|shop.html|\r\n<$[---MENUS---SUB---END---]$>\r\n<$[---MENUS---END---]$>\r\n");
    const auto before = Snapshot(app.path() / "templates");
    std::ostringstream out, err;
    ASSERT_EQ(RunWith(app,
                      {"--generate", "pkg", "--out", (app.path() / "o").string(), "--project",
                       (app.path() / "mine.tpp").string()},
                      out, err),
              0)
        << err.str();
    EXPECT_NE(app.Read("o/index.html").find("shop.html"), std::string::npos);
    EXPECT_EQ(Snapshot(app.path() / "templates"), before);

    ASSERT_EQ(RunWith(app, {"--generate", "pkg", "--out", (app.path() / "plain").string()}, out, err), 0);
    EXPECT_EQ(app.Read("plain/index.html").find("shop.html"), std::string::npos);
    EXPECT_EQ(Snapshot(app.path() / "templates"), before);
}

TEST(CommandLineTest, TheTemplatesFolderIsNoTargetAndLinksInTheTargetAreNotFollowed) {
    TestFolder app;
    WriteSmallPackage(app);
    const auto before = Snapshot(app.path() / "templates");
    std::ostringstream out, err;
    for (const std::string target : {"templates/pkg", "templates", "templates/pkg/template/deeper"}) {
        EXPECT_EQ(RunWith(app, {"--generate", "pkg", "--out", (app.path() / target).string()}, out, err), 2) << target;
        EXPECT_NE(err.str().find("inside the templates folder"), std::string::npos) << err.str();
    }
    EXPECT_EQ(Snapshot(app.path() / "templates"), before);

    const fs::path victim = app.Write("elsewhere/logo.gif", "the user's own");
    fs::create_directories(app.path() / "site");
    fs::create_symlink(victim.parent_path(), app.path() / "site/images");
    EXPECT_EQ(RunWith(app, {"--generate", "pkg", "--out", (app.path() / "site").string()}, out, err), 1);
    EXPECT_NE(err.str().find("site/images\". It is a symbolic link"), std::string::npos) << err.str();
    EXPECT_EQ(app.Read("elsewhere/logo.gif"), "the user's own");
    EXPECT_FALSE(app.Exists("site/index.html"));
}

TEST(CommandLineTest, UnknownOptionsAreRefusedAndTheListEscapesItsSeparators) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--bogus"}, {"-platform"}, {"a.tpp", "b.tpp"}, {"--version", "x"}}) {
        const CommandLine refused = ParseCommandLine(args);
        EXPECT_EQ(refused.mode, CommandMode::Invalid) << args.front();
    }
    const CommandLine window = ParseCommandLine({"-platform", "xcb", "my.tpp", "--webEngineArgs", "--anything"});
    EXPECT_EQ(window.mode, CommandMode::Window);
    EXPECT_EQ(window.project, fs::path("my.tpp"));

    TestFolder app;
    WriteSmallPackage(app);
    std::ostringstream out, err;
    EXPECT_EQ(RunWith(app, {"--bogus"}, out, err), 2);
    EXPECT_NE(err.str().find("Unknown option \"--bogus\""), std::string::npos);
    EXPECT_EQ(RunWith(app, {"--version"}, out, err), 0);
    EXPECT_EQ(out.str().rfind("Quorlex ", 0), 0u);

    app.Write("templates/pkg/settings.tps", "Tab\there\r\nMe\\You\r\n1.0\r\n");
    EXPECT_EQ(RunWith(app, {"--list"}, out, err), 0);
    EXPECT_EQ(out.str(), "pkg\tTab\\there\tMe\\\\You\n");
}

TEST(CommandLineTest, TitlesInEveryEncodingArePrintedAsUtf8AndPackageErrorsNameFileAndLine) {
    TestFolder app;
    WriteSmallPackage(app, "utf");
    WriteSmallPackage(app, "latin");
    app.Write("templates/templates.tps", "utf\r\nlatin\r\n");
    app.Write("templates/utf/settings.tps", "Caf\xC3\xA9 starter \xE6\x97\xA5\r\n\xC5\x81ucja\r\n1.0\r\n");
    app.Write("templates/latin/settings.tps", "Caf\xE9 classic\r\nMe\r\n1.0\r\n");
    std::ostringstream out, err;
    EXPECT_EQ(RunWith(app, {"--list"}, out, err), 0);
    EXPECT_EQ(out.str(), "utf\tCaf\xC3\xA9 starter \xE6\x97\xA5\t\xC5\x81ucja\nlatin\tCaf\xC3\xA9 classic\tMe\n");

    app.Write("templates/latin/colors.xml", "<?xml version=\"1.0\"?>\r\n<r><l>\r\n<item><title>Fish & Chips</title>"
                                            "</item></l></r>\r\n");
    EXPECT_EQ(RunWith(app, {"--generate", "latin", "--out", (app.path() / "o").string()}, out, err), 1);
    const std::string message = err.str();
    EXPECT_EQ(message.rfind("Error: Cannot Load Template Settings. You may need to reinstall Quorlex.\n", 0), 0u)
        << message;
    EXPECT_EQ(message.find("Error: Error"), std::string::npos) << message;
    EXPECT_NE(message.find((app.path() / "templates/latin/colors.xml").string() + "\": line 3: a \"&\""),
              std::string::npos)
        << message;
}

TEST(CommandLineTest, CheckTakesOneTemplateIdOrFolder) {
    const CommandLine check = ParseCommandLine({"--check", "pkg"});
    EXPECT_EQ(check.mode, CommandMode::Check);
    EXPECT_EQ(check.templateId, "pkg");
    EXPECT_EQ(ParseCommandLine({"--check"}).mode, CommandMode::Invalid);
    EXPECT_EQ(ParseCommandLine({"--check", ""}).mode, CommandMode::Invalid);
    EXPECT_EQ(ParseCommandLine({"--check", "a", "b"}).mode, CommandMode::Invalid);
    std::ostringstream out, err;
    RunCommandLine(ParseCommandLine({"--help"}), ProgramFolders::InPlace(fs::path("/nonexistent")), out, err);
    EXPECT_NE(out.str().find("  --check TEMPLATE_ID|FOLDER\n"), std::string::npos);
}

TEST(CommandLineTest, CheckExitsZeroWhenCleanOneWithFindingsAndTwoWhenUnreadable) {
    TestFolder app;
    WriteSmallPackage(app);
    const ProgramFolders folders = ProgramFolders::InPlace(app.path());
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--check", "pkg"}), folders, out, err), 0) << out.str();
    EXPECT_EQ(out.str(), "No findings.\n");

    app.Write("templates/pkg/colors.xml",
              TableXml({"<title>Text</title><var>%%c_text%%</var><default>#112233</default>",
                        "<title>Head</title><Var>%%c_head%%</Var><default>#445566</default>"}));
    const std::string before = app.Read("templates/pkg/colors.xml");
    out.str("");
    const std::string folder = (app.path() / "templates/pkg").string();
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--check", folder}), folders, out, err), 1);
    EXPECT_NE(out.str().find("colors.xml:5: The element <Var> is read only as <var>"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find(" Fix: Write it as <var>.\n"), std::string::npos);
    EXPECT_EQ(app.Read("templates/pkg/colors.xml"), before);

    err.str("");
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--check", "none"}), folders, out, err), 2);
    EXPECT_NE(err.str().find("\"none\""), std::string::npos);
    fs::remove(app.path() / "templates/pkg/index.html");
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--check", folder}), folders, out, err), 2);
    EXPECT_NE(err.str().find("index.html"), std::string::npos) << err.str();
}
