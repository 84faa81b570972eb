#pragma once

#include "workspace/TemplateWorkspace.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace project {

constexpr const char* kColors = "<$[---COLORS---]$>";
constexpr const char* kColorsEnd = "<$[---COLORS---END---]$>";
constexpr const char* kImages = "<$[---IMAGES---]$>";
constexpr const char* kImagesEnd = "<$[---IMAGES---END---]$>";
constexpr const char* kLayouts = "<$[---LAYOUTS---]$>";
constexpr const char* kLayoutsEnd = "<$[---LAYOUTS---END---]$>";
constexpr const char* kFonts = "<$[---FONTS---]$>";
constexpr const char* kFontsEnd = "<$[---FONTS---END---]$>";
constexpr const char* kMenus = "<$[---MENUS---]$>";
constexpr const char* kMenusEnd = "<$[---MENUS---END---]$>";
constexpr const char* kFontBlock = "<$[---FONTS---SUB---]$>";
constexpr const char* kFontBlockEnd = "<$[---FONTS---SUB---END---]$>";
constexpr const char* kMenuBlock = "<$[---MENUS---SUB---]$>";
constexpr const char* kMenuBlockEnd = "<$[---MENUS---SUB---END---]$>";
// The user's pages, after the menus; only in a project of a site of several pages.
constexpr const char* kPages = "<$[---PAGES---]$>";
constexpr const char* kPagesEnd = "<$[---PAGES---END---]$>";

// The element names an XML section sets, in the order of the row values that go into them.
extern const std::vector<std::string> kColorFields;  // title, var, value
extern const std::vector<std::string> kImageFields;  // title, url, folder
extern const std::vector<std::string> kLayoutFields; // title, choice, folder

constexpr const char* kOtherTemplate =
    "This project is based on another template. To load this project, please, select the required "
    "template first\r\nRequired template for this project: ";
constexpr const char* kNotAProject = "This file is not a Quorlex project (a .tpp file saved by \"Save Project\").";
constexpr const char* kTempFileFailed = "Error saving temp file. Operation aborted.";
constexpr const char* kMenuNotLoaded = " Error Loading Menu .... ";
constexpr const char* kMenuNotRead = "Error loading menu code. ";
constexpr const char* kMenuNotSaved = "Error saving menu code. ";

} // namespace project

// True when the line is one of the sixteen marker lines of a project file.
bool IsProjectMarker(std::string_view line);

// `Project file "x.tpp", section "colors", line 12: what`; without a file name "The project
// file" stands in.
std::string ProjectFindingText(const std::string& fileName, const char* section, size_t line, const std::string& what);

// An XML reader's error about a section (`Error reading "temp/colors.xml": line 3: what`) as
// a finding at the project file's line: the section's content starts at `firstLine` and has
// `lineCount` lines. An error without a line names the section's lines.
std::string SectionFindingText(const std::string& fileName, const char* section, size_t firstLine, size_t lineCount,
                               const std::string& xmlError);

// A file of the package's scratch folder "temp", which is created when missing.
fs::path ProjectScratchFile(const TemplateWorkspace& ws, const std::string& name);

// The file holding a menu row's current tree.
fs::path MenuTreeFile(const TemplateWorkspace& ws, const MenuVariable& menu);

} // namespace quorlex
