#include "publish/PublishPlan.h"

#include "publish/Manifest.h"
#include "publish/RemotePath.h"
#include "support/TestFolder.h"
#include "util/Error.h"
#include "util/Sha256.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

TEST(Sha256, MatchesTheStandardsTestVectors) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1")
        << "two padding blocks";
    EXPECT_EQ(Sha256Hex(std::string(1000000, 'a')), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(Manifest, ListsTheSitesFilesAndReadsItsOwnTextBack) {
    TestFolder site;
    site.Write("index.html", "<p>home</p>");
    site.Write("css/main.css", "body{}");
    site.Write(kManifestName, "left out");
    const Manifest manifest = ManifestOfFolder(site.path());
    ASSERT_EQ(manifest.size(), 2u);
    EXPECT_EQ(manifest.at("css/main.css").size, 6u);
    EXPECT_EQ(manifest.at("index.html").sha256, Sha256Hex("<p>home</p>"));
    EXPECT_EQ(ParseManifest(ManifestText(manifest)), manifest);

    const std::string hash(64, 'a');
    EXPECT_THROW(ParseManifest(hash + " 12\n"), Error) << "no name";
    EXPECT_THROW(ParseManifest(hash + " x12 a.html\n"), Error);
    try {
        ParseManifest(hash + " 1 ok.html\n" + hash + " 1 ../../etc/passwd\n");
        ADD_FAILURE() << "a name leaving the folder was read";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("line 2"), std::string::npos) << error.what();
    }
}

TEST(PublishPlan, SendsOnlyWhatChangedAndDeletesOnlyWhenAsked) {
    const Manifest published{{"index.html", {10, std::string(64, '1')}},
                             {"css/main.css", {5, std::string(64, '2')}},
                             {"old.html", {7, std::string(64, '3')}}};
    Manifest site = published;
    site.erase("old.html");
    site["css/main.css"] = {6, std::string(64, '4')};
    site["about.html"] = {2048, std::string(64, '5')};

    const PublishPlan keep = PlanPublish(site, published, false);
    EXPECT_EQ(keep.upload, (std::vector<std::string>{"about.html", "css/main.css"}));
    EXPECT_EQ(keep.unchanged, (std::vector<std::string>{"index.html"}));
    EXPECT_TRUE(keep.remove.empty());
    EXPECT_EQ(keep.kept, (std::vector<std::string>{"old.html"}));
    EXPECT_EQ(keep.uploadBytes, 2054u);
    EXPECT_EQ(DryRunText(keep, site), "upload about.html (2.0 KB)\nupload css/main.css (6 bytes)\n"
                                      "keep old.html (no longer in the site)\n"
                                      "2 to upload (2.0 KB), 0 to delete, 1 unchanged.");

    const PublishPlan remove = PlanPublish(site, published, true);
    EXPECT_EQ(remove.remove, (std::vector<std::string>{"old.html"}));
    EXPECT_TRUE(remove.kept.empty());
    EXPECT_EQ(PlanPublish(site, {}, true).upload.size(), 3u) << "a first publish sends everything";
}

TEST(RemotePath, NamesAndFoldersStayInsideTheRemoteFolder) {
    EXPECT_FALSE(RemoteNameRefusal("css/main.css"));
    EXPECT_FALSE(RemoteNameRefusal("..hidden"));
    for (const char* bad : {"../up.html", "a/../../b", "/etc/passwd", "a//b", "a\\b", "dir/", "", "a\nb"})
        EXPECT_TRUE(RemoteNameRefusal(bad)) << bad;
    EXPECT_FALSE(RemoteFolderRefusal("/var/www/site"));
    EXPECT_FALSE(RemoteFolderRefusal("public_html"));
    EXPECT_TRUE(RemoteFolderRefusal("public_html/../../root"));
}
