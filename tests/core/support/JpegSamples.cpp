#include "support/JpegSamples.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace quorlex::test {

namespace {

// Encodes rows of `components` bytes per pixel; the library's default error handling is
// good enough for samples that are always valid.
std::string Encode(int w, int h, int components, J_COLOR_SPACE space, bool adobe, bool progressive,
                   const std::uint8_t* pixels) {
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(w);
    info.image_height = static_cast<JDIMENSION>(h);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, space);
    info.write_Adobe_marker = adobe ? TRUE : FALSE;
    jpeg_set_quality(&info, 100, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels + static_cast<size_t>(info.next_scanline) * w * components);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

} // namespace

std::string SolidJpeg(int w, int h, SampleSpace space, const std::vector<std::uint8_t>& components) {
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < w * h; ++i)
        pixels.insert(pixels.end(), components.begin(), components.end());
    const int n = static_cast<int>(components.size());
    switch (space) {
    case SampleSpace::Gray: return Encode(w, h, n, JCS_GRAYSCALE, false, false, pixels.data());
    case SampleSpace::Rgb: return Encode(w, h, n, JCS_RGB, false, false, pixels.data());
    case SampleSpace::Cmyk: return Encode(w, h, n, JCS_CMYK, false, false, pixels.data());
    case SampleSpace::AdobeCmyk: return Encode(w, h, n, JCS_CMYK, true, false, pixels.data());
    }
    return {};
}

std::string ProgressiveJpeg(int w, int h) {
    return Encode(w, h, 3, JCS_RGB, false, true, GradientImage(w, h).pixels.data());
}

RgbImage GradientImage(int w, int h) {
    RgbImage image(w, h);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* p = image.row(y);
        for (int x = 0; x < w; ++x, p += 3) {
            p[0] = static_cast<std::uint8_t>(x * 255 / std::max(1, w - 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / std::max(1, h - 1));
            p[2] = static_cast<std::uint8_t>((x + y) % 64 * 4);
        }
    }
    return image;
}

} // namespace quorlex::test
