#include "customize/FontsPage.h"

#include "customize/ChoiceOrder.h"
#include "customize/FontChoices.h"
#include "help/HelpTopics.h"
#include "pagebase/CustomizationStep.h"
#include "pagebase/PageContext.h"
#include "ports/Ui.h"
#include "util/Number.h"
#include "workspace/TemplateWorkspace.h"
#include "workspace/WorkspaceLoader.h"

namespace quorlex {

namespace {

constexpr const char* kSizeWithoutUnit = "Choose a unit: browsers ignore a size that is a bare number.";

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

FontsPage::FontsPage(PageContext& context) : TablePage(context, &VariableTables::fonts) {}

void FontsPage::ShowSelectedRow() {
    if (m_selected)
        lvSelectItem(*m_selected);
}

void FontsPage::lvSelectItem(size_t row) {
    FontVariable* variable = RowAt(row);
    if (!variable)
        return;
    UpdatesSuspended suspended(m_context.ui());
    for (FontBox which : kBoxes) {
        ComboState& box = Box(which);
        box.entries = {Field(*variable, which)};
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
    CustomizationStep step(m_context, "font " + row->title, StepReach::Tables);
    Field(*row, which) = Box(which).text;
    if (which == FontBox::Size && !IsNumber(row->size)) {
        Box(FontBox::Unit).text.clear();
        row->measure.clear();
    }
    m_context.Rebuildtemplate();
}

void FontsPage::ApplySizeAndUnit() {
    const FontVariable* row = SelectedRow();
    CustomizationStep step(m_context, row ? "font " + row->title : std::string(), StepReach::Tables);
    Store(FontBox::Size);
    Store(FontBox::Unit);
}

void FontsPage::Default() {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return;
    CustomizationStep step(m_context, "fonts default", StepReach::Tables);
    Reset();
    try {
        UpdatesSuspended suspended(m_context.ui());
        LoadFonts(*ws);
    } catch (const std::exception& error) {
        m_context.ui().ShowError(error.what());
        return;
    }
    m_context.Rebuildtemplate();
}

void FontsPage::Help() { m_context.HelpRequested(helptopic::kFonts); }

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

std::string FontsPage::SizeWarning() const {
    const std::string& size = box(FontBox::Size).text;
    if (!box(FontBox::Unit).text.empty() || size.empty())
        return {};
    bool digit = false;
    bool nonZero = false;
    for (const char c : size) {
        if (c >= '0' && c <= '9') {
            digit = true;
            nonZero = nonZero || c != '0';
        } else if (c != '.') {
            return {};
        }
    }
    return digit && nonZero ? kSizeWithoutUnit : std::string();
}

} // namespace quorlex
