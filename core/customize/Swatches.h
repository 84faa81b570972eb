#pragma once

#include "util/Color.h"

#include <string>
#include <vector>

namespace quorlex {

struct Swatch {
    std::string name;
    Color color;
};

// The swatch list of the colors page: "Custom..." (black at start), then the named colors.
std::vector<Swatch> StartSwatches();

} // namespace quorlex
