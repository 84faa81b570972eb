#pragma once

#include <string>
#include <tuple>
#include <vector>

namespace quorlex {

// Placeholders that follow a color row's value, each empty when the row has none, and how far
// they lie from it, as the file writes them. While the value is no color ("transparent") they
// follow `transparent`, else the value the row was loaded with.
struct ColorShades {
    std::string rgb;    // "r, g, b"
    std::string darker; // lightness lowered by darkerBy
    std::string darkerBy;
    std::string lighter; // lightness raised by lighterBy
    std::string lighterBy;
    std::string alpha; // the color at the opacity alphaValue
    std::string alphaValue;
    std::string transparent;
    std::string loadedValue; // not a field of the file

    bool Any() const { return !rgb.empty() || !darker.empty() || !lighter.empty() || !alpha.empty(); }
    bool operator==(const ColorShades& other) const {
        return std::tie(rgb, darker, darkerBy, lighter, lighterBy, alpha, alphaValue, transparent, loadedValue) ==
               std::tie(other.rgb, other.darker, other.darkerBy, other.lighter, other.lighterBy, other.alpha,
                        other.alphaValue, other.transparent, other.loadedValue);
    }
};

struct ColorVariable {
    std::string title;
    std::string var;
    std::string value;
    ColorShades shades{};

    bool operator==(const ColorVariable& other) const {
        return std::tie(title, var, value, shades) == std::tie(other.title, other.var, other.value, other.shades);
    }
};

struct FontVariable {
    std::string title;
    std::string family;
    std::string size;
    std::string measure;
    std::string weight;
    std::string style;
    std::string decoration;
    std::string var;

    bool operator==(const FontVariable& other) const {
        return std::tie(title, family, size, measure, weight, style, decoration, var) ==
               std::tie(other.title, other.family, other.size, other.measure, other.weight, other.style,
                        other.decoration, other.var);
    }
};

struct ImageVariable {
    std::string title;
    std::string url;
    std::string folder;
    std::string var;

    bool operator==(const ImageVariable& other) const {
        return std::tie(title, url, folder, var) == std::tie(other.title, other.url, other.folder, other.var);
    }
};

struct LayoutVariable {
    std::string title;
    std::string choice;
    std::string folder;
    std::string var;

    bool operator==(const LayoutVariable& other) const {
        return std::tie(title, choice, folder, var) == std::tie(other.title, other.choice, other.folder, other.var);
    }
};

// The classes (and a few attributes) a menu's list is written with instead of the fixed
// "li_hc" / "ul_ch" / "li_nc" form; all empty means the fixed form.
struct MenuMarkup {
    std::string listClass;           // the top list
    std::string listAttribute;       // written as it is into the top list's tag
    std::string itemClass;           // each top-level item
    std::string linkClass;           // each top-level link
    std::string parentClass;         // added to an item that has sub-items
    std::string parentLinkClass;     // added to that item's link
    std::string parentLinkAttribute; // written as it is into that link's tag
    std::string sublistClass;        // each list of sub-items
    std::string sublistWrapper;      // when set, each sub-list stands in <div class="...">
    std::string subitemClass;        // each sub-item
    std::string sublinkClass;        // each sub-item's link
    std::string currentClass;        // added to the current page's item
    std::string currentLinkClass;    // added to the current page's link

    bool Any() const { return !(*this == MenuMarkup()); }
    bool operator==(const MenuMarkup& other) const {
        return std::tie(listClass, listAttribute, itemClass, linkClass, parentClass, parentLinkClass,
                        parentLinkAttribute, sublistClass, sublistWrapper, subitemClass, sublinkClass, currentClass,
                        currentLinkClass) ==
               std::tie(other.listClass, other.listAttribute, other.itemClass, other.linkClass, other.parentClass,
                        other.parentLinkClass, other.parentLinkAttribute, other.sublistClass, other.sublistWrapper,
                        other.subitemClass, other.sublinkClass, other.currentClass, other.currentLinkClass);
    }
};

struct MenuVariable {
    std::string title;
    std::string defaultValue;
    std::string folder;
    std::string var;
    std::string menuClass;
    MenuMarkup markup{};

    bool operator==(const MenuVariable& other) const {
        return std::tie(title, defaultValue, folder, var, menuClass, markup) ==
               std::tie(other.title, other.defaultValue, other.folder, other.var, other.menuClass, other.markup);
    }
};

// The five tables of a loaded package; row n is the n-th item of its file.
struct VariableTables {
    std::vector<ColorVariable> colors;
    std::vector<FontVariable> fonts;
    std::vector<ImageVariable> images;
    std::vector<LayoutVariable> layouts;
    std::vector<MenuVariable> menus;
    std::vector<ImageVariable> DefaultImageTable; // the image table as loaded
};

} // namespace quorlex
