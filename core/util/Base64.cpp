#include "util/Base64.h"

namespace quorlex {

namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int DigitValue(char c) {
    const size_t at = kAlphabet.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

std::string Base64Encode(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        unsigned value = static_cast<unsigned char>(bytes[i]) << 16;
        if (left > 1)
            value |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (left > 2)
            value |= static_cast<unsigned char>(bytes[i + 2]);
        text += kAlphabet[(value >> 18) & 63];
        text += kAlphabet[(value >> 12) & 63];
        text += left > 1 ? kAlphabet[(value >> 6) & 63] : '=';
        text += left > 2 ? kAlphabet[value & 63] : '=';
    }
    return text;
}

std::optional<std::string> Base64Decode(std::string_view text) {
    while (!text.empty() && text.back() == '=')
        text.remove_suffix(1);
    if (text.size() % 4 == 1)
        return std::nullopt;
    std::string bytes;
    unsigned value = 0;
    int bits = 0;
    for (const char c : text) {
        const int digit = DigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = (value << 6) | static_cast<unsigned>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((value >> bits) & 0xFF);
        }
    }
    return bytes;
}

} // namespace quorlex
