#pragma once

#include "workspace/TableFiles.h"

#include <string>
#include <vector>

namespace quorlex {

struct TemplateWorkspace;

enum class PresetKind { Colors, Images, Layouts };

// How the presets of one kind differ: the table they copy, the item element a row is
// matched by, the element holding the value, and the captions of the panel. Every kind
// keeps its second field in the element "var".
struct PresetKindInfo {
    TableKind table;
    const char* matchedElement;
    const char* valueElement;
    const char* nameCaption;
    const char* listLabel; // empty: no label
    int helpTopic;         // of the panel's "Help"
    const char* name;      // in the names of undo steps: "colors preset Night"
};

const PresetKindInfo& InfoOf(PresetKind kind);

// The elements a preset of the kind writes and reads: matched, "var", value.
std::vector<std::string> PresetElements(PresetKind kind);

// A table row as a preset sees it: matched by its title, carrying a field in "var"
// (colors: var, images and layouts: folder) and a value (color, url, choice).
struct PresetRow {
    const std::string* title;
    std::string* carried;
    std::string* value;
};

std::vector<PresetRow> PresetRows(TemplateWorkspace& ws, PresetKind kind);

// Reloads the kind's table from the template's own file; throws Error when it cannot be read.
void ReloadTable(TemplateWorkspace& ws, PresetKind kind);

} // namespace quorlex
