#include "StressPackage.h"

#include "util/TextFile.h"

#include <string>
#include <unistd.h>

namespace quorlex::bench {
namespace {

namespace fs = std::filesystem;

std::string Table(const std::string& items) {
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<settings><channel>\r\n" + items +
           "</channel></settings>\r\n";
}

std::string Name(const char* kind, int i) { return "%%" + std::string(kind) + "_" + std::to_string(i) + "%%"; }

void Write(const fs::path& folder, const std::string& relative, const std::string& text) {
    fs::create_directories((folder / relative).parent_path());
    WriteFileAtomic(folder / relative, text);
}

std::string Page(const StressShape& shape) {
    std::string page = "<html><head>\r\n<title>stress</title>\r\n%%style_0%%\r\n%%style_1%%\r\n%%style_2%%\r\n"
                       "</head><body>\r\n";
    for (int block = 0; page.size() < 1100 * 1024; ++block) {
        page += "<div class=\"block\" style=\"color:" + Name("color", block % shape.colors) + ";" +
                Name("font", block % shape.fonts) + "\">\r\n";
        page += "  <p>Plain paragraph text that holds no placeholder at all, as most of a real page does. "
                "Lorem ipsum dolor sit amet, consectetur adipiscing elit, 100% width.</p>\r\n";
        page += "  <img src=\"" + Name("image", block % shape.images) + "\" alt=\"\"/>\r\n";
        if (block % 40 == 0)
            page += Name("layout", (block / 40) % shape.layouts) + "\r\n";
        if (block % 100 == 0)
            page += "<div class=\"" + Name("menuclass", (block / 100) % shape.menus) + "\">" +
                    Name("menu", (block / 100) % shape.menus) + "</div>\r\n";
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

// A stylesheet of about 30 kB using colors, fonts and images.
std::string StyleSheet(const StressShape& shape, int sheet) {
    std::string css;
    for (int rule = 0; css.size() < 30 * 1024; ++rule)
        css += ".s" + std::to_string(sheet) + "_" + std::to_string(rule) +
               " { color: " + Name("color", rule % shape.colors) + "; " + Name("font", rule % shape.fonts) +
               " background: url(" + Name("image", rule % shape.images) + "); }\r\n";
    return css;
}

void WriteSiteFiles(const fs::path& folder, const StressShape& shape) {
    std::string sheets;
    for (int i = 0; i < 3; ++i) {
        const std::string name = "s" + std::to_string(i) + ".css";
        sheets += "<item><title>S</title><filename>" + name + "</filename><folder>css/</folder><var>" +
                  Name("style", i) + "</var><description/><media>screen</media></item>\r\n";
        Write(folder, "css/" + name, StyleSheet(shape, i));
    }
    Write(folder, "style_files.xml", Table(sheets));
    const std::string imageBytes(static_cast<size_t>(shape.imageBytes), 'i');
    for (int i = 0; i < shape.images; ++i)
        Write(folder, "images/img" + std::to_string(i) + ".gif", imageBytes);
    std::string list;
    const std::string staticBytes(20 * 1024, 's');
    for (int i = 0; i < 100; ++i) {
        const std::string name = "static/f" + std::to_string(i / 10) + "/file" + std::to_string(i) + ".js";
        Write(folder, name, staticBytes);
        list += name + "\r\n";
    }
    Write(folder, "static_files.tps", list);
}

} // namespace

void WriteStressPackage(const fs::path& folder, const StressShape& shape) {
    Write(folder, "index.html", Page(shape));
    if (shape.siteFiles)
        WriteSiteFiles(folder, shape);
    std::string layouts, colors, fonts, images, menus;
    for (int i = 0; i < shape.layouts; ++i) {
        layouts += "<item><title>L" + std::to_string(i) + "</title><default>a</default><folder>layouts\\l" +
                   std::to_string(i) + "\\</folder><var>" + Name("layout", i) + "</var></item>\r\n";
        Write(folder, "layouts/l" + std::to_string(i) + "/a.lyo",
              "<div style=\"background:" + Name("color", i) + "\">fragment</div>\r\n");
    }
    for (int i = 0; i < shape.colors; ++i)
        colors += "<item><title>C</title><var>" + Name("color", i) + "</var><default>#" + std::to_string(100000 + i) +
                  "</default></item>\r\n";
    for (int i = 0; i < shape.fonts; ++i)
        fonts += "<item><title>F</title><font-family>Arial</font-family><font-size>12</font-size>"
                 "<font-measure>px</font-measure><font-weight>bold</font-weight><font-style>normal</font-style>"
                 "<font-decoration>none</font-decoration><var>" +
                 Name("font", i) + "</var></item>\r\n";
    for (int i = 0; i < shape.images; ++i)
        images += "<item><image>I</image><url>img" + std::to_string(i) + ".gif</url><folder>images/</folder><var>" +
                  Name("image", i) + "</var></item>\r\n";
    for (int i = 0; i < shape.menus; ++i) {
        menus += "<item><title>M</title><default>x</default><folder>menus\\m" + std::to_string(i) + "\\</folder><var>" +
                 Name("menu", i) + "</var><menuClass>" + Name("menuclass", i) + "</menuClass></item>\r\n";
        Write(folder, "menus/m" + std::to_string(i) + "/menu.lyo", Menu(i == 0 ? 500 : 20));
    }
    Write(folder, "layouts.xml", Table(layouts));
    Write(folder, "colors.xml", Table(colors));
    Write(folder, "fonts.xml", Table(fonts));
    Write(folder, "images.xml", Table(images));
    Write(folder, "menus.xml", Table(menus));
}

TempStressPackage::TempStressPackage(const char* name, const StressShape& shape)
    : m_path(fs::temp_directory_path() / (std::string(name) + "-" + std::to_string(getpid()))) {
    fs::remove_all(m_path);
    WriteStressPackage(m_path, shape);
}

TempStressPackage::~TempStressPackage() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

} // namespace quorlex::bench
