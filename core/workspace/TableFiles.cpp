#include "workspace/TableFiles.h"

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
    static const std::vector<std::string> colors{"title", "var", "default"};
    static const std::vector<std::string> fonts{"title",       "font-family", "font-size",       "font-measure",
                                                "font-weight", "font-style",  "font-decoration", "var"};
    static const std::vector<std::string> images{"image", "url", "folder", "var"};
    static const std::vector<std::string> layouts{"title", "default", "folder", "var"};
    static const std::vector<std::string> menus{"title", "default", "folder", "var", "menuClass"};
    switch (kind) {
    case TableKind::Colors: return colors;
    case TableKind::Images: return images;
    case TableKind::Layouts: return layouts;
    case TableKind::Fonts: return fonts;
    case TableKind::Menus: return menus;
    }
    return colors;
}

ColorVariable ColorFromItem(const ItemValues& v) { return {v[0], v[1], v[2]}; }
FontVariable FontFromItem(const ItemValues& v) { return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]}; }
ImageVariable ImageFromItem(const ItemValues& v) { return {v[0], v[1], v[2], v[3]}; }
LayoutVariable LayoutFromItem(const ItemValues& v) { return {v[0], v[1], v[2], v[3]}; }
MenuVariable MenuFromItem(const ItemValues& v) { return {v[0], v[1], v[2], v[3], v[4]}; }

ItemValues ItemFromColor(const ColorVariable& r) { return {r.title, r.var, r.value}; }
ItemValues ItemFromFont(const FontVariable& r) {
    return {r.title, r.family, r.size, r.measure, r.weight, r.style, r.decoration, r.var};
}
ItemValues ItemFromImage(const ImageVariable& r) { return {r.title, r.url, r.folder, r.var}; }
ItemValues ItemFromLayout(const LayoutVariable& r) { return {r.title, r.choice, r.folder, r.var}; }

} // namespace quorlex
