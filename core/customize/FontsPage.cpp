#include "customize/FontsPage.h"

#include "customize/FontChoices.h"
#include "customize/CustomizationStep.h"
#include "customize/PageContext.h"
#include "ports/Ui.h"
#include "workspace/TemplateWorkspace.h"
#include "customize/RowAt.h"
#include "customize/ChoiceOrder.h"
#include "help/HelpTopics.h"
#include "ports/Ui.h"
#include "util/Number.h"
#include "workspace/WorkspaceLoader.h"

namespace quorlex {

namespace {

constexpr FontBox kBoxes[] = {FontBox::Family, FontBox::Size,  FontBox::Unit,
                              FontBox::Weight, FontBox::Style, FontBox::Decoration};

std::string& Field(FontVariable& row, FontBox which) {
    switch (which) {
    case FontBox::Family: return row.family;
    case FontBox::Size: return row.size;
    case FontBox::Unit: return row.measure;
    case FontBox::Weight: return row.weight;
    case FontBox::Style: return row.style;
    case FontBox::Decoration: return row.decoration;
    }
    return row.family;
}

const std::vector<std::string>& Choices(FontBox which) {
    switch (which) {
    case FontBox::Family: return FontChoices::FontFamilyChoices();
    case FontBox::Size: return FontChoices::FontSizeChoices();
    case FontBox::Unit: return FontChoices::FontUnitChoices();
    case FontBox::Weight: return FontChoices::FontWeightChoices();
    case FontBox::Style: return FontChoices::FontStyleChoices();
    case FontBox::Decoration: return FontChoices::TextDecorationChoices();
    }
    return FontChoices::FontFamilyChoices();
}

} // namespace

FontsPage::FontsPage(PageContext& session) : m_session(session) {}

FontVariable* FontsPage::SelectedRow() {
    TemplateWorkspace* ws = m_session.workspace();
    return RowAt(ws ? &ws->tables.fonts : nullptr, m_selected);
}

void FontsPage::onFontSelected(std::optional<size_t> row) {
    if (!row)
        return;
    m_selected = row;
    lvSelectItem(*row);
}

void FontsPage::lvSelectItem(size_t row) {
    TemplateWorkspace* ws = m_session.workspace();
    if (!ws || row >= ws->tables.fonts.size())
        return;
    UpdatesSuspended suspended(m_session.ui());
    for (FontBox which : kBoxes) {
        ComboState& box = Box(which);
        box.entries = {Field(ws->tables.fonts[row], which)};
        box.entries.insert(box.entries.end(), Choices(which).begin(), Choices(which).end());
        box.text = box.entries.front();
    }
}

void FontsPage::DropDown(FontBox which) { Box(which).entries = SortedDistinct(Box(which).entries); }

void FontsPage::EditBox(FontBox which, const std::string& text) { Box(which).text = text; }

void FontsPage::Store(FontBox which) {
    FontVariable* row = SelectedRow();
    if (!row)
        return;
    CustomizationStep step(m_session, "font " + row->title, StepReach::Tables);
    Field(*row, which) = Box(which).text;
    if (which == FontBox::Size && !IsNumber(row->size)) {
        Box(FontBox::Unit).text.clear();
        row->measure.clear();
    }
    m_session.Refresh();
}

void FontsPage::ApplySizeAndUnit() {
    const FontVariable* row = SelectedRow();
    CustomizationStep step(m_session, row ? "font " + row->title : std::string(), StepReach::Tables);
    Store(FontBox::Size);
    Store(FontBox::Unit);
}

void FontsPage::Default() {
    TemplateWorkspace* ws = m_session.workspace();
    if (!ws)
        return;
    CustomizationStep step(m_session, "fonts default", StepReach::Tables);
    Reset();
    try {
        LoadFonts(*ws, m_session.ui());
    } catch (const std::exception& error) {
        m_session.ui().ShowError(error.what());
        return;
    }
    m_session.Refresh();
}

void FontsPage::Help() { m_session.HelpRequested(helptopic::kFonts); }

void FontsPage::Reset() {
    m_selected.reset();
    m_boxes = {};
}

void FontsPage::Apply(FontBox which) {
    if (which == FontBox::Size)
        ApplySizeAndUnit();
    else
        Store(which);
}

} // namespace quorlex
