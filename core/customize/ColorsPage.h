#pragma once

#include "customize/PresetStore.h"
#include "customize/Swatches.h"
#include "pagebase/PresetPage.h"
#include "pagebase/TablePage.h"

#include <optional>
#include <string>
#include <vector>

namespace quorlex {

// "Colors & Backgrounds:": the selected color variable, the color field, the swatch list and
// the color presets. Every stored value rebuilds the preview.
class ColorsPage : public TablePage<ColorVariable>, public PresetPage {
public:
    static constexpr size_t kCustomSwatch = 0;

    explicit ColorsPage(PageContext& context);

    const std::string& colorField() const { return m_colorField; }
    const std::vector<Swatch>& swatches() const { return m_swatches; }
    std::optional<size_t> selectedSwatch() const { return m_selectedSwatch; }
    PresetStore& presets() { return m_presets; }

    // A click on the title list; no row when the click left the list without selection.
    void TitleClicked(std::optional<size_t> row);
    // The color field and the swatches show the selected variable's value.
    void ShowSelectedRow() override;
    // The user typed in the color field: only the swatch selection follows.
    void ColorFieldEdited(const std::string& text);
    // "apply" or Enter in the color field: the field's text as typed.
    void ApplyField();
    // A mouse click on a swatch stores its color.
    void SwatchClicked(size_t index);
    // Enter on "Custom..." lets the user choose its color first.
    void SwatchEnter(size_t index);
    void Transparent();
    // The color chooser, opened on the color last confirmed in it.
    void ChooseColor();
    // No variable, no swatch, empty field.
    void Reset();
    // "Help" beside the color field.
    void Help();

    void BeforePresetApply() override;
    void AfterPresetApply() override;
    void PresetTableReloaded() override { Reset(); }

private:
    // The chooser, with the selected variable following its current color while it is open
    // and getting its value back when the user cancels.
    std::optional<Color> ChooseWithPreview(Color initial);
    void SetColorField(const std::string& text);
    void Store(const std::string& value);

    PresetStore m_presets;
    std::string m_colorField;
    std::vector<Swatch> m_swatches = StartSwatches();
    std::optional<size_t> m_selectedSwatch;
    Color m_lastChosen = RgbColor(0, 0, 0);
};

} // namespace quorlex
