#pragma once

#include "pagebase/TablePage.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

// The six combo boxes of the fonts page, in the order they are filled.
enum class FontBox { Family, Size, Unit, Weight, Style, Decoration };
constexpr size_t kFontBoxCount = 6;

// An editable combo box: its drop-down entries and the text it shows.
struct ComboState {
    std::vector<std::string> entries;
    std::string text;
};

// "Fonts:": the selected font variable and the six boxes bound to its fields. Every stored
// field rebuilds the preview.
class FontsPage : public TablePage<FontVariable> {
public:
    explicit FontsPage(PageContext& context);

    const ComboState& box(FontBox which) const { return m_boxes[static_cast<size_t>(which)]; }
    // What to say beside the size while it is a number without a unit, which browsers ignore;
    // empty otherwise.
    std::string SizeWarning() const;

    // A click on the title list; without a row nothing changes.
    void onFontSelected(std::optional<size_t> row) {
        if (SelectRow(row))
            ShowSelectedRow();
    }
    // Fills the boxes from one row: its current value first, then the choice list.
    void lvSelectItem(size_t row);
    void ShowSelectedRow() override;
    // The box's list is about to drop down: sorted, each text once.
    void DropDown(FontBox which);
    // The user typed or picked a text; nothing is stored yet.
    void EditBox(FontBox which, const std::string& text);
    // Enter, a pick from the list or the box's "apply": the box's text into the row.
    void Store(FontBox which);
    // The "apply" beside size and unit.
    void ApplySizeAndUnit();
    // A box's "apply" button: the size's button stores the size and the unit together.
    void Apply(FontBox which);
    // Reloads fonts.xml and rebuilds.
    void Default();
    // No row, empty boxes.
    void Reset();
    void Help();

private:
    ComboState& Box(FontBox which) { return m_boxes[static_cast<size_t>(which)]; }

    std::array<ComboState, kFontBoxCount> m_boxes;
};

} // namespace quorlex
