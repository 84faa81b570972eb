#pragma once

#include "imagetools/RgbImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorlex::test {

// How a sample JPEG is written: its colour space and the number of components follow.
enum class SampleSpace { Gray, Rgb, Cmyk, AdobeCmyk };

// A JPEG of w x h pixels whose every pixel holds `components` (1, 3 or 4 values as stored).
std::string SolidJpeg(int w, int h, SampleSpace space, const std::vector<std::uint8_t>& components);

// A progressive JPEG of a smooth gradient.
std::string ProgressiveJpeg(int w, int h);

// A flat gray progressive JPEG of `scans` scans (at least 4), the luminance AC scan repeated:
// each scan is a few bytes but costs the decoder a pass over every block.
std::string ManyScanJpeg(int w, int h, int scans);

// A gradient with some texture, so that every operation changes it visibly.
RgbImage GradientImage(int w, int h);

} // namespace quorlex::test
