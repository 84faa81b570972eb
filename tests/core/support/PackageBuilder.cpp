#include "support/PackageBuilder.h"

namespace quorlex::test {

std::string TableXml(const std::vector<std::string>& items) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<root>\r\n<list>\r\n";
    for (const auto& item : items)
        xml += "<item>" + item + "</item>\r\n";
    return xml + "</list>\r\n</root>\r\n";
}

void WriteSmallPackage(const TestFolder& app, const std::string& folder) {
    const std::string p = "templates/" + folder + "/";
    app.Write("templates/templates.tps", folder + "\r\n");
    app.Write(p + "settings.tps", "Small\r\nTester\r\n1.0\r\n");
    app.Write(p + "index.html", "<html><head>\n%%STYLE%%\n</head>\n<body class=\"%%MENUCLASS%%\">\n%%layout_top%%\n"
                                "<img src=\"%%img_logo%%\">\n%%menu_main%%\n</body></html>\n");
    app.Write(p + "style_files.xml",
              TableXml({"<title>Main</title><filename>main.css</filename><folder>css/</folder>"
                        "<var>%%style%%</var><description>d</description><media>screen</media>"}));
    app.Write(p + "css/main.css", "body { color: %%c_text%%; %%f_body%% }\nh1 { color: %%C_HEAD%%; }\n");
    app.Write(p + "colors.xml", TableXml({"<title>Text</title><var>%%c_text%%</var><default>#112233</default>",
                                          "<title>Head</title><var>%%c_head%%</var><default>#445566</default>"}));
    app.Write(p + "fonts.xml",
              TableXml({"<title>Body</title><font-family>Verdana</font-family><font-size>12</font-size>"
                        "<font-measure>px</font-measure><font-weight>bold</font-weight><font-style/>"
                        "<font-decoration>none</font-decoration><var>%%f_body%%</var>"}));
    app.Write(p + "images.xml", TableXml({"<image>Logo</image><url>logo.gif</url><folder>images/</folder>"
                                          "<var>%%img_logo%%</var>"}));
    app.Write(p + "images/logo.gif", "GIF89a");
    app.Write(p + "layouts.xml", TableXml({"<title>Top</title><default>wide</default><folder>layouts\\top\\</folder>"
                                           "<var>%%layout_top%%</var>"}));
    app.Write(p + "layouts/top/wide.lyo", "<div style=\"color:%%c_head%%\">wide</div>\n");
    app.Write(p + "layouts/top/narrow.lyo", "<div>narrow</div>\n");
    app.Write(p + "menus.xml", TableXml({"<title>Main</title><default>x</default><folder>menus\\main\\</folder>"
                                         "<var>%%menu_main%%</var><menuClass>%%menuclass%%</menuClass>"}));
    app.Write(p + "menus/main/menu.lyo", "pd_menu_01\r\n\tHome|index.html|\r\n");
    app.Write(p + "menus/main/default.lyo", "pd_menu_01\r\n\tHome|index.html|\r\n");
}

} // namespace quorlex::test
