#pragma once

#include <string>
#include <vector>

namespace quorlex {

// One background on the way from a text element up to the page, as the browser computed it.
struct BackgroundLayer {
    std::string color;  // computed background-color
    bool image = false; // a background image (or gradient) is painted over the color
};

// A rendered element with text of its own.
struct TextSample {
    std::string text;                    // its own text, program text
    std::string color;                   // computed color
    std::vector<BackgroundLayer> layers; // the element's, then each ancestor's
    double fontSizePx = 16.0;
    int fontWeight = 400;
};

} // namespace quorlex
