#include "app/PublishPage.h"

#include "app/CommandLine.h"
#include "app/Session.h"
#include "output/Generation.h"
#include "publish/SecretStore.h"
#include "support/Fakes.h"
#include "support/PackageBuilder.h"
#include "support/TestFolder.h"
#include "support/TestServers.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace quorlex;
using namespace quorlex::test;

namespace {

class Quiet : public PublishListener {
public:
    bool Progress(const PublishProgress&) override { return true; }
    bool KeepGoing() override { return !stop; }
    bool stop = false;
};

PublishTarget Sftp(const std::string& name) {
    PublishTarget target;
    target.name = name;
    target.host = "example.org";
    target.user = "me";
    target.remoteFolder = "www";
    return target;
}

// A home folder of the test's own (its known_hosts), an SFTP server and the small package.
struct PublishOnSftp : ::testing::Test {
    PublishOnSftp() {
        setenv("HOME", home.path().c_str(), 1);
        WriteSmallPackage(app);
    }

    TestFolder home;
    TestFolder folder;
    SftpTestServer server{folder.path()};
    TestFolder app;
};

} // namespace

TEST(PublishPage, TargetsAreKeptPlainFtpOnlyAfterTheWarningAndADamagedFileIsSetAside) {
    TestFolder data;
    FakeUi ui;
    MemorySecretStore secrets;
    PublishPage page(ui, secrets);
    page.SetFolder(data.path());
    ASSERT_TRUE(page.SaveTarget(Sftp("web")));
    EXPECT_FALSE(page.SaveTarget(Sftp("web"))) << "a second target of that name";
    PublishTarget bad = Sftp("odd");
    bad.host = "sftp://example.org";
    EXPECT_FALSE(page.SaveTarget(bad));
    bad = Sftp("../up");
    EXPECT_FALSE(page.SaveTarget(bad));
    bad = Sftp("up");
    bad.remoteFolder = "www/../../etc";
    EXPECT_FALSE(page.SaveTarget(bad));
    EXPECT_EQ(ui.errors.size(), 4u);

    PublishTarget plain = Sftp("plain");
    plain.protocol = PublishProtocol::Ftp;
    ui.answers = {Answer::No};
    EXPECT_FALSE(page.SaveTarget(plain));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_NE(ui.questions[0].find("unencrypted"), std::string::npos);
    ui.answers = {Answer::Yes};
    EXPECT_TRUE(page.SaveTarget(plain));
    plain.port = 2121;
    EXPECT_TRUE(page.SaveTarget(plain, "plain"));
    EXPECT_EQ(ui.questions.size(), 2u) << "an FTP target already warned about is not asked about again";

    PublishPage again(ui, secrets);
    again.SetFolder(data.path());
    EXPECT_EQ(again.targets(), page.targets());
    EXPECT_EQ(again.Find("plain")->port, 2121);
    EXPECT_EQ(data.Read("targets.xml").find("password"), std::string::npos);

    secrets.secrets[SecretKey(Sftp("web"))] = "kept";
    ui.answers = {Answer::No};
    EXPECT_FALSE(page.DeleteTarget("web"));
    EXPECT_TRUE(page.Find("web"));
    EXPECT_TRUE(page.DeleteTarget("web"));
    EXPECT_TRUE(secrets.secrets.empty()) << "a deleted target's secret goes with it";

    data.Write("targets.xml", "<publish-targets><target><name>x</name>");
    FakeUi damagedUi;
    PublishPage damaged(damagedUi, secrets);
    damaged.SetFolder(data.path());
    EXPECT_TRUE(damaged.targets().empty());
    ASSERT_EQ(damagedUi.errors.size(), 1u);
    EXPECT_TRUE(data.Exists("targets.xml.damaged"));
}

TEST(PublishPage, TheSecretIsAskedKeptOnceTheServerTookItAndAskedAgainWhenRefused) {
    TestFolder folder;
    FtpTestServer server(folder.path(), {true});
    TestFolder site;
    site.Write("index.html", "<p>hello</p>");
    FakeUi ui;
    MemorySecretStore secrets;
    PublishPage page(ui, secrets);
    page.SetFolder(folder.path() / "data");
    ASSERT_TRUE(page.SaveTarget(server.Target("web")));

    EXPECT_FALSE(page.Prepare("web", site.path(), false)) << "cancelled at the password";
    ui.secrets = {std::string("guest")};
    auto job = page.Prepare("web", site.path(), false);
    ASSERT_TRUE(job);
    const PublishOutcome outcome = RunPublishJob(*job, *std::make_unique<Quiet>());
    EXPECT_EQ(outcome.kind, PublishOutcome::Kind::Published) << outcome.text;
    EXPECT_FALSE(page.Finish(*job, outcome));
    EXPECT_EQ(secrets.secrets.at(SecretKey(server.Target("web"))), "guest");
    EXPECT_EQ(ParseManifest(folder.Read("data/records/web.record")), outcome.record);
    ASSERT_TRUE(page.Prepare("web", site.path(), true));
    EXPECT_EQ(ui.secretPrompts.size(), 2u) << "a kept secret is not asked for";

    PublishTarget stranger = server.Target("stranger");
    stranger.user = "stranger";
    ASSERT_TRUE(page.SaveTarget(stranger));
    ui.secrets = {std::string("one"), std::string("two")};
    job = page.Prepare("stranger", site.path(), false);
    ASSERT_TRUE(job);
    PublishOutcome refused = RunPublishJob(*job, *std::make_unique<Quiet>());
    EXPECT_EQ(refused.kind, PublishOutcome::Kind::LoginRefused) << refused.text;
    job = page.Finish(*job, refused);
    ASSERT_TRUE(job) << "asked again";
    EXPECT_EQ(job->access.secret, "two");
    EXPECT_NE(ui.secretPrompts.back().find("refused"), std::string::npos);
    refused = RunPublishJob(*job, *std::make_unique<Quiet>());
    EXPECT_FALSE(page.Finish(*job, refused)) << "the user gave up";
    EXPECT_EQ(secrets.secrets.count(SecretKey(stranger)), 0u) << "a refused secret is never kept";
    EXPECT_EQ(ui.errors.size(), 1u);
}

TEST(PublishPage, TheSiteChecksQuestionComesBeforeAPublishButNotBeforeADryRun) {
    TestFolder data;
    TestFolder site;
    FakeUi ui;
    MemorySecretStore secrets;
    secrets.secrets[SecretKey(Sftp("web"))] = "pw";
    PublishPage page(ui, secrets);
    page.SetFolder(data.path());
    page.SaveTarget(Sftp("web"));
    ui.answers = {Answer::No};
    EXPECT_FALSE(page.Prepare("web", site.path(), false, std::string("2 problems. Publish anyway?")));
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_TRUE(page.Prepare("web", site.path(), true, std::string("2 problems. Publish anyway?")));
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_FALSE(page.Prepare("web", data.path() / "none", true));
    EXPECT_FALSE(page.Prepare("nothing", site.path(), true));
    EXPECT_EQ(ui.errors.size(), 2u);
}

TEST(PublishPage, ARunSendsTheSiteAsItWasWhenAskedAndCancelStopsEvenAConnection) {
    TestFolder folder;
    FtpTestServer server(folder.path(), {});
    TestFolder site;
    site.Write("index.html", "as asked");
    site.Write("old.css", "kept");
    FakeUi ui;
    MemorySecretStore secrets;
    PublishPage page(ui, secrets);
    page.SetFolder(folder.path() / "data");
    page.SaveTarget(server.Target("web"));
    ui.secrets = {std::string("guest")};
    auto job = page.Prepare("web", site.path(), false);
    ASSERT_TRUE(job);
    fs::remove_all(site.path() / "old.css");
    site.Write("index.html", "generated again meanwhile");
    Quiet quiet;
    const PublishOutcome outcome = RunPublishJob(*job, quiet);
    ASSERT_EQ(outcome.kind, PublishOutcome::Kind::Published) << outcome.text;
    EXPECT_EQ(folder.Read("ftp/root/site/index.html"), "as asked");
    EXPECT_EQ(folder.Read("ftp/root/site/old.css"), "kept");
    page.Finish(*job, outcome);
    EXPECT_FALSE(fs::exists(page.SendingFolder("web"))) << "the run's copy goes when the run is over";
    EXPECT_EQ(site.Read("index.html"), "generated again meanwhile");

    ScriptedServer silent("");
    PublishTarget hanging = server.Target("hanging");
    hanging.port = silent.port();
    ASSERT_TRUE(page.SaveTarget(hanging));
    ui.secrets = {std::string("guest")};
    job = page.Prepare("hanging", site.path(), true);
    ASSERT_TRUE(job);
    quiet.stop = true;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(RunPublishJob(*job, quiet).kind, PublishOutcome::Kind::Cancelled);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << "well before the 10 s timeout";
}

TEST_F(PublishOnSftp, ANewHostKeyIsAcceptedOnceAndTheCommandLinePublishesTheGeneratedSite) {
    FakeUi ui;
    MemorySecretStore secrets;
    PublishPage page(ui, secrets);
    page.SetFolder(app.path() / "publish");
    ASSERT_TRUE(page.SaveTarget(server.Target("web")));

    std::ostringstream out, err;
    const CommandLine dryRun = ParseCommandLine({"--publish", "pkg", "--target", "web", "--dry-run"});
    EXPECT_EQ(RunCommandLine(dryRun, ProgramFolders::InPlace(app.path()), out, err), 1);
    EXPECT_NE(err.str().find("not accepted yet"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(home.path() / ".ssh/known_hosts")) << "the command line accepts no key itself";

    TestFolder site;
    site.Write("index.html", "x");
    auto job = page.Prepare("web", site.path(), true);
    ASSERT_TRUE(job);
    const PublishOutcome unknown = RunPublishJob(*job, *std::make_unique<Quiet>());
    ASSERT_EQ(unknown.kind, PublishOutcome::Kind::UnknownHostKey) << unknown.text;
    EXPECT_NE(unknown.text.find("SHA256:"), std::string::npos);
    ui.answers = {Answer::Yes};
    job = page.Finish(*job, unknown);
    ASSERT_TRUE(job && job->access.acceptedKey);
    EXPECT_EQ(RunPublishJob(*job, *std::make_unique<Quiet>()).kind, PublishOutcome::Kind::Checked);
    EXPECT_TRUE(fs::exists(home.path() / ".ssh/known_hosts"));

    out.str("");
    err.str("");
    EXPECT_EQ(RunCommandLine(dryRun, ProgramFolders::InPlace(app.path()), out, err), 0) << err.str();
    EXPECT_NE(out.str().find("upload index.html"), std::string::npos) << out.str();
    EXPECT_FALSE(fs::exists(server.remote() / "index.html")) << "a dry run changes nothing";

    const CommandLine publish = ParseCommandLine({"--publish", "pkg", "--target", "web"});
    EXPECT_EQ(RunCommandLine(publish, ProgramFolders::InPlace(app.path()), out, err), 0) << err.str();
    EXPECT_TRUE(fs::exists(server.remote() / "index.html"));
    EXPECT_TRUE(fs::exists(server.remote() / kManifestName));
    out.str("");
    EXPECT_EQ(RunCommandLine(publish, ProgramFolders::InPlace(app.path()), out, err), 0) << err.str();
    EXPECT_NE(out.str().find("Published: 0 files sent"), std::string::npos) << out.str();

    EXPECT_EQ(ParseCommandLine({"--publish", "pkg"}).mode, CommandMode::Invalid);
    EXPECT_EQ(ParseCommandLine({"--publish", "pkg", "--target", "web", "--out", "x"}).mode, CommandMode::Invalid);
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--publish", "pkg", "--target", "none"}),
                             ProgramFolders::InPlace(app.path()), out, err),
              1);
}

TEST_F(PublishOnSftp, AColorChangedOnItsPageRepublishesOnlyTheFilesItChanged) {
    FakeUi ui;
    RecordingPlatform platform;
    FakeBrowsers browsers;
    Session session(ui, platform, browsers);
    MemorySecretStore secrets;
    session.publishPage().UseSecretStore(secrets);
    session.FormCreate(app.path());
    session.catalogPage().ListView1SelectItem(0, true);
    session.RecalculateTemplate();
    ASSERT_TRUE(session.publishPage().SaveTarget(server.Target("web")));
    auto publish = [&] {
        session.filesPage().GenerateTemplate();
        std::optional<PublishJob> job = session.PreparePublish("web", false);
        PublishOutcome outcome;
        Quiet quiet;
        while (job) {
            outcome = RunPublishJob(*job, quiet);
            job = session.publishPage().Finish(*job, outcome);
        }
        EXPECT_EQ(outcome.kind, PublishOutcome::Kind::Published) << outcome.text;
        return outcome.plan;
    };
    const PublishPlan first = publish();
    ASSERT_FALSE(first.upload.empty());

    session.colorsPage().TitleClicked(0);
    session.colorsPage().SwatchClicked(5);
    const PublishPlan second = publish();
    ASSERT_FALSE(second.upload.empty()) << "the color is in the site";
    EXPECT_LT(second.upload.size(), first.upload.size());
    for (const std::string& name : second.upload)
        EXPECT_TRUE(name.size() > 4 &&
                    (name.substr(name.size() - 4) == ".css" || name.substr(name.size() - 5) == ".html"))
            << name << " did not change with a color";
    EXPECT_EQ(ManifestOfFolder(server.remote()), ManifestOfFolder(OutputFolder(*session.workspace())));
}
