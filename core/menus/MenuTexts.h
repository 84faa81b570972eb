#pragma once

namespace quorlex {

// Fixed texts of the Menus page.
namespace menutexts {

constexpr const char* kRootText = "Menu";
constexpr const char* kNewCaption = "[New Menu Item]";
constexpr const char* kNewLink = "#";
constexpr const char* kLoadFailed = "Error loading menu code. ";
constexpr const char* kClassNameRule =
    "a class name holds letters, digits, \"-\" and \"_\" only, and starts with neither a digit nor a dot. "
    "The stylesheet's rules for the menu would not find it.";
constexpr const char* kSaveFailed = "Error saving menu code. ";
constexpr const char* kSelectParent = "Please, select a parent item.";
constexpr const char* kSelectItem = "Please, select menu item.";
constexpr const char* kSelectToDelete = "Please, select an item in order to delete it.";
constexpr const char* kDeleteQuestion = "Are you sure you really want to delete the menu item?";
constexpr const char* kSelectMenu = "Please, select menu from the list!";
constexpr const char* kSelectMenuForPreset = "Please, select menu from the most-left list!";
constexpr const char* kOpenTitle = "Load Menu Structure";
constexpr const char* kSaveTitle = "Save Menu Structure";
constexpr const char* kStructureFilter = "Tamblor Menu Structure (*.tms)";
constexpr const char* kAllFilesFilter = "All Files (*.*)";
constexpr const char* kStructureSuffix = "tms";
constexpr const char* kStructureLoadFailed = " Error Loading Menu Structure. ";
constexpr const char* kEnterFileName = "Please, enter a filename!";
constexpr const char* kStructureSaveFailed =
    "Error Saving Menu Structure. Please, be sure you are using only letters and numbers in the file name!";
constexpr const char* kPresetLoadFailed = " Error Loading Menu Preset. ";
constexpr const char* kDefaultLoadFailed = "Error loading default menu code. ";

} // namespace menutexts
} // namespace quorlex
