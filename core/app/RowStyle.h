#pragma once

#include <cstdint>

namespace quorlex {

// How the main window's lists paint a row: zebra white and cream, navy selection with white text.
struct RowStyle {
    static constexpr int kRowHeight = 16;
    static constexpr int kFontPixels = 13;
    static constexpr std::uint32_t kWhite = 0xFFFFFF;
    static constexpr std::uint32_t kCream = 0xFFFBF0;
    static constexpr std::uint32_t kNavy = 0x000080;

    // Fill as 0xRRGGBB.
    static constexpr std::uint32_t Fill(int row, bool selected) {
        return selected ? kNavy : (row % 2 == 0 ? kWhite : kCream);
    }
    // True when the text is drawn white instead of the list's own text color.
    static constexpr bool WhiteText(bool selected) { return selected; }
};

} // namespace quorlex
