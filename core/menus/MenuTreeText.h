#pragma once

#include "menus/MenuNode.h"
#include "util/TextEncoding.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quorlex {

namespace fs = std::filesystem;

// Parses menu tree text into `tree` (emptied first): one node per line, its level counted
// in leading TABs and blanks. Text ends at the first NUL. Throws Error on a line more than
// one level deeper than the line before; the tree then holds the nodes read so far.
void ParseMenuTree(MenuTree& tree, std::string_view text);

// Reads a menu tree file of a package in `encoding`; when the file cannot be opened the tree
// is left unchanged.
void ReadMenuTree(MenuTree& tree, const fs::path& file, TextEncoding encoding);

// The menu tree text: pre-order, one TAB per level, CR LF after every line.
std::string MenuTreeToText(const MenuTree& tree);

// Writes the menu tree text in `encoding`, replacing the file atomically.
void WriteMenuTree(const MenuTree& tree, const fs::path& file, TextEncoding encoding);

} // namespace quorlex
