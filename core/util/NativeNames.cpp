#include "util/NativeNames.h"

#include <cwctype>
#include <locale.h>

namespace quorlex {
namespace {

// Full Unicode case tables come from the C.UTF-8 locale; without it only ASCII folds.
locale_t FoldingLocale() {
    static const locale_t locale = [] {
        locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        return made ? made : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
    }();
    return locale;
}

// Decodes one UTF-8 sequence at name[i] and advances i; a malformed byte stands for itself,
// offset into a private range so it never equals a real character.
char32_t NextCodePoint(std::string_view name, size_t& i) {
    const auto lead = static_cast<unsigned char>(name[i]);
    const int extra = lead < 0x80 ? 0 : lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) >= name.size()) {
        ++i;
        return 0x10FF00 + lead;
    }
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(name[i + static_cast<size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0x10FF00 + lead;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    i += static_cast<size_t>(extra) + 1;
    return cp;
}

} // namespace

std::string NativeNameFromPackageText(std::string_view text) { return std::string(text); }

std::string PackageTextFromNativeName(std::string_view name) { return std::string(name); }

std::string PathToProgramText(const fs::path& path) { return path.string(); }

std::u32string FoldNativeName(std::string_view name) {
    std::u32string folded;
    folded.reserve(name.size());
    for (size_t i = 0; i < name.size();) {
        const char32_t cp = NextCodePoint(name, i);
        folded += static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), FoldingLocale()));
    }
    return folded;
}

} // namespace quorlex
