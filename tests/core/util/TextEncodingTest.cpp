#include "util/TextEncoding.h"

#include "util/Error.h"
#include "util/TextSearch.h"

#include <gtest/gtest.h>

using namespace quorlex;

namespace {

std::string EveryByte() {
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    return all;
}

} // namespace

TEST(TextEncoding, APageDeclaresItsEncodingOrIsJudgedByItsBytes) {
    EXPECT_EQ(PageEncoding("<head><meta charset=\"utf-8\"></head>\xE9"), TextEncoding::Utf8);
    EXPECT_EQ(PageEncoding("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=ISO-8859-1\" />"),
              TextEncoding::Cp1252);
    EXPECT_EQ(PageEncoding("<meta charset='windows-1252'>Caf\xC3\xA9"), TextEncoding::Cp1252);
    EXPECT_EQ(PageEncoding("<meta charset=us-ascii>"), TextEncoding::Cp1252);
    // A byte order mark outranks the declaration, as in a browser.
    EXPECT_EQ(PageEncoding("\xEF\xBB\xBF<meta charset=\"iso-8859-1\">"), TextEncoding::Utf8);
    // Undeclared: valid UTF-8 is UTF-8, anything else Windows-1252.
    EXPECT_EQ(PageEncoding("<p>\xC3\x9C"
                           "ber uns</p>"),
              TextEncoding::Utf8);
    EXPECT_EQ(PageEncoding("<p>Caf\xE9</p>"), TextEncoding::Cp1252);
    EXPECT_EQ(PageEncoding("<p>plain</p>"), TextEncoding::Utf8);
    EXPECT_EQ(PageEncoding("<p>\xC3</p>"), TextEncoding::Cp1252);         // cut sequence
    EXPECT_EQ(PageEncoding("<p>\xC0\xAF</p>"), TextEncoding::Cp1252);     // overlong "/"
    EXPECT_EQ(PageEncoding("<p>\xED\xA0\x80</p>"), TextEncoding::Cp1252); // surrogate
    try {
        PageEncoding("<meta charset=\"shift_jis\">");
        FAIL() << "an encoding the program cannot read was taken";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("\"shift_jis\""), std::string::npos);
    }
}

TEST(TextEncoding, AStyleSheetDeclaresWithCharsetOrAByteOrderMarkOrFollowsThePage) {
    const TextEncoding utf8 = TextEncoding::Utf8;
    const TextEncoding cp1252 = TextEncoding::Cp1252;
    EXPECT_EQ(StyleSheetEncoding("@charset \"UTF-8\";\nb{content:\"\xE9\"}", cp1252), utf8);
    EXPECT_EQ(StyleSheetEncoding("@charset \"iso-8859-1\";\nb{content:\"\xC3\xA9\"}", utf8), cp1252);
    EXPECT_EQ(StyleSheetEncoding("\xEF\xBB\xBF" "b{}", cp1252), utf8);
    EXPECT_EQ(StyleSheetEncoding("b{content:\"\xE9\"}", utf8), cp1252);
    EXPECT_EQ(StyleSheetEncoding("b{content:\"\xC3\xA9\"}", cp1252), utf8);
    // Plain ASCII is read by the browser in the page's encoding, so it is written in it too.
    EXPECT_EQ(StyleSheetEncoding("b{}", cp1252), cp1252);
    EXPECT_EQ(StyleSheetEncoding("b{}", utf8), utf8);
}

TEST(TextEncoding, Windows1252FilesComeBackByteForByte) {
    const std::string all = EveryByte();
    for (Escapes escapes : {Escapes::Markup, Escapes::Css, Escapes::Xml})
        EXPECT_EQ(EncodeText(DecodeText(all, TextEncoding::Cp1252), TextEncoding::Cp1252, escapes), all);
    EXPECT_EQ(DecodeText("\x80", TextEncoding::Cp1252), "\xE2\x82\xAC");
    // UTF-8 passes unchanged, bytes that are no UTF-8 included.
    EXPECT_EQ(EncodeText(DecodeText(all, TextEncoding::Utf8), TextEncoding::Utf8, Escapes::Markup), all);
}

TEST(TextEncoding, ACharacterWithoutAByteIsEscapedForWhereItStands) {
    const std::string japanese = "\xE6\x97\xA5"; // U+65E5
    const std::string polish = "\xC5\x81\xC3\xB3"
                               "d\xC5\xBA"; // "Łódź"
    EXPECT_EQ(EncodeText("<p>" + japanese + "</p>", TextEncoding::Cp1252, Escapes::Markup), "<p>&#x65E5;</p>");
    EXPECT_EQ(EncodeText(polish, TextEncoding::Cp1252, Escapes::Xml), "&#x141;\xF3"
                                                                      "d&#x17A;");
    EXPECT_EQ(EncodeText("b{font-family:" + japanese + "}", TextEncoding::Cp1252, Escapes::Css),
              "b{font-family:\\65E5 }");
    // Character references mean nothing inside style and script elements.
    const std::string page = "<STYLE media=\"x\">b{font-family:\"" + japanese + "\"}</style><p>" + japanese +
                             "</p><script>var s='" + japanese + "';</script>" + japanese;
    EXPECT_EQ(EncodeText(page, TextEncoding::Cp1252, Escapes::Markup),
              "<STYLE media=\"x\">b{font-family:\"\\65E5 \"}</style><p>&#x65E5;</p>"
              "<script>var s='\\u65E5';</script>&#x65E5;");
    // "<styles>" is no style element.
    EXPECT_EQ(EncodeText("<styles>" + japanese, TextEncoding::Cp1252, Escapes::Markup), "<styles>&#x65E5;");
    EXPECT_EQ(EncodeText("\xF0\x9F\x98\x80", TextEncoding::Cp1252, Escapes::Markup), "&#x1F600;");
    EXPECT_EQ(EncodeText(polish, TextEncoding::Utf8, Escapes::Markup), polish);
}

TEST(TextEncoding, OwnFilesReadTheirReferencesBackAsCharacters) {
    const std::string text = "Caf\xC3\xA9 \xE6\x97\xA5 & &#x41; &#65;";
    const std::string stored = EncodeOwnText(text, TextEncoding::Cp1252);
    EXPECT_EQ(stored, "Caf\xE9 &#x65E5; & &#x41; &#65;");
    EXPECT_EQ(DecodeOwnText(stored, TextEncoding::Cp1252), text);
    EXPECT_EQ(EncodeOwnText(text, TextEncoding::Utf8), text);
    EXPECT_EQ(DecodeOwnText(text, TextEncoding::Utf8), text);
    // A file of a UTF-8 package that holds Windows-1252 bytes is still read right.
    EXPECT_EQ(DecodeOwnText("Caf\xE9", TextEncoding::Utf8), "Caf\xC3\xA9");
    EXPECT_EQ(DecodeOwnText("&#x65E5", TextEncoding::Cp1252), "&#x65E5");
    EXPECT_EQ(DecodeOwnText("&#xD800;&#x110000;", TextEncoding::Cp1252), "&#xD800;&#x110000;");
}

TEST(TextFolding, LettersOfBothCasesMatchAndOtherCharactersNever) {
    EXPECT_EQ(FoldText("\xC3\x9C"
                       "BER \xC5\xA0"
                       "KODA \xC5\xB8"),
              "\xC3\xBC"
              "ber \xC5\xA1"
              "koda \xC3\xBF");
    EXPECT_TRUE(SameTextNoCase("\xC3\x89T\xC3\x89", "\xC3\xA9t\xC3\xA9"));
    EXPECT_FALSE(SameTextNoCase("\xC3\x97", "\xC3\xB7")); // the multiplication and division signs
    // Two-byte letters, in the placeholder search too, and never a match on half a character.
    const CaseInsensitiveFinder finder("%%\xC3\x9C"
                                       "berschrift%%");
    EXPECT_EQ(finder.FindIn("x %%\xC3\xBC"
                            "BERSCHRIFT%% y"),
              2u);
    EXPECT_EQ(CaseInsensitiveFinder("\xC5\xB8").FindIn("a\xC3\xBF"), 1u);
    EXPECT_EQ(CaseInsensitiveFinder("\xC3\x83").FindIn("\xE3\x83\x83"), std::string::npos);
}
