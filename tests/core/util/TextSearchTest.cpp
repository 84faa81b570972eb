#include "util/TextSearch.h"

#include "util/OrderedReplace.h"

#include <gtest/gtest.h>
#include <random>

using namespace quorlex;

TEST(ReplaceAll, IgnoresLetterCaseIncludingAccentedLetters) {
    std::string text = "a %%Color1%% b %%COLOR1%% c %%color1%%";
    EXPECT_EQ(ReplaceAll(text, "%%color1%%", "#FFF"), 3u);
    EXPECT_EQ(text, "a #FFF b #FFF c #FFF");
    std::string accented = "\xC3\x89t\xC3\x89 \xC3\xA9t\xC3\xA9";
    EXPECT_EQ(ReplaceAll(accented, "\xC3\xA9t\xC3\xA9", "x"), 2u);
    EXPECT_EQ(accented, "x x");
}

TEST(ReplaceAll, NeverMatchesAcrossALineBreak) {
    std::string text = "%%co\r\nlor%%";
    EXPECT_EQ(ReplaceAll(text, "%%co\r\nlor%%", "x"), 0u);
    EXPECT_EQ(ReplaceAll(text, "%%color%%", "x"), 0u);
    EXPECT_EQ(text, "%%co\r\nlor%%");
}

TEST(ReplaceAll, ScansOnceSoInsertedTextIsNotSearchedAgain) {
    std::string text = "[A][A]";
    ReplaceAll(text, "[a]", "[A][A]");
    EXPECT_EQ(text, "[A][A][A][A]");
    std::string overlapping = "aaa";
    ReplaceAll(overlapping, "aa", "b");
    EXPECT_EQ(overlapping, "ba");
}

TEST(ReplaceAll, EmptyPatternMatchesNothingAndEmptyValueRemoves) {
    std::string text = "x%%v%%y";
    EXPECT_EQ(ReplaceAll(text, "", "z"), 0u);
    ReplaceAll(text, "%%V%%", "");
    EXPECT_EQ(text, "xy");
}

TEST(ReplaceFirst, ReplacesOnlyTheFirstFromTheGivenPosition) {
    std::string text = "<css> and <CSS>";
    const size_t end = ReplaceFirst(text, "<css>", "one");
    EXPECT_EQ(text, "one and <CSS>");
    ReplaceFirst(text, "<css>", "two", end);
    EXPECT_EQ(text, "one and two");
    EXPECT_EQ(ReplaceFirst(text, "<css>", "three"), std::string::npos);
}

namespace {

std::string Sequential(std::string text, const std::vector<Replacement>& rows) {
    for (const auto& row : rows)
        ReplaceAll(text, row.pattern, row.text);
    return text;
}

} // namespace

TEST(ReplaceAllInOrder, HonoursTheOrderOfRows) {
    // A value holding a later row's placeholder is replaced; a prefix row hits the longer one.
    std::string text = "[c1] [c2] [c10]";
    const std::vector<Replacement> rows{{"[c1", "<[c2]>"}, {"[c2]", "two"}, {"[c10]", "ten"}};
    ReplaceAllInOrder(text, rows);
    EXPECT_EQ(text, "<two>] two <two>0]");
}

TEST(ReplaceAllInOrder, FindsMatchesFormedAcrossAnInsertedValue) {
    std::string text = "x%%A%%B%% %%%%C%%";
    const std::vector<Replacement> rows{{"%%A%%", "%%"}, {"%%B%%", "b"}, {"%%C%%", ""}, {"%%%%", "p"}};
    const std::string expected = Sequential(text, rows);
    ReplaceAllInOrder(text, rows);
    EXPECT_EQ(text, expected);
}

TEST(ReplaceAllInOrder, AgreesWithOneReplaceAllPerRowOnRandomText) {
    std::mt19937 random(7);
    const std::string alphabet = "ab%\r\nAB";
    auto randomText = [&](size_t maxLength) {
        std::string s;
        const size_t n = random() % (maxLength + 1);
        for (size_t i = 0; i < n; ++i)
            s += alphabet[random() % alphabet.size()];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text = randomText(60);
        std::vector<std::string> storage;
        for (int i = 0; i < 8; ++i)
            storage.push_back(randomText(4));
        std::vector<Replacement> rows;
        for (int i = 0; i < 8; i += 2)
            rows.push_back({storage[i], storage[i + 1]});
        const std::string expected = Sequential(text, rows);
        ReplaceAllInOrder(text, rows);
        ASSERT_EQ(text, expected) << "round " << round;
    }
}

TEST(ReplaceAllInOrder, AgreesOnPagesWithSparsePlaceholders) {
    std::mt19937 random(11);
    const std::vector<std::string> names{"%%c1%%", "%%C2%%", "%%c10%%", "%%f%%", "%%x"};
    for (int round = 0; round < 500; ++round) {
        std::string text;
        for (int i = 0; i < 60; ++i) {
            text += std::string(random() % 30, "ab \r\n%;"[random() % 7]);
            text += names[random() % names.size()];
        }
        std::vector<std::string> values;
        for (size_t i = 0; i < names.size(); ++i)
            values.push_back(random() % 3 == 0 ? names[random() % names.size()] + "v" : std::string(random() % 4, 'v'));
        std::vector<Replacement> rows;
        for (size_t i = 0; i < names.size(); ++i)
            rows.push_back({names[i], values[i]});
        const std::string expected = Sequential(text, rows);
        ReplaceAllInOrder(text, rows);
        ASSERT_EQ(text, expected) << "round " << round;
    }
}
