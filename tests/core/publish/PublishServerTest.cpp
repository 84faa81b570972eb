#include "publish/CurlRemoteSite.h"
#include "publish/PublishRun.h"
#include "support/TestFolder.h"
#include "support/TestServers.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

using namespace quorlex;
using namespace quorlex::test;

namespace {

// Stops nothing; counts what it was told and can act in the middle of a file.
class Watch : public PublishListener {
public:
    bool Progress(const PublishProgress& progress) override {
        last = progress;
        files.insert(progress.file);
        return !midFile || !(progress.file == midFileName && progress.bytesDone > 0 && midFile());
    }
    PublishProgress last;
    std::set<std::string> files;
    std::string midFileName;
    std::function<bool()> midFile; // true stops the publish
};

// A site of a page, a stylesheet in a folder and a picture.
void WriteSite(const TestFolder& site, const std::string& color) {
    site.Write("index.html", "<html><link href=\"css/main.css\" rel=\"stylesheet\"><p>Übersicht</p></html>");
    site.Write("css/main.css", "body { color: " + color + "; }");
    site.Write("images/my banner.jpg", std::string(40000, '\xAB'));
}

std::string FileText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string ServerFile(const fs::path& remote, const std::string& name) { return FileText(remote / name); }

RemoteAccess Access(const PublishTarget& target, const fs::path& knownHosts, const std::string& secret = {}) {
    RemoteAccess access;
    access.target = target;
    access.knownHosts = knownHosts;
    access.secret = secret;
    return access;
}

// The SFTP access with the server's key accepted (as the user does at the first publish).
RemoteAccess Trusted(const SftpTestServer& server) {
    RemoteAccess access = Access(server.Target("web"), server.knownHosts());
    CurlRemoteSite first(access);
    try {
        first.Fetch(kManifestName);
    } catch (const UnknownHostKey& unknown) {
        access.acceptedKey = unknown.key();
    }
    return access;
}

Manifest PublishAll(const fs::path& site, RemoteSite& remote, bool deleteRemoved, PublishPlan* plan = nullptr) {
    Watch watch;
    const PublishComparison comparison = ComparePublish(site, remote, deleteRemoved);
    if (plan)
        *plan = comparison.plan;
    return Publish(site, comparison, remote, watch);
}

void ExpectSameFiles(const fs::path& site, const fs::path& remote) {
    for (const auto& [name, entry] : ManifestOfFolder(site))
        EXPECT_EQ(ServerFile(remote, name), ServerFile(site, name)) << name;
}

} // namespace

TEST(PublishSftp, FirstPublishThenOnlyTheChangeAndDeletionsOnlyWhenAsked) {
    TestFolder folder;
    SftpTestServer server(folder.path());
    TestFolder site;
    WriteSite(site, "navy");
    RemoteAccess access = Trusted(server);
    ASSERT_TRUE(access.acceptedKey) << "a new server's key is asked about";
    CurlRemoteSite remote(access);

    PublishPlan plan;
    const Manifest first = PublishAll(site.path(), remote, false, &plan);
    EXPECT_EQ(plan.upload.size(), 3u);
    ExpectSameFiles(site.path(), server.remote());
    EXPECT_EQ(ParseManifest(ServerFile(server.remote(), kManifestName)), first);
    EXPECT_NE(FileText(server.knownHosts()).find("[127.0.0.1]:" + std::to_string(server.port()) + " ssh-ed25519 "),
              std::string::npos)
        << "the accepted key is kept for the next time";

    site.Write("css/main.css", "body { color: maroon; }");
    const fs::file_time_type pictureTime = fs::last_write_time(server.remote() / "images/my banner.jpg");
    PublishAll(site.path(), remote, false, &plan);
    EXPECT_EQ(plan.upload, std::vector<std::string>{"css/main.css"});
    EXPECT_EQ(ServerFile(server.remote(), "css/main.css"), "body { color: maroon; }");
    EXPECT_EQ(fs::last_write_time(server.remote() / "images/my banner.jpg"), pictureTime);

    fs::remove(site.path() / "images/my banner.jpg");
    PublishAll(site.path(), remote, false, &plan);
    EXPECT_EQ(plan.kept, std::vector<std::string>{"images/my banner.jpg"});
    EXPECT_TRUE(fs::exists(server.remote() / "images/my banner.jpg")) << "deleting is off by default";
    PublishAll(site.path(), remote, true, &plan);
    EXPECT_EQ(plan.remove, std::vector<std::string>{"images/my banner.jpg"});
    EXPECT_FALSE(fs::exists(server.remote() / "images/my banner.jpg"));
    EXPECT_EQ(ParseManifest(ServerFile(server.remote(), kManifestName)).count("images/my banner.jpg"), 0u);
    for (const auto& entry : fs::recursive_directory_iterator(server.remote()))
        EXPECT_EQ(entry.path().filename().string().rfind(".quorlex-"),
                  entry.path().filename().string().rfind(".quorlex-publish"))
            << "no temporary file is left: " << entry.path();
}

TEST(PublishSftp, ADroppedConnectionLeavesNoHalfFileAndTheNextPublishCompletes) {
    TestFolder folder;
    SftpTestServer server(folder.path());
    TestFolder site;
    WriteSite(site, "navy");
    const std::string big(24 << 20, 'x');
    site.Write("big.bin", big);
    CurlRemoteSite remote(Trusted(server));
    server.remote();

    Watch watch;
    watch.midFileName = "big.bin";
    watch.midFile = [&] {
        server.DropConnections();
        return false;
    };
    const PublishComparison comparison = ComparePublish(site.path(), remote, false);
    EXPECT_THROW(Publish(site.path(), comparison, remote, watch), Error);
    EXPECT_FALSE(fs::exists(server.remote() / "big.bin")) << "never a half file under the real name";

    const Manifest record = PublishAll(site.path(), remote, false);
    EXPECT_EQ(ServerFile(server.remote(), "big.bin"), big);
    EXPECT_EQ(record.size(), 4u);
    EXPECT_FALSE(fs::exists(server.remote() / ".big.bin.quorlex-upload"));
}

TEST(PublishSftp, CancelKeepsTheOldFileAndTheFilesSentBefore) {
    TestFolder folder;
    SftpTestServer server(folder.path());
    TestFolder site;
    WriteSite(site, "navy");
    site.Write("video/big.bin", "old");
    CurlRemoteSite remote(Trusted(server));
    PublishAll(site.path(), remote, false);

    site.Write("video/big.bin", std::string(8 << 20, 'n'));
    site.Write("css/main.css", "body { color: teal; }");
    Watch watch;
    watch.midFileName = "video/big.bin";
    watch.midFile = [] { return true; };
    const PublishComparison comparison = ComparePublish(site.path(), remote, false);
    EXPECT_THROW(Publish(site.path(), comparison, remote, watch), TransferCancelled);
    EXPECT_EQ(ServerFile(server.remote(), "video/big.bin"), "old");
    EXPECT_FALSE(fs::exists(server.remote() / "video/.big.bin.quorlex-upload"));
    EXPECT_FALSE(fs::exists(server.remote() / "video/.big.bin.quorlex-old"));
    EXPECT_EQ(ServerFile(server.remote(), "css/main.css"), "body { color: teal; }") << "sent before, in its folder";
    PublishPlan plan;
    PublishAll(site.path(), remote, false, &plan);
    EXPECT_EQ(plan.upload, std::vector<std::string>{"video/big.bin"}) << "the record lists what was done";
}

TEST(PublishSftp, AFullDiskFailsWithTheServersReasonAndLeavesNoHalfFile) {
    TestFolder folder;
    SftpTestServer server(folder.path(), 1 << 20);
    TestFolder site;
    WriteSite(site, "navy");
    site.Write("video.bin", std::string(3 << 20, 'v'));
    CurlRemoteSite remote(Trusted(server));
    try {
        PublishAll(site.path(), remote, false);
        ADD_FAILURE() << "a full disk was reported as success";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("video.bin"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(fs::exists(server.remote() / "video.bin"));
    EXPECT_FALSE(fs::exists(server.remote() / ".video.bin.quorlex-upload"));
    EXPECT_TRUE(fs::exists(server.remote() / "css/main.css"));
}

TEST(PublishSftp, AChangedHostKeyIsRefusedBeforeAnythingIsSent) {
    TestFolder folder;
    SftpTestServer server(folder.path());
    TestFolder site;
    WriteSite(site, "navy");
    const RemoteAccess access = Trusted(server);
    {
        CurlRemoteSite remote(access);
        PublishAll(site.path(), remote, false);
    }
    server.ChangeHostKey();
    site.Write("css/main.css", "body { color: red; }");
    RemoteAccess again = access;
    again.acceptedKey.reset();
    CurlRemoteSite remote(again);
    try {
        PublishAll(site.path(), remote, false);
        ADD_FAILURE() << "a changed host key was accepted";
    } catch (const UnknownHostKey&) {
        ADD_FAILURE() << "a changed key is not a new one";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("is not the one"), std::string::npos) << error.what();
    }
    EXPECT_EQ(ServerFile(server.remote(), "css/main.css"), "body { color: navy; }");
}

TEST(PublishSftp, AKeyTheServerDoesNotKnowIsALoginRefusal) {
    TestFolder folder;
    SftpTestServer server(folder.path());
    RemoteAccess access = Trusted(server);
    std::system(("ssh-keygen -q -t ed25519 -N '' -f " + (folder.path() / "other_key").string()).c_str());
    access.target.keyFile = folder.path() / "other_key";
    CurlRemoteSite remote(access);
    EXPECT_THROW(remote.Fetch(kManifestName), LoginRefused);
}

TEST(PublishFtp, PlainAndTlsPublishOnlyTheChangeAndDeleteWhenAsked) {
    for (const bool tls : {false, true}) {
        SCOPED_TRACE(tls ? "FTPS" : "FTP");
        TestFolder folder;
        FtpTestServer server(folder.path(), {tls});
        TestFolder site;
        WriteSite(site, "navy");
        CurlRemoteSite remote(Access(server.Target("web"), {}, "guest"));
        PublishPlan plan;
        PublishAll(site.path(), remote, false, &plan);
        EXPECT_EQ(plan.upload.size(), 3u);
        ExpectSameFiles(site.path(), server.remote());

        site.Write("css/main.css", "body { color: maroon; }");
        fs::remove(site.path() / "images/my banner.jpg");
        PublishAll(site.path(), remote, true, &plan);
        EXPECT_EQ(plan.upload, std::vector<std::string>{"css/main.css"});
        EXPECT_EQ(ServerFile(server.remote(), "css/main.css"), "body { color: maroon; }");
        EXPECT_FALSE(fs::exists(server.remote() / "images/my banner.jpg"));
    }
}

TEST(PublishFtp, TlsWithoutTrustInTheCertificateSendsNothing) {
    TestFolder folder;
    FtpTestServer server(folder.path(), {true});
    PublishTarget target = server.Target("web");
    target.caFile.clear();
    CurlRemoteSite remote(Access(target, {}, "guest"));
    TestFolder site;
    WriteSite(site, "navy");
    EXPECT_THROW(PublishAll(site.path(), remote, false), Error);
    EXPECT_FALSE(fs::exists(server.remote() / "index.html"));
}

TEST(PublishFtp, ARefusedRenameAFullDiskAndADroppedConnectionNeverShowAHalfFile) {
    TestFolder site;
    WriteSite(site, "navy");
    site.Write("video.bin", std::string(6 << 20, 'v'));
    {
        TestFolder folder;
        FtpTestServer server(folder.path(), {false, true});
        CurlRemoteSite remote(Access(server.Target("web"), {}, "guest"));
        EXPECT_THROW(PublishAll(site.path(), remote, false), Error) << "a refused rename";
        EXPECT_FALSE(fs::exists(server.remote() / "images/my banner.jpg"));
        EXPECT_FALSE(fs::exists(server.remote() / "index.html"));
    }
    {
        TestFolder folder;
        FtpTestServer server(folder.path(), {false, false, 1 << 20});
        CurlRemoteSite remote(Access(server.Target("web"), {}, "guest"));
        EXPECT_THROW(PublishAll(site.path(), remote, false), Error) << "a full disk";
        EXPECT_FALSE(fs::exists(server.remote() / "video.bin"));
    }
    TestFolder folder;
    FtpTestServer server(folder.path(), {});
    CurlRemoteSite remote(Access(server.Target("web"), {}, "guest"));
    Watch watch;
    watch.midFileName = "video.bin";
    watch.midFile = [&] {
        server.DropConnections();
        return false;
    };
    EXPECT_THROW(Publish(site.path(), ComparePublish(site.path(), remote, false), remote, watch), Error);
    EXPECT_FALSE(fs::exists(server.remote() / "video.bin"));
    PublishAll(site.path(), remote, false);
    ExpectSameFiles(site.path(), server.remote());
}

TEST(PublishServers, SilenceTimesOutAndGarbageIsNoSuccess) {
    for (const std::string& greeting :
         {std::string(), std::string("HTTP/1.1 400 Bad Request\r\n\r\n\x01\x02garbage")}) {
        ScriptedServer scripted(greeting);
        for (const PublishProtocol protocol : {PublishProtocol::Sftp, PublishProtocol::Ftp}) {
            PublishTarget target;
            target.name = "odd";
            target.protocol = protocol;
            target.host = "127.0.0.1";
            target.port = scripted.port();
            target.user = "me";
            RemoteAccess access = Access(target, fs::temp_directory_path() / "no-known-hosts", "pw");
            access.connectTimeout = std::chrono::milliseconds(800);
            access.stallTimeout = std::chrono::milliseconds(1000);
            CurlRemoteSite remote(access);
            const auto start = std::chrono::steady_clock::now();
            EXPECT_THROW(remote.Fetch(kManifestName), Error) << ProtocolName(protocol) << " " << greeting;
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
        }
    }
}

TEST(PublishServers, ADamagedRecordSendsEverythingAndDeletesNothing) {
    TestFolder folder;
    SftpTestServer server(folder.path());
    TestFolder site;
    WriteSite(site, "navy");
    std::ofstream(server.remote() / kManifestName) << std::string(64, 'a') << " 3 ../../outside\n";
    std::ofstream(server.remote() / "old.html") << "old";
    CurlRemoteSite remote(Trusted(server));
    const PublishComparison comparison = ComparePublish(site.path(), remote, true);
    EXPECT_NE(comparison.notice.find("damaged"), std::string::npos) << comparison.notice;
    EXPECT_EQ(comparison.plan.upload.size(), 3u);
    EXPECT_TRUE(comparison.plan.remove.empty());
}
