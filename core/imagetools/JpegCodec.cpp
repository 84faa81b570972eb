#include "imagetools/JpegCodec.h"

#include "imagetools/ThumbnailGrid.h"
#include "util/Error.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jerror.h>
#include <jpeglib.h>
#include <vector>

namespace quorlex {
namespace {

// The library reports a fatal error by calling error_exit, which by default ends the process.
// Ours keeps the message and jumps back to the call that started the work.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    int maxScans;
    const std::atomic<bool>* cancel;
};

ErrorManager& ManagerOf(j_common_ptr info) { return *reinterpret_cast<ErrorManager*>(info->err); }

[[noreturn]] void ErrorExit(j_common_ptr info) {
    ErrorManager& err = ManagerOf(info);
    (*info->err->format_message)(info, err.message);
    std::longjmp(err.jump, 1);
}

// Warnings are the decoder's word for damage it worked around: data running out, a segment
// cut short by a marker, bad codes. It fills what is missing with gray, so fail instead.
void EmitMessage(j_common_ptr info, int level) {
    if (level < 0)
        ErrorExit(info);
}

void OutputMessage(j_common_ptr) {}

// Called for every row of blocks while the scans are read and every batch of rows written
// out; a progressive file can claim any number of scans, each of which costs a pass over the
// whole image.
void MonitorProgress(j_common_ptr info) {
    if (!info->is_decompressor)
        return;
    ErrorManager& err = ManagerOf(info);
    if (err.cancel && err.cancel->load(std::memory_order_relaxed)) {
        std::snprintf(err.message, sizeof err.message, "The decoding was stopped.");
        std::longjmp(err.jump, 1);
    }
    const int scan = reinterpret_cast<j_decompress_ptr>(info)->input_scan_number;
    if (scan > err.maxScans) {
        std::snprintf(err.message, sizeof err.message, "The JPEG file has more than %d scans.", err.maxScans);
        std::longjmp(err.jump, 1);
    }
}

jpeg_error_mgr* Install(ErrorManager& err, int maxScans, const std::atomic<bool>* cancel = nullptr) {
    jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.emit_message = EmitMessage;
    err.pub.output_message = OutputMessage;
    err.message[0] = '\0';
    err.maxScans = maxScans;
    err.cancel = cancel;
    return &err.pub;
}

struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager err{};
    jpeg_progress_mgr progress{};
    ~Decoder() { jpeg_destroy_decompress(&info); }
};

struct Encoder {
    jpeg_compress_struct info{};
    ErrorManager err{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    ~Encoder() {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
};

constexpr int kBatchRows = 16;

inline std::uint8_t Scale(unsigned a, unsigned b) { return static_cast<std::uint8_t>((a * b + 127) / 255); }

// Ink values to RGB. Adobe's files store 255 - ink, the others the ink itself.
void InkRowsToRgb(const std::uint8_t* ink, std::uint8_t* rgb, size_t pixels, bool inverted) {
    for (size_t i = 0; i < pixels; ++i, ink += 4, rgb += 3) {
        const unsigned k = inverted ? ink[3] : 255u - ink[3];
        for (int c = 0; c < 3; ++c)
            rgb[c] = Scale(inverted ? ink[c] : 255u - ink[c], k);
    }
}

// The smallest scale n/8 whose picture still covers the thumbnail's size.
void ChooseThumbnailScale(jpeg_decompress_struct& info, PixelSize cell) {
    const PixelSize wanted =
        ThumbnailGrid::Fit({static_cast<int>(info.image_width), static_cast<int>(info.image_height)}, cell);
    info.scale_denom = 8;
    for (info.scale_num = 1; info.scale_num < 8; ++info.scale_num) {
        jpeg_calc_output_dimensions(&info);
        if (static_cast<int>(info.output_width) >= wanted.width &&
            static_cast<int>(info.output_height) >= wanted.height)
            return;
    }
}

// Everything the library may jump out of runs here; this frame owns no object with a
// destructor, and what it fills belongs to the caller. A thumbnail `cell` scales the decode.
bool RunDecode(Decoder& d, std::string_view bytes, const JpegLimits& limits, const PixelSize* cell, RgbImage& image,
               std::vector<std::uint8_t>& inkRows) {
    if (setjmp(d.err.jump))
        return false;
    jpeg_create_decompress(&d.info);
    d.info.mem->max_memory_to_use = limits.maxMemory;
    d.progress.progress_monitor = MonitorProgress;
    d.info.progress = &d.progress;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.info, TRUE);
    const std::uint64_t pixels = static_cast<std::uint64_t>(d.info.image_width) * d.info.image_height;
    if (pixels > limits.maxPixels) {
        std::snprintf(d.err.message, sizeof d.err.message,
                      "The image is too large (%u x %u pixels); at most %llu megapixels can be opened.",
                      d.info.image_width, d.info.image_height,
                      static_cast<unsigned long long>(limits.maxPixels / 1'000'000));
        return false;
    }
    if (cell)
        ChooseThumbnailScale(d.info, *cell);
    const bool ink = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = ink ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&d.info);
    const int width = static_cast<int>(d.info.output_width);
    const int height = static_cast<int>(d.info.output_height);
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    if (ink)
        inkRows.resize(static_cast<size_t>(width) * 4 * kBatchRows);
    JSAMPROW rows[kBatchRows];
    while (d.info.output_scanline < d.info.output_height) {
        const int first = static_cast<int>(d.info.output_scanline);
        const int count = std::min(kBatchRows, height - first);
        for (int i = 0; i < count; ++i)
            rows[i] = ink ? inkRows.data() + static_cast<size_t>(i) * width * 4 : image.row(first + i);
        const int read = static_cast<int>(jpeg_read_scanlines(&d.info, rows, static_cast<JDIMENSION>(count)));
        if (ink)
            for (int i = 0; i < read; ++i)
                InkRowsToRgb(rows[i], image.row(first + i), static_cast<size_t>(width), d.info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

bool RunEncode(Encoder& e, const RgbImage& image, int quality) {
    if (setjmp(e.err.jump))
        return false;
    jpeg_create_compress(&e.info);
    jpeg_mem_dest(&e.info, &e.buffer, &e.size);
    e.info.image_width = static_cast<JDIMENSION>(image.width);
    e.info.image_height = static_cast<JDIMENSION>(image.height);
    e.info.input_components = 3;
    e.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.info);
    jpeg_set_quality(&e.info, quality, TRUE);
    // Full-resolution colour: an edited image should come back as it was shown.
    for (int c = 0; c < 3; ++c)
        e.info.comp_info[c].h_samp_factor = e.info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&e.info, TRUE);
    while (e.info.next_scanline < e.info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.row(static_cast<int>(e.info.next_scanline)));
        jpeg_write_scanlines(&e.info, &row, 1);
    }
    jpeg_finish_compress(&e.info);
    return true;
}

} // namespace

void DecodeJpegInto(std::string_view bytes, RgbImage& image, const JpegLimits& limits) {
    Decoder decoder;
    decoder.info.err = Install(decoder.err, limits.maxScans);
    std::vector<std::uint8_t> inkRows;
    if (!RunDecode(decoder, bytes, limits, nullptr, image, inkRows))
        throw Error(decoder.err.message);
}

RgbImage DecodeJpeg(std::string_view bytes, const JpegLimits& limits) {
    RgbImage image;
    DecodeJpegInto(bytes, image, limits);
    return image;
}

RgbImage DecodeJpegThumbnail(std::string_view bytes, PixelSize cell, const std::atomic<bool>& cancel,
                             const JpegLimits& limits) {
    Decoder decoder;
    decoder.info.err = Install(decoder.err, limits.maxScans, &cancel);
    RgbImage image;
    std::vector<std::uint8_t> inkRows;
    if (!RunDecode(decoder, bytes, limits, &cell, image, inkRows))
        throw Error(decoder.err.message);
    return image;
}

bool IsJpegData(std::string_view bytes) { return bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xD8'; }

std::string EncodeJpeg(const RgbImage& image, int quality) {
    Encoder encoder;
    encoder.info.err = Install(encoder.err, 0);
    if (!RunEncode(encoder, image, quality))
        throw Error(encoder.err.message);
    return std::string(reinterpret_cast<const char*>(encoder.buffer), encoder.size);
}

} // namespace quorlex
