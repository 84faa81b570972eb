#include "workspace/XmlDocument.h"

#include "support/PackageBuilder.h"
#include "util/Error.h"
#include "workspace/TableFiles.h"

#include <gtest/gtest.h>

using namespace quorlex;
using namespace quorlex::test;

namespace {

std::vector<ColorVariable> ReadColors(const TestFolder& dir, const std::string& xml) {
    const auto file = dir.Write("colors.xml", xml);
    std::vector<ColorVariable> rows;
    ReadTableFile(file, TableKind::Colors, ColorFromItem, rows);
    return rows;
}

std::string ReadError(const TestFolder& dir, const std::string& xml, std::vector<ColorVariable>* rows = nullptr) {
    std::vector<ColorVariable> local;
    try {
        const auto file = dir.Write("colors.xml", xml);
        ReadTableFile(file, TableKind::Colors, ColorFromItem, rows ? *rows : local);
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(PackageXml, ReadsFieldsByNameInAnyOrderMissingOnesEmpty) {
    TestFolder dir;
    const auto rows = ReadColors(dir, TableXml({"<default>#000000</default><title>A</title><var>%%a%%</var>",
                                                "<title>B</title><Title>ignored</Title><default/>",
                                                "<title><![CDATA[C & <D>]]></title><var>%%c%%</var>"}));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].title, "A");
    EXPECT_EQ(rows[0].value, "#000000");
    EXPECT_EQ(rows[1].title, "B");
    EXPECT_EQ(rows[1].var, "");
    EXPECT_EQ(rows[1].value, "");
    EXPECT_EQ(rows[2].title, "C & <D>");
}

TEST(PackageXml, EveryElementAfterTheFirstItemIsAnItem) {
    TestFolder dir;
    const auto rows =
        ReadColors(dir, "<r><list><note>before</note><item><title>A</title></item><note><title>N</title></note></list>"
                        "<other><item><title>outside</title></item></other></r>");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].title, "N");
}

TEST(PackageXml, DecodesLatin1AndUtf8IntoProgramText) {
    TestFolder dir;
    EXPECT_EQ(ReadColors(dir, "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><r><l><item><title>Caf\xE9</title>"
                              "</item></l></r>")[0]
                  .title,
              "Caf\xC3\xA9");
    EXPECT_EQ(ReadColors(dir, "<?xml version=\"1.0\" encoding=\"utf-8\"?><r><l><item><title>\xE2\x82\xAC"
                              "</title></item></l></r>")[0]
                  .title,
              "\xE2\x82\xAC");
}

TEST(PackageXml, MalformedShapesFailWithAMessage) {
    TestFolder dir;
    EXPECT_NE(ReadError(dir, "<r><l><item><title>A & B</title></item></l></r>").find("colors.xml"), std::string::npos);
    EXPECT_NE(ReadError(dir, "<r>text<l><item/></l></r>"), "");
    EXPECT_NE(ReadError(dir, "<r><l><entry/></l></r>").find("no \"item\""), std::string::npos);
    EXPECT_NE(ReadError(dir, "<r/>"), "");
    EXPECT_NE(ReadError(dir, ""), "");
    std::vector<ColorVariable> rows;
    const std::string message =
        ReadError(dir, TableXml({"<title>ok</title>", "<title>bad<b>x</b></title>", "<title>never</title>"}), &rows);
    EXPECT_NE(message.find("\"title\""), std::string::npos);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].title, "ok");
}

TEST(PackageXml, ExternalEntitiesAreNotExpanded) {
    TestFolder dir;
    dir.Write("secret.txt", "SECRET");
    const std::string xml = "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"secret.txt\">]>"
                            "<r><l><item><title>&x;</title></item></l></r>";
    std::vector<ColorVariable> rows;
    ReadError(dir, xml, &rows);
    for (const auto& row : rows)
        EXPECT_EQ(row.title.find("SECRET"), std::string::npos);
}

TEST(WriteItemsFile, KeepsTheSkeletonAndSetsTheNthItem) {
    TestFolder dir;
    const std::string skeleton = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<!-- kept -->\r\n"
                                 "<colors version=\"2\">\r\n  <list>\r\n"
                                 "    <item><title>A</title><var>%%a%%</var><extra>keep</extra></item>\r\n"
                                 "    <item><title>B</title></item>\r\n  </list>\r\n  <tail/>\r\n</colors>\r\n";
    const auto skeletonFile = dir.Write("colors.xml", skeleton);
    const std::vector<ItemValues> rows{ItemFromColor({"A", "%%a%%", "#FF0000"}),
                                       ItemFromColor({"B", "%%b%%", "a & <b> \xC3\xA9 \xE2\x86\x92"})};
    WriteItemsFile(skeletonFile, dir.path() / "preset.xml", TableFields(TableKind::Colors), rows);
    EXPECT_EQ(dir.Read("colors.xml"), skeleton);
    EXPECT_EQ(dir.Read("preset.xml"),
              "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<!-- kept -->\r\n"
              "<colors version=\"2\">\r\n  <list>\r\n"
              "    <item><title>A</title><var>%%a%%</var><extra>keep</extra><default>#FF0000</default></item>\r\n"
              "    <item><title>B</title><var>%%b%%</var><default>a &amp; &lt;b&gt; \xE9 &#x2192;</default></item>\r\n"
              "  </list>\r\n  <tail/>\r\n</colors>\r\n");
    std::vector<ColorVariable> back;
    ReadTableFile(dir.path() / "preset.xml", TableKind::Colors, ColorFromItem, back);
    EXPECT_EQ(back[1].value, "a & <b> \xC3\xA9 \xE2\x86\x92");
}
