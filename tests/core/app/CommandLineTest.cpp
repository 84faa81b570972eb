#include "app/CommandLine.h"

#include "support/PackageBuilder.h"

#include <gtest/gtest.h>
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
