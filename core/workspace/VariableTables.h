#pragma once

#include <string>
#include <vector>

namespace quorlex {

struct ColorVariable {
    std::string title;
    std::string var;
    std::string value;
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
};

struct ImageVariable {
    std::string title;
    std::string url;
    std::string folder;
    std::string var;
};

struct LayoutVariable {
    std::string title;
    std::string choice;
    std::string folder;
    std::string var;
};

struct MenuVariable {
    std::string title;
    std::string defaultValue;
    std::string folder;
    std::string var;
    std::string menuClass;
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
