#include "util/TextSearch.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace quorlex;

// The finder checked against a plain byte-by-byte search. Texts live in buffers of exactly
// their size, so a vector load past the end shows up under AddressSanitizer.
namespace {

// Windows-1252 letter pairs, written out independently of the finder's tables.
unsigned char RefLower(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

size_t RefFind(std::string_view text, std::string_view pattern, size_t from) {
    if (pattern.empty() || pattern.find_first_of("\r\n") != std::string_view::npos)
        return std::string_view::npos;
    for (size_t pos = from; pos <= text.size() && text.size() - pos >= pattern.size(); ++pos) {
        size_t i = 0;
        while (i < pattern.size() &&
               RefLower(static_cast<unsigned char>(text[pos + i])) == RefLower(static_cast<unsigned char>(pattern[i])))
            ++i;
        if (i == pattern.size())
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
    std::vector<std::string> spellings(256); // every byte that folds to the index
    for (int c = 0; c < 256; ++c)
        spellings[RefLower(static_cast<unsigned char>(c))] += static_cast<char>(c);
    auto anyCase = [&](char c) {
        const std::string& choices = spellings[RefLower(static_cast<unsigned char>(c))];
        return choices[random() % choices.size()];
    };
    for (int round = 0; round < 4000; ++round) {
        std::string pattern;
        const size_t length = 1 + random() % 40;
        for (size_t i = 0; i < length; ++i)
            pattern += round % 4 == 0 ? "aA\xC9\xE9\r\n"[random() % 6] : randomByte();
        std::string text;
        const size_t minimum = random() % 200;
        while (text.size() < minimum) {
            if (random() % 3 == 0) {
                std::string copy;
                for (char c : pattern)
                    copy += anyCase(c);
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
