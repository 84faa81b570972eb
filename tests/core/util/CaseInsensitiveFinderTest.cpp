#include "util/TextSearch.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace quorlex;

// The finder checked against a plain byte-by-byte search. Texts live in buffers of exactly
// their size, so a vector load past the end shows up under AddressSanitizer.
namespace {

// The letters with both cases in Windows-1252, folded by code point, written out
// independently of the finder's tables. Bytes that are no UTF-8 stay as they are.
char32_t RefLowerCodePoint(char32_t cp) {
    if ((cp >= 'A' && cp <= 'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7))
        return cp + 32;
    switch (cp) {
    case 0x160: return 0x161;
    case 0x152: return 0x153;
    case 0x17D: return 0x17E;
    case 0x178: return 0xFF;
    default: return cp;
    }
}

char32_t RefUpperCodePoint(char32_t cp) {
    for (const char32_t upper : {char32_t(cp - 32), char32_t(cp - 1), char32_t{0x178}})
        if (upper != cp && RefLowerCodePoint(upper) == cp)
            return upper;
    return cp;
}

void AppendTwoBytes(std::string& out, char32_t cp) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

// Calls each(code point or byte, whether it is a two-byte character) along the text.
template <typename Each>
void RefWalk(std::string_view s, Each&& each) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xE0) == 0xC0 && c >= 0xC2 && i + 1 < s.size() &&
            (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) {
            each(static_cast<char32_t>(((c & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F)), true);
            i += 2;
        } else {
            each(static_cast<char32_t>(c), false);
            ++i;
        }
    }
}

std::string RefFold(std::string_view s) {
    std::string out;
    RefWalk(s, [&](char32_t cp, bool twoBytes) {
        if (twoBytes)
            AppendTwoBytes(out, RefLowerCodePoint(cp));
        else
            out += static_cast<char>(cp < 0x80 ? RefLowerCodePoint(cp) : cp);
    });
    return out;
}

size_t RefFind(std::string_view text, std::string_view pattern, size_t from) {
    if (pattern.empty() || pattern.find_first_of("\r\n") != std::string_view::npos)
        return std::string_view::npos;
    for (size_t pos = from; pos <= text.size() && text.size() - pos >= pattern.size(); ++pos) {
        if (RefFold(text.substr(pos, pattern.size())) == RefFold(pattern))
            return pos;
    }
    return std::string_view::npos;
}

// Every match position, each search starting one byte after the last match.
std::vector<size_t> AllMatches(const CaseInsensitiveFinder& finder, std::string_view text) {
    std::vector<size_t> found;
    for (size_t pos = finder.FindIn(text); pos != std::string_view::npos; pos = finder.FindIn(text, pos + 1))
        found.push_back(pos);
    return found;
}

std::vector<size_t> RefAllMatches(std::string_view text, std::string_view pattern) {
    std::vector<size_t> found;
    for (size_t pos = RefFind(text, pattern, 0); pos != std::string_view::npos; pos = RefFind(text, pattern, pos + 1))
        found.push_back(pos);
    return found;
}

std::string_view View(const std::vector<char>& buffer) { return {buffer.data(), buffer.size()}; }

} // namespace

TEST(CaseInsensitiveFinder, EveryBytePairAtEveryPlaceOfALongPattern) {
    // A 20-byte pattern with byte p at its start, middle or end, and the pattern's copy
    // ending the text with byte t in that place: a match exactly when p and t fold alike.
    for (const size_t place : {size_t{0}, size_t{9}, size_t{19}}) {
        for (int p = 0; p < 256; ++p) {
            std::string pattern = "%%abcdefghijklmnop%%";
            pattern[place] = static_cast<char>(p);
            const CaseInsensitiveFinder finder(pattern);
            for (int t = 0; t < 256; ++t) {
                std::string copy = pattern;
                copy[place] = static_cast<char>(t);
                const std::string text = std::string(23, '.') + copy;
                const std::vector<char> buffer(text.begin(), text.end());
                ASSERT_EQ(finder.FindIn(View(buffer)), RefFind(View(buffer), pattern, 0))
                    << "place " << place << " pattern byte " << p << " text byte " << t;
            }
        }
    }
}

TEST(CaseInsensitiveFinder, AgreesWithAPlainSearchOnRandomBytes) {
    std::mt19937 random(20240611);
    auto randomByte = [&] { return static_cast<char>(random() % 256); };
    auto anyCase = [&](const std::string& pattern) {
        std::string copy;
        RefWalk(pattern, [&](char32_t cp, bool twoBytes) {
            const char32_t spelled = random() % 2 ? RefUpperCodePoint(cp) : RefLowerCodePoint(cp);
            if (twoBytes && spelled >= 0x80)
                AppendTwoBytes(copy, spelled);
            else if (twoBytes)
                AppendTwoBytes(copy, cp);
            else
                copy += static_cast<char>(cp < 0x80 ? spelled : cp);
        });
        return copy;
    };
    static const char* const kLetters[] = {"a",        "A",        "\xC3\x89", "\xC3\xA9", "\xC5\xB8",
                                           "\xC3\xBF", "\xC5\xA0", "\r",       "\n"};
    for (int round = 0; round < 4000; ++round) {
        std::string pattern;
        const size_t length = 1 + random() % 40;
        for (size_t i = 0; i < length; ++i)
            pattern += round % 4 == 0 ? std::string(kLetters[random() % 9]) : std::string(1, randomByte());
        std::string text;
        const size_t minimum = random() % 200;
        while (text.size() < minimum) {
            if (random() % 3 == 0) {
                std::string copy = anyCase(pattern);
                if (random() % 8 == 0)
                    copy.insert(random() % (copy.size() + 1), random() % 2 ? "\r" : "\n");
                text += copy;
            } else {
                text += std::string(random() % 20, randomByte());
            }
        }
        if (round % 2 == 0)
            text += pattern; // a match that ends the buffer
        const std::vector<char> buffer(text.begin(), text.end());
        const CaseInsensitiveFinder finder(pattern);
        ASSERT_EQ(AllMatches(finder, View(buffer)), RefAllMatches(View(buffer), pattern)) << "round " << round;
        const size_t from = random() % (buffer.size() + 2);
        ASSERT_EQ(finder.FindIn(View(buffer), from), RefFind(View(buffer), pattern, from)) << "round " << round;
    }
}

TEST(CaseInsensitiveFinder, ALineBreakInsideAMatchRefusesIt) {
    const std::string pattern(18, 'x');
    for (const char* lineBreak : {"\r", "\n", "\r\n"}) {
        for (size_t at = 1; at < pattern.size(); ++at) {
            std::string text = pattern;
            text.insert(at, lineBreak);
            const std::vector<char> buffer(text.begin(), text.end());
            EXPECT_EQ(CaseInsensitiveFinder(pattern).FindIn(View(buffer)), std::string_view::npos);
            EXPECT_EQ(CaseInsensitiveFinder(text).FindIn(View(buffer)), std::string_view::npos);
        }
    }
    const std::string text = "\r\n" + std::string(40, 'X');
    const std::vector<char> buffer(text.begin(), text.end());
    EXPECT_EQ(CaseInsensitiveFinder(pattern).FindIn(View(buffer)), 2u);
    EXPECT_EQ(CaseInsensitiveFinder(pattern).FindIn(View(buffer), 24), 24u); // the match that ends the buffer
    EXPECT_EQ(CaseInsensitiveFinder(pattern).FindIn(View(buffer), 25), std::string_view::npos);
}
