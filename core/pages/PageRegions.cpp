#include "pages/PageRegions.h"

#include "pages/Markdown.h"

namespace quorlex {

namespace {

constexpr std::string_view kBegin = "<!--BEGIN_EDITABLE-->";
constexpr std::string_view kEnd = "<!--END_EDITABLE-->";
constexpr std::string_view kTitleBegin = "<!--BEGIN_EDITABLE_TITLE-->";
constexpr std::string_view kTitleEnd = "<!--END_EDITABLE_TITLE-->";

std::string EscapeText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

const PageRegion* RegionOf(const SitePage& page, size_t region) {
    return region < page.regions.size() && page.regions[region].own ? &page.regions[region] : nullptr;
}

// The anchor tag page[open, close) marked as the current page's link, unless it is already.
std::string MarkedAnchor(const std::string& page, size_t open, size_t close) {
    std::string tag = page.substr(open, close - open);
    if (tag.find("aria-current=") != std::string::npos)
        return tag;
    const size_t classAt = tag.find(" class=\"");
    const size_t valueEnd = classAt == std::string::npos ? std::string::npos : tag.find('"', classAt + 8);
    if (valueEnd != std::string::npos) {
        tag.insert(valueEnd, std::string(" ") + kCurrentPageClass);
        tag.insert(2, " aria-current=\"page\"");
    } else {
        tag.insert(2, std::string(" aria-current=\"page\" class=\"") + kCurrentPageClass + "\"");
    }
    return tag;
}

} // namespace

PageRegionSpans FindRegions(const std::string& page) {
    PageRegionSpans spans;
    for (size_t at = page.find(kBegin); at != std::string::npos; at = page.find(kBegin, at)) {
        const size_t begin = at + kBegin.size();
        const size_t end = page.find(kEnd, begin);
        if (end == std::string::npos)
            break;
        spans.regions.push_back({begin, end});
        at = end + kEnd.size();
    }
    const size_t title = page.find(kTitleBegin);
    if (title != std::string::npos) {
        const size_t end = page.find(kTitleEnd, title);
        if (end != std::string::npos)
            spans.title = TextSpan{title + kTitleBegin.size(), end};
    }
    return spans;
}

std::string TemplateTitle(const std::string& page) {
    const std::optional<TextSpan> span = FindRegions(page).title;
    if (!span)
        return {};
    std::string text = page.substr(span->begin, span->end - span->begin);
    const size_t open = text.find('>');
    const size_t close = text.rfind("</");
    if (open != std::string::npos && close != std::string::npos && close > open)
        text = text.substr(open + 1, close - open - 1);
    return text;
}

std::string ComposePage(const std::string& generated, const SitePages& site, size_t index) {
    if (index >= site.pages.size())
        return generated;
    const SitePage& page = site.pages[index];
    const SitePage& home = site.pages.front();
    const PageRegionSpans spans = FindRegions(generated);
    std::string composed;
    composed.reserve(generated.size());
    size_t copied = 0;
    const auto replace = [&](const TextSpan& span, const std::string& text) {
        composed.append(generated, copied, span.begin - copied);
        composed += text;
        copied = span.end;
    };
    const std::optional<std::string>& title = page.title ? page.title : home.title;
    // The title region comes before the body's regions in every page it is in.
    const bool titleFirst = spans.title && (spans.regions.empty() || spans.title->end < spans.regions.front().begin);
    if (titleFirst && title)
        replace(*spans.title, "<title>" + EscapeText(*title) + "</title>");
    for (size_t i = 0; i < spans.regions.size(); ++i) {
        const PageRegion* own = RegionOf(page, i);
        if (!own)
            own = RegionOf(home, i);
        if (own)
            replace(spans.regions[i], "\r\n" + RenderMarkdown(own->markdown));
    }
    composed.append(generated, copied, std::string::npos);
    if (site.pages.size() > 1)
        MarkCurrentLinks(composed, page.file);
    return composed;
}

// One pass that copies the page once: a large page links a page from many menus.
void MarkCurrentLinks(std::string& page, const std::string& file) {
    const std::string link = "href=\"" + file + "\"";
    std::string marked;
    size_t copied = 0;
    for (size_t at = page.find(link); at != std::string::npos; at = page.find(link, at)) {
        const size_t close = page.find('>', at);
        const size_t open = page.rfind('<', at);
        if (close == std::string::npos || open == std::string::npos || open < copied)
            break;
        if (page.compare(open, 3, "<a ") == 0 && page.find('>', open) == close) {
            if (marked.empty())
                marked.reserve(page.size() + 4096);
            marked.append(page, copied, open - copied);
            marked += MarkedAnchor(page, open, close);
            copied = close;
        }
        at = close;
    }
    if (copied == 0)
        return;
    marked.append(page, copied, std::string::npos);
    page = std::move(marked);
}

SitePage NewPage(const std::string& file, const SitePages& site, const std::string& generated) {
    SitePage page;
    page.file = file;
    page.title = !site.pages.empty() && site.pages.front().title ? site.pages.front().title
                                                                 : std::optional<std::string>(TemplateTitle(generated));
    page.regions.resize(FindRegions(generated).regions.size());
    if (!page.regions.empty())
        page.regions.front().own = true;
    return page;
}

} // namespace quorlex
