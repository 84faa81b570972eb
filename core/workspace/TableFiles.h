#pragma once

#include "workspace/VariableTables.h"
#include "workspace/XmlDocument.h"

#include <string>
#include <vector>

namespace quorlex {

// The table kinds, in the order of the customization tabs that show them.
enum class TableKind { Colors, Images, Layouts, Fonts, Menus };

// File name and element names of each kind of table file.
const char* TableFileName(TableKind kind);
const std::vector<std::string>& TableFields(TableKind kind);

// Row conversions between a table and the field values of its file, in TableFields order.
ColorVariable ColorFromItem(const ItemValues& values);
FontVariable FontFromItem(const ItemValues& values);
ImageVariable ImageFromItem(const ItemValues& values);
LayoutVariable LayoutFromItem(const ItemValues& values);
MenuVariable MenuFromItem(const ItemValues& values);

ItemValues ItemFromColor(const ColorVariable& row);
ItemValues ItemFromFont(const FontVariable& row);
ItemValues ItemFromImage(const ImageVariable& row);
ItemValues ItemFromLayout(const LayoutVariable& row);

// Reads one table file into `rows`, appending as it goes: rows read before a fault stay.
template <typename Row>
void ReadTableFile(const fs::path& file, TableKind kind, Row (*fromItem)(const ItemValues&), std::vector<Row>& rows) {
    XmlDocument::Load(file).ForEachItem(TableFields(kind),
                                        [&](const ItemValues& values) { rows.push_back(fromItem(values)); });
}

} // namespace quorlex
