#pragma once

#include "app/Session.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "util/TextFile.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace quorlex::test {

// A session with the small package "pkg" loaded; tests may rewrite its files before Open().
struct CustomizeFixture : ::testing::Test {
    CustomizeFixture() { WriteSmallPackage(app); }

    void Open() {
        session.FormCreate(app.path());
        session.catalogPage().ListView1SelectItem(0, true);
        session.catalogPage().ListView1Click(true);
        session.RecalculateTemplate();
        ASSERT_NE(session.workspace(), nullptr) << (ui.errors.empty() ? "" : ui.errors[0]);
    }

    fs::path Pkg(const std::string& relative) const { return app.path() / "templates/pkg" / relative; }
    void WritePkg(const std::string& relative, const std::string& bytes) const {
        app.Write("templates/pkg/" + relative, bytes);
    }
    std::string Preview() const { return ReadFileBytes(Pkg("index_temp.html")); }
    TemplateWorkspace& ws() { return *session.workspace(); }

    // How often the live preview was pointed at a rebuilt page.
    size_t Rebuilds() const {
        return static_cast<size_t>(std::count_if(browsers.log.begin(), browsers.log.end(), [](const auto& entry) {
            return entry.first == BrowserId::LivePreview;
        }));
    }

    TestFolder app;
    FakeUi ui;
    RecordingPlatform platform;
    FakeBrowsers browsers;
    Session session{ui, platform, browsers};
};

} // namespace quorlex::test
