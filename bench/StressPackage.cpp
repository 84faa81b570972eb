#include "StressPackage.h"

#include "util/TextFile.h"

#include <string>

namespace quorlex::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kLayouts = 20;
constexpr int kColors = 150;
constexpr int kFonts = 50;
constexpr int kImages = 60;
constexpr int kMenus = 20;

std::string Table(const std::string& items) {
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<settings><channel>\r\n" + items +
           "</channel></settings>\r\n";
}

std::string Name(const char* kind, int i) { return "%%" + std::string(kind) + "_" + std::to_string(i) + "%%"; }

void Write(const fs::path& folder, const std::string& relative, const std::string& text) {
    fs::create_directories((folder / relative).parent_path());
    WriteFileBytes(folder / relative, text);
}

std::string Page() {
    std::string page = "<html><head>\r\n<title>stress</title>\r\n</head><body>\r\n";
    for (int block = 0; page.size() < 1100 * 1024; ++block) {
        page += "<div class=\"block\" style=\"color:" + Name("color", block % kColors) + ";" +
                Name("font", block % kFonts) + "\">\r\n";
        page += "  <p>Plain paragraph text that holds no placeholder at all, as most of a real page does. "
                "Lorem ipsum dolor sit amet, consectetur adipiscing elit, 100% width.</p>\r\n";
        page += "  <img src=\"" + Name("image", block % kImages) + "\" alt=\"\"/>\r\n";
        if (block % 40 == 0)
            page += Name("layout", (block / 40) % kLayouts) + "\r\n";
        if (block % 100 == 0)
            page += "<div class=\"" + Name("menuclass", (block / 100) % kMenus) + "\">" +
                    Name("menu", (block / 100) % kMenus) + "</div>\r\n";
        page += "</div>\r\n";
    }
    return page + "</body></html>\r\n";
}

std::string Menu(int items) {
    std::string text = "stress_menu\r\n";
    for (int i = 0; i < items; ++i)
        text += std::string(i % 5 == 0 ? 1 : 2, '\t') + "Item " + std::to_string(i) + "|page" + std::to_string(i) +
                ".html|\r\n";
    return text;
}

} // namespace

void WriteStressPackage(const fs::path& folder) {
    Write(folder, "index.html", Page());
    std::string layouts, colors, fonts, images, menus;
    for (int i = 0; i < kLayouts; ++i) {
        layouts += "<item><title>L" + std::to_string(i) + "</title><default>a</default><folder>layouts\\l" +
                   std::to_string(i) + "\\</folder><var>" + Name("layout", i) + "</var></item>\r\n";
        Write(folder, "layouts/l" + std::to_string(i) + "/a.lyo",
              "<div style=\"background:" + Name("color", i) + "\">fragment</div>\r\n");
    }
    for (int i = 0; i < kColors; ++i)
        colors += "<item><title>C</title><var>" + Name("color", i) + "</var><default>#" +
                  std::to_string(100000 + i) + "</default></item>\r\n";
    for (int i = 0; i < kFonts; ++i)
        fonts += "<item><title>F</title><font-family>Arial</font-family><font-size>12</font-size>"
                 "<font-measure>px</font-measure><font-weight>bold</font-weight><font-style>normal</font-style>"
                 "<font-decoration>none</font-decoration><var>" + Name("font", i) + "</var></item>\r\n";
    for (int i = 0; i < kImages; ++i)
        images += "<item><image>I</image><url>img" + std::to_string(i) + ".gif</url><folder>images/</folder><var>" +
                  Name("image", i) + "</var></item>\r\n";
    for (int i = 0; i < kMenus; ++i) {
        menus += "<item><title>M</title><default>x</default><folder>menus\\m" + std::to_string(i) +
                 "\\</folder><var>" + Name("menu", i) + "</var><menuClass>" + Name("menuclass", i) +
                 "</menuClass></item>\r\n";
        Write(folder, "menus/m" + std::to_string(i) + "/menu.lyo", Menu(i == 0 ? 500 : 20));
    }
    Write(folder, "layouts.xml", Table(layouts));
    Write(folder, "colors.xml", Table(colors));
    Write(folder, "fonts.xml", Table(fonts));
    Write(folder, "images.xml", Table(images));
    Write(folder, "menus.xml", Table(menus));
}

} // namespace quorlex::bench
