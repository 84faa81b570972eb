#pragma once

#include <string>
#include <tuple>
#include <vector>

namespace quorlex {

struct ColorVariable {
    std::string title;
    std::string var;
    std::string value;

    bool operator==(const ColorVariable& other) const {
        return std::tie(title, var, value) == std::tie(other.title, other.var, other.value);
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

struct MenuVariable {
    std::string title;
    std::string defaultValue;
    std::string folder;
    std::string var;
    std::string menuClass;

    bool operator==(const MenuVariable& other) const {
        return std::tie(title, defaultValue, folder, var, menuClass) ==
               std::tie(other.title, other.defaultValue, other.folder, other.var, other.menuClass);
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
