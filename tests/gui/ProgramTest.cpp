#include "app/Session.h"
#include "support/Fakes.h"
#include "support/TestFolder.h"
#include "util/TextFile.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// Every file under `folder` by its relative name, with its bytes.
std::map<std::string, std::string> Files(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).generic_string()] = ReadFileBytes(entry.path());
    return files;
}

// A program folder of its own, so that the run leaves the build's sample packages alone.
fs::path ProgramFolder(const TestFolder& folder) {
    fs::copy(QUORLEX_SAMPLE_TEMPLATES, folder.path() / "templates", fs::copy_options::recursive);
    const fs::path program = folder.path() / "quorlex";
    std::error_code linked;
    fs::create_hard_link(QUORLEX_PROGRAM, program, linked);
    if (linked)
        fs::copy_file(QUORLEX_PROGRAM, program);
    return program;
}

} // namespace

TEST(ProgramTest, GenerateWithAProjectWritesWhatTheWindowWrites) {
    TestFolder window;
    fs::copy(QUORLEX_SAMPLE_TEMPLATES, window.path() / "templates", fs::copy_options::recursive);
    FakeUi ui;
    RecordingPlatform platform;
    FakeBrowsers browsers;
    Session session(ui, platform, browsers);
    session.FormCreate(window.path());
    session.catalogPage().ListView1SelectItem(0, true);
    ASSERT_EQ(session.catalogPage().templateId(), "harbor");
    session.RecalculateTemplate();
    ASSERT_NE(session.workspace(), nullptr);
    TemplateWorkspace& ws = *session.workspace();
    ws.tables.colors[0].value = "#123456";
    ws.tables.fonts[0].size = "19";
    ws.tables.layouts[0].choice = "compact";
    window.Write("templates/harbor/menus/main/menu.lyo", "cli_menu\r\n\tScripted|built.html|\r\n");
    const fs::path project = window.path() / "harbor.tpp";
    ASSERT_TRUE(session.projectFiles().SaveProjectTo(project));
    window.Write("templates/harbor/menus/main/menu.lyo",
                 ReadFileBytes(window.path() / "templates/harbor/menus/main/default.lyo"));
    session.RecalculateTemplate();
    ASSERT_TRUE(session.projectFiles().LoadProjectFrom(project));
    session.filesPage().SetTemplateOptions({true, true});
    ASSERT_TRUE(ui.errors.empty()) << ui.errors.front();

    TestFolder programFolder;
    const fs::path program = ProgramFolder(programFolder);
    const fs::path out = programFolder.path() / "site";
    const std::string command = "\"" + program.string() + "\" --generate harbor --out \"" + out.string() +
                                "\" --project \"" + project.string() + "\" --dwt-mx --dwt-ew";
    ASSERT_EQ(std::system(command.c_str()), 0);

    const auto expected = Files(OutputFolder(ws));
    EXPECT_EQ(Files(out), expected);
    ASSERT_TRUE(expected.count("index.html"));
    EXPECT_NE(expected.at("index.html").find("built.html"), std::string::npos);
}
