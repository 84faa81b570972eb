#include "workspace/TableFiles.h"

#include "util/PathUtils.h"

#include <iterator>

namespace quorlex {

const char* TableFileName(TableKind kind) {
    switch (kind) {
    case TableKind::Colors: return "colors.xml";
    case TableKind::Images: return "images.xml";
    case TableKind::Layouts: return "layouts.xml";
    case TableKind::Fonts: return "fonts.xml";
    case TableKind::Menus: return "menus.xml";
    }
    return "";
}

const std::vector<std::string>& TableFields(TableKind kind) {
    static const std::vector<std::string> colors{"title",  "var",         "default",    "rgb",
                                                 "darker", "darker-by",   "lighter",    "lighter-by",
                                                 "alpha",  "alpha-value", "transparent"};
    static const std::vector<std::string> fonts{"title",       "font-family", "font-size",       "font-measure",
                                                "font-weight", "font-style",  "font-decoration", "var"};
    static const std::vector<std::string> images{"image", "url", "folder", "var"};
    static const std::vector<std::string> layouts{"title", "default", "folder", "var"};
    static const std::vector<std::string> menus{"title",
                                                "default",
                                                "folder",
                                                "var",
                                                "menuClass",
                                                "list-class",
                                                "list-attribute",
                                                "item-class",
                                                "link-class",
                                                "parent-class",
                                                "parent-link-class",
                                                "parent-link-attribute",
                                                "sublist-class",
                                                "sublist-wrapper",
                                                "subitem-class",
                                                "sublink-class",
                                                "current-class",
                                                "current-link-class"};
    switch (kind) {
    case TableKind::Colors: return colors;
    case TableKind::Images: return images;
    case TableKind::Layouts: return layouts;
    case TableKind::Fonts: return fonts;
    case TableKind::Menus: return menus;
    }
    return colors;
}

ColorVariable ColorFromItem(const ItemValues& v) {
    return {v[0], v[1], v[2], {v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[2]}};
}
FontVariable FontFromItem(const ItemValues& v) { return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]}; }
ImageVariable ImageFromItem(const ItemValues& v) { return {v[0], v[1], v[2], v[3]}; }
LayoutVariable LayoutFromItem(const ItemValues& v) { return {v[0], v[1], v[2], v[3]}; }

namespace {

// The menu row's markup fields, in the order of its file fields after "menuClass".
constexpr std::string MenuMarkup::*kMarkupFields[] = {
    &MenuMarkup::listClass,           &MenuMarkup::listAttribute, &MenuMarkup::itemClass,
    &MenuMarkup::linkClass,           &MenuMarkup::parentClass,   &MenuMarkup::parentLinkClass,
    &MenuMarkup::parentLinkAttribute, &MenuMarkup::sublistClass,  &MenuMarkup::sublistWrapper,
    &MenuMarkup::subitemClass,        &MenuMarkup::sublinkClass,  &MenuMarkup::currentClass,
    &MenuMarkup::currentLinkClass};

} // namespace

// Markup fields are class names and attributes: blanks around them do not count, so a field
// holding only blanks keeps the fixed form.
MenuVariable MenuFromItem(const ItemValues& v) {
    MenuVariable row{v[0], v[1], v[2], v[3], v[4]};
    for (size_t i = 0; i < std::size(kMarkupFields); ++i)
        row.markup.*kMarkupFields[i] = TrimControls(v[5 + i]);
    return row;
}

ItemValues ItemFromColor(const ColorVariable& r) {
    const ColorShades& s = r.shades;
    return {r.title,   r.var,       r.value, s.rgb,        s.darker,     s.darkerBy,
            s.lighter, s.lighterBy, s.alpha, s.alphaValue, s.transparent};
}
ItemValues ItemFromFont(const FontVariable& r) {
    return {r.title, r.family, r.size, r.measure, r.weight, r.style, r.decoration, r.var};
}
ItemValues ItemFromImage(const ImageVariable& r) { return {r.title, r.url, r.folder, r.var}; }
ItemValues ItemFromLayout(const LayoutVariable& r) { return {r.title, r.choice, r.folder, r.var}; }

} // namespace quorlex
