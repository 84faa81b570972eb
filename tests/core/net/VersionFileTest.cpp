#include "net/VersionFile.h"

#include "net/HeaderCheck.h"

#include <gtest/gtest.h>

using namespace quorlex;

TEST(VersionFileTest, TheFirstLineIsTheNumber) {
    EXPECT_EQ(PublishedVersion("41"), 41.0);
    EXPECT_EQ(PublishedVersion("42"), 42.0);
    EXPECT_EQ(PublishedVersion(" 42 "), 42.0);
    EXPECT_EQ(PublishedVersion("\t42\r\n"), 42.0);
    EXPECT_EQ(PublishedVersion("42\r\nrelease notes\r\n43"), 42.0);
    EXPECT_EQ(PublishedVersion("42\nmore"), 42.0);
    EXPECT_EQ(PublishedVersion("41.5"), 41.5);
    EXPECT_EQ(PublishedVersion("\xEF\xBB\xBF"
                               "42"),
              42.0);
}

TEST(VersionFileTest, AnythingElseIsNoNumber) {
    for (const char* text : {"", "\r\n42", "text", "42abc", "4 2", "v42", "inf", "nan", "<html>", "41,5x"})
        EXPECT_FALSE(PublishedVersion(text).has_value()) << text;
    EXPECT_GT(*PublishedVersion("42"), kRunningVersion);
    EXPECT_FALSE(*PublishedVersion("41") > kRunningVersion);
}

TEST(HeaderLineTextTest, OnlyTheFirstColonAndBlankBecomeAnEqualsSign) {
    EXPECT_EQ(HeaderLineText("Content-Length: 1234"), "Content-Length=1234");
    EXPECT_EQ(HeaderLineText("Location: http://host/a"), "Location=http://host/a");
    EXPECT_EQ(HeaderLineText("X-Note: a: b"), "X-Note=a: b");
    EXPECT_EQ(HeaderLineText("X-Empty:"), "X-Empty:");
}
