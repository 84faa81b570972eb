#include "customize/PresetKinds.h"

#include "help/HelpTopics.h"
#include "workspace/WorkspaceLoader.h"

namespace quorlex {

namespace {

template <typename Row, typename Carried, typename Value>
std::vector<PresetRow> RowsOf(std::vector<Row>& rows, Carried carried, Value value) {
    std::vector<PresetRow> result;
    result.reserve(rows.size());
    for (Row& row : rows)
        result.push_back({&row.title, &(row.*carried), &(row.*value)});
    return result;
}

} // namespace

const PresetKindInfo& InfoOf(PresetKind kind) {
    static const PresetKindInfo colors{TableKind::Colors,
                                       "title",
                                       "default",
                                       "Save Current Colors as Preset:",
                                       "Presets (Double-click to apply):",
                                       helptopic::kColorPresets,
                                       "colors"};
    static const PresetKindInfo images{
        TableKind::Images,        "image", "url", "Save Selection as Preset:", "Presets (Double-click to apply):",
        helptopic::kImagePresets, "images"};
    static const PresetKindInfo layouts{TableKind::Layouts,  "title",  "default", "Save Selection as Preset:", "",
                                        helptopic::kLayouts, "layouts"};
    switch (kind) {
    case PresetKind::Colors: return colors;
    case PresetKind::Images: return images;
    case PresetKind::Layouts: return layouts;
    }
    return colors;
}

std::vector<std::string> PresetElements(PresetKind kind) {
    const PresetKindInfo& info = InfoOf(kind);
    return {info.matchedElement, "var", info.valueElement};
}

std::vector<PresetRow> PresetRows(TemplateWorkspace& ws, PresetKind kind) {
    switch (kind) {
    case PresetKind::Colors: return RowsOf(ws.tables.colors, &ColorVariable::var, &ColorVariable::value);
    case PresetKind::Images: return RowsOf(ws.tables.images, &ImageVariable::folder, &ImageVariable::url);
    case PresetKind::Layouts: return RowsOf(ws.tables.layouts, &LayoutVariable::folder, &LayoutVariable::choice);
    }
    return {};
}

void ReloadTable(TemplateWorkspace& ws, PresetKind kind) {
    switch (kind) {
    case PresetKind::Colors: LoadColors(ws); break;
    case PresetKind::Images: LoadImages(ws); break;
    case PresetKind::Layouts: LodaLayouts(ws); break;
    }
}

} // namespace quorlex
