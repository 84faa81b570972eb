#include "net/CurlHttpClient.h"
#include "net/HeaderCheck.h"
#include "net/NetTexts.h"
#include "net/UpdateCheck.h"
#include "support/Fakes.h"
#include "support/LoopbackServer.h"
#include "support/TestFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;
using namespace std::chrono_literals;

namespace {

void RunToEnd(CurlHttpClient& client) {
    const auto deadline = std::chrono::steady_clock::now() + 15s;
    while (client.Busy() && std::chrono::steady_clock::now() < deadline)
        client.Wait(50ms);
}

struct Recorder : HttpListener {
    void Progress(std::uint64_t received, std::uint64_t total) override { progress.emplace_back(received, total); }
    void HeadersArrived(const std::string& statusLine, const std::vector<std::string>& headers) override {
        heardStatus = statusLine;
        heard = headers;
    }
    void Finished(const HttpResult& outcome) override {
        result = outcome;
        ++finished;
    }
    std::vector<std::pair<std::uint64_t, std::uint64_t>> progress;
    std::string heardStatus;
    std::vector<std::string> heard;
    HttpResult result;
    int finished = 0;
};

struct UpdateCheckTest : ::testing::Test {
    UpdateCheckTest() {
        server.routes().Get("/quorlex/version_free.php", [this](const httplib::Request&, httplib::Response& res) {
            res.set_content(version, "text/plain");
        });
        server.routes().Get("/moved/quorlex/version_free.php", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/quorlex/version_free.php");
        });
        server.Start();
        UsesServer(server.Url());
        check.SetListener([this] { ++changes; });
    }
    ~UpdateCheckTest() override { unsetenv("QUORLEX_UPDATE_URL"); }

    void UsesServer(const std::string& url) { setenv("QUORLEX_UPDATE_URL", url.c_str(), 1); }
    void Check() {
        check.Activated(app.path(), cache.path() / "quorlex");
        EXPECT_TRUE(check.state().running);
        EXPECT_EQ(check.state().status, nettexts::kDownloading);
        RunToEnd(http);
        EXPECT_FALSE(check.state().running);
        EXPECT_FALSE(check.state().progressVisible);
    }
    void ExpectFailure() {
        EXPECT_EQ(check.state().status, nettexts::kCannotDownload);
        EXPECT_FALSE(check.state().getNewVersionEnabled);
        EXPECT_FALSE(check.state().whatsNewVisible);
    }

    std::string version = "42\r\n";
    LoopbackServer server;
    TestFolder app;
    TestFolder cache;
    FakeUi ui;
    FakeHelpViewer viewer;
    RecordingPlatform platform;
    CurlHttpClient http;
    UpdateCheck check{http, viewer, platform, ui};
    int changes = 0;
};

} // namespace

TEST_F(UpdateCheckTest, ANewerVersionOffersWhatsNewAndTheDownloadPage) {
    EXPECT_EQ(check.state().status, nettexts::kChecking);
    Check();
    EXPECT_EQ(check.state().status, nettexts::kNewVersion);
    EXPECT_EQ(check.state().versions, "Version 4.2 is available; you have version 4.1.");
    EXPECT_TRUE(check.state().getNewVersionEnabled);
    EXPECT_TRUE(check.state().whatsNewVisible);
    EXPECT_EQ(app.Read("temp.tmp"), "42\r\n");
    check.WhatsNew();
    EXPECT_EQ(viewer.shown, std::vector<std::string>{server.Url() + "/quorlex/whatsnew_free.html"});
    check.GetNewVersion();
    EXPECT_EQ(platform.openedUrls, std::vector<std::string>{server.Url() + "/quorlex/update.html"});
    check.Closed();
    EXPECT_FALSE(app.Exists("temp.tmp"));
    EXPECT_GT(changes, 1);
}

TEST_F(UpdateCheckTest, NoNewerVersionAndARepeatedCheck) {
    version = "41";
    Check();
    EXPECT_EQ(check.state().status, nettexts::kNoUpdates);
    EXPECT_FALSE(check.state().getNewVersionEnabled);
    EXPECT_FALSE(check.state().whatsNewVisible);
    version = " 43 \r\nnotes";
    Check();
    EXPECT_EQ(check.state().status, nettexts::kNewVersion);
}

TEST_F(UpdateCheckTest, VersionsWithPointsCompareByTheirNumbers) {
    for (const auto& [published, newer] : std::vector<std::pair<std::string, bool>>{
             {"4.10", true}, {"4.1.1", true}, {"5.0", true}, {"4.1", false}, {"4.1.0", false}, {"4.0.9", false}}) {
        version = published;
        Check();
        EXPECT_EQ(check.state().status, newer ? nettexts::kNewVersion : nettexts::kNoUpdates) << published;
        EXPECT_EQ(check.state().getNewVersionEnabled, newer) << published;
        EXPECT_NE(check.state().versions.find(ParseVersion(published)->Text()), std::string::npos);
    }
    version = "text";
    Check();
    EXPECT_EQ(check.state().versions, "");
}

TEST_F(UpdateCheckTest, ARedirectIsFollowed) {
    UsesServer(server.Url() + "/moved");
    Check();
    EXPECT_EQ(check.state().status, nettexts::kNewVersion);
}

TEST_F(UpdateCheckTest, MissingPageRefusedConnectionAndTextAllFail) {
    UsesServer(server.Url() + "/nowhere");
    Check();
    ExpectFailure();
    EXPECT_FALSE(app.Exists("temp.tmp"));
    UsesServer(RefusingUrl());
    Check();
    ExpectFailure();
    UsesServer(server.Url());
    for (const char* text : {"new version", ""}) {
        version = text;
        Check();
        ExpectFailure();
    }
}

TEST_F(UpdateCheckTest, AProgramFolderThatCannotBeWrittenUsesTheCacheFolder) {
    app.Write("not-a-folder", "x");
    check.Activated(app.path() / "not-a-folder", cache.path() / "quorlex");
    RunToEnd(http);
    EXPECT_EQ(check.state().status, nettexts::kNewVersion);
    EXPECT_EQ(check.versionFile(), cache.path() / "quorlex" / "temp.tmp");
    EXPECT_EQ(cache.Read("quorlex/temp.tmp"), "42\r\n");
    check.Closed();
    EXPECT_FALSE(cache.Exists("quorlex/temp.tmp"));
}

TEST_F(UpdateCheckTest, CloseEndsARunningCheckAndActivationDoesNotRestartIt) {
    SilentServer silent;
    UsesServer(silent.Url());
    check.Activated(app.path(), cache.path());
    http.Wait(50ms);
    check.Activated(app.path(), cache.path());
    EXPECT_TRUE(http.Busy());
    check.Closed();
    EXPECT_FALSE(http.Busy());
    EXPECT_FALSE(check.state().running);
    EXPECT_EQ(check.state().status, nettexts::kDownloading);
}

TEST(CurlHttpClientTest, AServerThatNeverAnswersEndsAtTheTimeLimit) {
    SilentServer silent;
    CurlHttpClient client;
    Recorder recorder;
    HttpRequest request;
    request.url = silent.Url() + "/";
    request.totalTimeout = 300ms;
    const auto started = std::chrono::steady_clock::now();
    client.Start(request, recorder);
    RunToEnd(client);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    EXPECT_EQ(recorder.finished, 1);
    EXPECT_FALSE(recorder.result.ok);
    EXPECT_EQ(recorder.result.status, 0);
}

TEST(CurlHttpClientTest, ProgressBodyLimitAndForeignSchemes) {
    LoopbackServer server;
    server.routes().Get("/big", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(200000, 'x'), "application/octet-stream");
    });
    server.Start();
    CurlHttpClient client;
    Recorder recorder;
    HttpRequest request;
    request.url = server.Url() + "/big";
    client.Start(request, recorder);
    RunToEnd(client);
    ASSERT_TRUE(recorder.result.ok) << recorder.result.error;
    EXPECT_EQ(recorder.result.body.size(), 200000u);
    ASSERT_FALSE(recorder.progress.empty());
    EXPECT_EQ(recorder.progress.back(), std::make_pair(std::uint64_t{200000}, std::uint64_t{200000}));

    request.maxBodyBytes = 1000;
    client.Start(request, recorder);
    RunToEnd(client);
    EXPECT_FALSE(recorder.result.ok);

    request.url = "file:///etc/hostname";
    client.Start(request, recorder);
    RunToEnd(client);
    EXPECT_FALSE(recorder.result.ok);
    EXPECT_EQ(recorder.finished, 3);
}

namespace {

struct HeaderCheckTest : ::testing::Test {
    HeaderCheckTest() {
        server.routes().Get("/menu/csshover2.htc", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("X-Order", "second");
            res.set_header("X-Order", "first");
            res.set_content(std::string(1234, ' '), "text/x-component");
        });
        server.routes().Get("/moved", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/menu/csshover2.htc", 301);
        });
        server.Start();
    }
    void View(const std::string& url) {
        check.EditUrl(url);
        check.ViewHttpHeaders();
        EXPECT_TRUE(check.lines().empty());
        RunToEnd(http);
    }
    bool Lists(const std::string& line) const {
        return std::find(check.lines().begin(), check.lines().end(), line) != check.lines().end();
    }

    LoopbackServer server;
    FakeUi ui;
    CurlHttpClient http;
    HeaderCheck check{http, ui};
};

} // namespace

TEST_F(HeaderCheckTest, HeadersAreListedInTheOrderSent) {
    EXPECT_EQ(check.url(), "http://");
    View(server.Url() + "/menu/csshover2.htc");
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_FALSE(check.lines().empty());
    EXPECT_EQ(check.lines()[0], "HTTP/1.1 200 OK");
    EXPECT_TRUE(Lists("Content-Length=1234"));
    EXPECT_TRUE(Lists("Content-Type=text/x-component"));
    const auto second = std::find(check.lines().begin(), check.lines().end(), "X-Order=second");
    const auto first = std::find(check.lines().begin(), check.lines().end(), "X-Order=first");
    EXPECT_LT(second, first);
    EXPECT_EQ(check.url(), server.Url() + "/menu/csshover2.htc");
}

TEST_F(HeaderCheckTest, ARedirectShowsItsOwnHeaders) {
    View(server.Url() + "/moved");
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_FALSE(check.lines().empty());
    EXPECT_EQ(check.lines()[0], "HTTP/1.1 301 Moved Permanently");
    EXPECT_TRUE(Lists("Location=/menu/csshover2.htc"));
}

TEST_F(HeaderCheckTest, AnErrorStatusIsShownOnTopOfItsHeadersBesideTheMessage) {
    View(server.Url() + "/missing.htc");
    ASSERT_FALSE(check.lines().empty());
    EXPECT_EQ(check.lines()[0], "HTTP/1.1 404 Not Found");
    EXPECT_EQ(ui.messages, std::vector<std::string>{HeaderCheck::FailureMessage()});
}

TEST_F(HeaderCheckTest, TheBusyTextLastsUntilTheAnswerOrTheFailure) {
    std::vector<std::pair<std::string, size_t>> shown; // busy text and messages so far, at each change
    check.SetListener([&] { shown.emplace_back(check.busyText(), ui.messages.size()); });
    check.EditUrl(server.Url() + "/menu/csshover2.htc");
    check.ViewHttpHeaders();
    EXPECT_EQ(check.busyText(), "Checking...");
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().first, "Checking...");
    RunToEnd(http);
    EXPECT_EQ(check.busyText(), "");
    EXPECT_EQ(shown.back().first, "");

    shown.clear();
    View(RefusingUrl());
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), std::make_pair(std::string(), size_t{0})) << "cleared before the message";
    EXPECT_EQ(ui.messages.size(), 1u);

    SilentServer silent;
    check.EditUrl(silent.Url() + "/");
    check.ViewHttpHeaders();
    EXPECT_EQ(check.busyText(), "Checking...");
    check.Closed();
    EXPECT_EQ(check.busyText(), "");
    EXPECT_EQ(shown.back().first, "");
}

TEST_F(HeaderCheckTest, EveryFailureShowsTheOneMessage) {
    for (const std::string& url : {server.Url() + "/missing.htc", std::string("http://"), RefusingUrl(),
                                   std::string("file:///etc/hostname"), std::string(" " + server.Url() + "/")}) {
        ui.messages.clear();
        View(url);
        ASSERT_EQ(ui.messages.size(), 1u) << url;
        EXPECT_EQ(ui.messages[0], HeaderCheck::FailureMessage());
    }
    EXPECT_NE(HeaderCheck::FailureMessage().find("\n\nIt must look like this: \n\nhttp://"), std::string::npos);
}
