#include "customize/ColorsPage.h"

#include "help/HelpTopics.h"
#include "pagebase/CustomizationStep.h"
#include "pagebase/PageContext.h"
#include "ports/Ui.h"
#include "util/CssColor.h"
#include "workspace/TemplateWorkspace.h"

namespace quorlex {

ColorsPage::ColorsPage(PageContext& context)
    : TablePage(context, &VariableTables::colors), m_presets(context, PresetKind::Colors, this) {}

void ColorsPage::SetColorField(const std::string& text) {
    if (text == m_colorField)
        return;
    m_colorField = text;
    const Color color = HtmlToColor(text);
    for (size_t i = kCustomSwatch + 1; i < m_swatches.size(); ++i) {
        if (m_swatches[i].color == color) {
            m_selectedSwatch = i;
            return;
        }
    }
    m_swatches[kCustomSwatch].color = color;
    m_selectedSwatch = kCustomSwatch;
}

void ColorsPage::Store(const std::string& value) {
    ColorVariable* row = SelectedRow();
    if (!row)
        return;
    CustomizationStep step(m_context, "color " + row->title, StepReach::Tables);
    row->value = value;
    SetColorField(value);
    m_context.Rebuildtemplate();
}

void ColorsPage::TitleClicked(std::optional<size_t> row) {
    m_selected = row;
    ShowSelectedRow();
}

void ColorsPage::ShowSelectedRow() {
    if (const ColorVariable* variable = SelectedRow())
        SetColorField(variable->value);
}

void ColorsPage::ColorFieldEdited(const std::string& text) { SetColorField(text); }

namespace {

constexpr const char* kSelectColorFirst = "Select a color in the list first, then choose its new value.";

} // namespace

void ColorsPage::ApplyField() {
    ColorVariable* row = SelectedRow();
    if (!row) {
        m_context.ui().Inform(kSelectColorFirst);
        return;
    }
    // A value the stylesheet would drop is never stored.
    if (!IsCssColor(m_colorField)) {
        m_context.ui().Inform("\"" + m_colorField + "\" is not a color. Type it as " + kColorForms + ".");
        return;
    }
    CustomizationStep step(m_context, "color " + row->title, StepReach::Tables);
    row->value = m_colorField;
    m_context.Rebuildtemplate();
}

void ColorsPage::SwatchClicked(size_t index) {
    if (index >= m_swatches.size())
        return;
    m_selectedSwatch = index;
    if (SelectedRow())
        Store(ColorToHtml(m_swatches[index].color));
    else
        m_context.ui().Inform(kSelectColorFirst);
}

void ColorsPage::SwatchEnter(size_t index) {
    if (index != kCustomSwatch)
        return;
    const ColorVariable* row = SelectedRow();
    CustomizationStep step(m_context, row ? "color " + row->title : std::string(), StepReach::Tables);
    const std::optional<Color> chosen = ChooseWithPreview(m_swatches[kCustomSwatch].color);
    if (!chosen)
        return;
    m_swatches[kCustomSwatch].color = *chosen;
    SwatchClicked(kCustomSwatch);
}

std::optional<Color> ColorsPage::ChooseWithPreview(Color initial) {
    const ColorVariable* row = SelectedRow();
    const std::string before = row ? row->value : std::string();
    bool previewed = false;
    const auto preview = [&](Color color) {
        ColorVariable* current = SelectedRow();
        if (!current || current->value == ColorToHtml(color))
            return;
        current->value = ColorToHtml(color);
        previewed = true;
        m_context.Rebuildtemplate();
    };
    const std::optional<Color> chosen = m_context.ui().ChooseColor(initial, preview);
    ColorVariable* current = SelectedRow();
    if (!chosen && previewed && current) {
        current->value = before;
        m_context.Rebuildtemplate();
    }
    return chosen;
}

void ColorsPage::Transparent() { Store("transparent"); }

void ColorsPage::ChooseColor() {
    if (!SelectedRow())
        return;
    CustomizationStep step(m_context, "color " + SelectedRow()->title, StepReach::Tables);
    // The chooser opens on the variable's own color when it has one it can show.
    const Color current = HtmlToColor(SelectedRow()->value);
    const std::optional<Color> chosen = ChooseWithPreview(current == NoneColor ? m_lastChosen : current);
    if (!chosen)
        return;
    m_lastChosen = *chosen;
    Store(ColorToHtml(*chosen));
}

void ColorsPage::Help() { m_context.HelpRequested(helptopic::kSelectColors); }

void ColorsPage::Reset() {
    m_selected.reset();
    m_selectedSwatch.reset();
    SetColorField("");
    m_presets.Reset();
}

void ColorsPage::BeforePresetApply() {
    m_selectedSwatch.reset();
    SetColorField("");
}

void ColorsPage::AfterPresetApply() { ShowSelectedRow(); }

} // namespace quorlex
