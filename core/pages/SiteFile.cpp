#include "pages/SiteFile.h"

#include "pages/PageNames.h"
#include "util/Error.h"
#include "util/NativeNames.h"
#include "util/TextFile.h"

#include <algorithm>
#include <pugixml.hpp>
#include <sstream>

namespace quorlex {

namespace {

size_t LineAt(const std::string& text, ptrdiff_t offset) {
    const auto end = text.begin() + std::clamp<ptrdiff_t>(offset, 0, static_cast<ptrdiff_t>(text.size()));
    return static_cast<size_t>(std::count(text.begin(), end, '\n')) + 1;
}

SitePage ReadPage(const pugi::xml_node& node) {
    SitePage page;
    page.file = node.attribute("file").as_string();
    if (const pugi::xml_node title = node.child("title"))
        page.title = title.text().as_string();
    for (const pugi::xml_node& region : node.children("region"))
        page.regions.push_back({region.attribute("own").as_bool(), region.text().as_string()});
    return page;
}

} // namespace

std::string SiteXml(const SitePages& site) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("site");
    for (const SitePage& page : site.pages) {
        pugi::xml_node node = root.append_child("page");
        node.append_attribute("file") = page.file.c_str();
        if (page.title)
            node.append_child("title").text() = page.title->c_str();
        for (const PageRegion& region : page.regions) {
            pugi::xml_node child = node.append_child("region");
            child.append_attribute("own") = region.own;
            child.text() = region.markdown.c_str();
        }
    }
    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

SitePages ParseSiteXml(const std::string& xml) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        throw Error(std::string(kSiteFileName) + ", line " + std::to_string(LineAt(xml, parsed.offset)) + ": " +
                    parsed.description());
    const pugi::xml_node root = document.child("site");
    if (!root)
        throw Error(std::string(kSiteFileName) + ": not a file of pages.");
    SitePages site;
    for (const pugi::xml_node& node : root.children("page")) {
        SitePage page = ReadPage(node);
        // A name from a package from anywhere could lead out of the output folder.
        if (const auto refusal = PageNameRefusal(page.file, site, site.pages.size(), {}))
            throw Error(std::string(kSiteFileName) + ", page \"" + page.file + "\": " + *refusal);
        site.pages.push_back(std::move(page));
    }
    if (!site.pages.empty() && site.pages.front().file != "index.html")
        throw Error(std::string(kSiteFileName) + ": the first page is not \"index.html\".");
    return site;
}

SitePages ReadSiteFile(const fs::path& file) {
    const std::optional<std::string> bytes = ReadFileIfPresent(file);
    if (!bytes)
        return {};
    try {
        return ParseSiteXml(*bytes);
    } catch (const Error& error) {
        throw Error("The pages of this template cannot be read (\"" + PathToProgramText(file) + "\"): " + error.what());
    }
}

void WriteSiteFile(const SitePages& site, const fs::path& file) {
    if (site.OnePage()) {
        std::error_code ec;
        fs::remove(file, ec);
        if (ec)
            throw Error("Cannot remove \"" + PathToProgramText(file) + "\". " + ec.message());
        return;
    }
    WriteFileAtomic(file, SiteXml(site));
}

void LoadSite(TemplateWorkspace& ws, Notices& notices) {
    ws.site = {};
    ws.shownPage = 0;
    try {
        ws.site = ReadSiteFile(ws.PackageFile(kSiteFileName));
    } catch (const std::exception& error) {
        notices.push_back(error.what());
    }
}

} // namespace quorlex
