#include "net/VersionFile.h"

#include "net/HeaderCheck.h"
#include "net/StatusLine.h"
#include "net/UpdateCheck.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

std::string Published(std::string_view fileText) {
    const auto version = PublishedVersion(fileText);
    return version ? version->Text() : "none";
}

int Compare(const char* a, const char* b) { return CompareVersions(*ParseVersion(a), *ParseVersion(b)); }

} // namespace

TEST(VersionFileTest, TheFirstLineIsTheVersion) {
    EXPECT_EQ(Published("4.2"), "4.2");
    EXPECT_EQ(Published(" 4.2 "), "4.2");
    EXPECT_EQ(Published("\t4.2\r\n"), "4.2");
    EXPECT_EQ(Published("4.2\r\nrelease notes\r\n4.3"), "4.2");
    EXPECT_EQ(Published("4.2\nmore"), "4.2");
    EXPECT_EQ(Published("4.10.3"), "4.10.3");
    EXPECT_EQ(Published("4.01"), "4.1");
    EXPECT_EQ(Published("\xEF\xBB\xBF"
                        "4.2"),
              "4.2");
}

TEST(VersionFileTest, ANumberWithoutAPointHasItBeforeTheLastDigit) {
    EXPECT_EQ(Published("41"), "4.1");
    EXPECT_EQ(Published(" 42 "), "4.2");
    EXPECT_EQ(Published("410"), "41.0");
    EXPECT_EQ(Published("5"), "5");
}

TEST(VersionFileTest, AnythingElseIsNoVersion) {
    for (const char* text : {"", "\r\n42", "text", "42abc", "4 2", "v42", "inf", "nan", "<html>", "41,5", "4.", ".4",
                             "4..1", "-4.1", "+42", "4.1a", "99999999999.1", "4.99999999999"})
        EXPECT_EQ(Published(text), "none") << text;
}

TEST(VersionFileTest, VersionsCompareByTheirNumbersPartByPart) {
    EXPECT_GT(Compare("4.2", "4.1"), 0);
    EXPECT_GT(Compare("4.10", "4.9"), 0);
    EXPECT_LT(Compare("4.9", "4.10"), 0);
    EXPECT_GT(Compare("5", "4.9.9"), 0);
    EXPECT_GT(Compare("4.1.1", "4.1"), 0);
    EXPECT_EQ(Compare("4.1.0", "4.1"), 0);
    EXPECT_EQ(Compare("41", "4.1"), 0);
    EXPECT_GT(Compare("42", "4.1"), 0);
    EXPECT_LT(Compare("4.0", "41"), 0);
    EXPECT_GT(Compare("4.1", "3.99"), 0);
    EXPECT_EQ(RunningVersion().Text(), "4.1");
}

TEST(VersionFileTest, TheVersionsLineNamesBoth) {
    const VersionNumber running = *ParseVersion("4.1");
    EXPECT_EQ(VersionsText(*ParseVersion("42"), running), "Version 4.2 is available; you have version 4.1.");
    EXPECT_EQ(VersionsText(*ParseVersion("4.1"), running), "You have version 4.1; the newest published is 4.1.");
    EXPECT_EQ(VersionsText(*ParseVersion("4.0"), running), "You have version 4.1; the newest published is 4.0.");
}

TEST(StatusLineTest, ProtocolCodeAndReasonAreRead) {
    const auto status = ParseStatusLine("HTTP/1.1 404 Not Found\r\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->protocol, "HTTP/1.1");
    EXPECT_EQ(status->code, 404);
    EXPECT_EQ(status->reason, "Not Found");
    EXPECT_EQ(ParseStatusLine("HTTP/1.0 302 Moved for now")->reason, "Moved for now");
    EXPECT_EQ(ParseStatusLine("HTTP/2 200")->reason, "");
    for (const char* line : {"", "HTTP/1.1", "HTTP/1.1 ", "HTTP/1.1 40", "HTTP/1.1 4044 x", "HTTP/1.1 abc OK",
                             "Content-Type: text/html", "http/1.1 200 OK"})
        EXPECT_FALSE(ParseStatusLine(line)) << line;
}

TEST(StatusLineTest, TheWindowShowsTheLineWithAReasonWhereOneIsKnown) {
    EXPECT_EQ(StatusLineShown("HTTP/1.1 404 Not Found"), "HTTP/1.1 404 Not Found");
    EXPECT_EQ(StatusLineShown("HTTP/2 404"), "HTTP/2 404 Not Found");
    EXPECT_EQ(StatusLineShown("HTTP/2 302 "), "HTTP/2 302 Found");
    EXPECT_EQ(StatusLineShown("HTTP/2 299"), "HTTP/2 299");
    EXPECT_EQ(StatusLineShown("HTTP/1.1 oops"), "HTTP/1.1 oops");
}

TEST(HeaderLineTextTest, OnlyTheFirstColonAndBlankBecomeAnEqualsSign) {
    EXPECT_EQ(HeaderLineText("Content-Length: 1234"), "Content-Length=1234");
    EXPECT_EQ(HeaderLineText("Location: http://host/a"), "Location=http://host/a");
    EXPECT_EQ(HeaderLineText("X-Note: a: b"), "X-Note=a: b");
    EXPECT_EQ(HeaderLineText("X-Empty:"), "X-Empty:");
}
