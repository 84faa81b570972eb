#pragma once

#include "output/SiteFinding.h"
#include "ports/TextSample.h"
#include "workspace/VariableTables.h"

#include <vector>

namespace quorlex {

// Text whose contrast against what lies behind it is too low to read (4.5:1, or 3:1 for large
// text). What lies behind is the first opaque background up the layers, translucent ones
// blended over it, white when there is none; text over a background image cannot be judged
// and is left out. Elements with the same two colors and threshold make one finding, which
// names the color variables whose value is one of the two colors.
std::vector<SiteFinding> CheckContrast(const std::vector<TextSample>& samples,
                                       const std::vector<ColorVariable>& colors);

// How many texts stand over a background picture before any opaque color: their contrast is
// not checked.
size_t CountTextOverPictures(const std::vector<TextSample>& samples);

} // namespace quorlex
