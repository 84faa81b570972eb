#include "menus/MenuTreeText.h"

#include "util/Error.h"
#include "util/TextFile.h"

#include <cstdio>

namespace quorlex {
namespace {

size_t CountLevel(const std::string& line) {
    size_t level = 0;
    while (level < line.size() && (line[level] == '\t' || line[level] == ' '))
        ++level;
    return level;
}

void AppendText(std::string& out, const MenuNode& node, size_t level) {
    out.append(level, '\t');
    out += node.text;
    out += "\r\n";
    for (const auto& child : node.children)
        AppendText(out, child, level + 1);
}

} // namespace

void ParseMenuTree(MenuTree& tree, std::string_view text) {
    tree.clear();
    const size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    // path[k] is the list that holds the last node made at level k.
    std::vector<std::vector<MenuNode>*> path;
    for (const auto& line : SplitLines(text)) {
        const size_t level = CountLevel(line);
        MenuNode node{line.substr(level), {}};
        if (path.empty()) {
            tree.push_back(std::move(node));
            path.push_back(&tree);
            continue;
        }
        const size_t previous = path.size() - 1;
        if (level > previous + 1) {
            char message[64];
            std::snprintf(message, sizeof message, "Invalid level (%zu) for item \"", level);
            throw Error(message + node.text + "\"");
        }
        if (level == previous + 1)
            path.push_back(&path.back()->back().children);
        else
            path.resize(level + 1);
        path.back()->push_back(std::move(node));
    }
}

void ReadMenuTree(MenuTree& tree, const fs::path& file, TextEncoding encoding) {
    const std::string bytes = ReadFileBytes(file);
    ParseMenuTree(tree, DecodeOwnText(bytes, encoding));
}

std::string MenuTreeToText(const MenuTree& tree) {
    std::string text;
    for (const auto& node : tree)
        AppendText(text, node, 0);
    return text;
}

void WriteMenuTree(const MenuTree& tree, const fs::path& file, TextEncoding encoding) {
    WriteFileAtomic(file, EncodeOwnText(MenuTreeToText(tree), encoding));
}

} // namespace quorlex
