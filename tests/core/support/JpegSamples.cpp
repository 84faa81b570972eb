#include "support/JpegSamples.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace quorlex::test {

namespace {

// Encodes rows of `components` bytes per pixel, progressive when there is a scan script; the
// library's default error handling is good enough for samples that are always valid.
std::string Encode(int w, int h, int components, J_COLOR_SPACE space, bool adobe, bool progressive,
                   const std::uint8_t* pixels, const std::vector<jpeg_scan_info>& script = {}) {
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
    if (!script.empty()) {
        info.scan_info = script.data();
        info.num_scans = static_cast<int>(script.size());
    }
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

size_t SegmentEnd(const std::string& bytes, size_t marker) {
    return marker + 2 +
           (static_cast<unsigned char>(bytes[marker + 2]) << 8 | static_cast<unsigned char>(bytes[marker + 3]));
}

// Where the entropy-coded data that starts at `from` ends: at the next marker that is neither a
// stuffed zero nor a restart.
size_t DataEnd(const std::string& bytes, size_t from) {
    size_t i = from;
    while (i + 1 < bytes.size()) {
        const auto next = static_cast<unsigned char>(bytes[i + 1]);
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && next != 0 && (next < 0xD0 || next > 0xD7))
            break;
        ++i;
    }
    return i;
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

std::string ManyScanJpeg(int w, int h, int scans) {
    // The DC of all components, then each component's AC at full precision: four scans that a
    // decoder takes without complaint when any of them comes again.
    std::vector<jpeg_scan_info> script(4);
    script[0].comps_in_scan = 3;
    for (int c = 0; c < 3; ++c) {
        script[0].component_index[c] = c;
        script[c + 1].comps_in_scan = 1;
        script[c + 1].component_index[0] = c;
        script[c + 1].Ss = 1;
        script[c + 1].Se = 63;
    }
    const std::vector<std::uint8_t> gray(static_cast<size_t>(w) * static_cast<size_t>(h) * 3, 128);
    std::string file = Encode(w, h, 3, JCS_RGB, false, false, gray.data(), script);
    // The luminance AC scan is the second scan; its copies go right behind it, where its
    // Huffman table still holds.
    size_t sos = 2;
    for (int seen = 0;;) {
        const bool scan = static_cast<unsigned char>(file[sos + 1]) == 0xDA;
        if (scan && ++seen == 2)
            break;
        sos = scan ? DataEnd(file, SegmentEnd(file, sos)) : SegmentEnd(file, sos);
    }
    const size_t end = DataEnd(file, SegmentEnd(file, sos));
    const std::string scan = file.substr(sos, end - sos);
    std::string copies;
    copies.reserve(scan.size() * static_cast<size_t>(std::max(0, scans - 4)));
    for (int i = 4; i < scans; ++i)
        copies += scan;
    file.insert(end, copies);
    return file;
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
