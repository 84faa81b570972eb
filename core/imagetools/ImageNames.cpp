#include "imagetools/ImageNames.h"

#include "imagetools/JpegCodec.h"
#include "util/NativeNames.h"
#include "util/PathUtils.h"
#include "util/TextSearch.h"

#include <fstream>

namespace quorlex {

namespace {

// The extension with its dot, or empty text when the name has no ".".
std::string ExtensionOf(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

} // namespace

bool IsJpegName(const std::string& name) {
    const std::string ext = ExtensionOf(name);
    return SameTextNoCase(ext, ".jpg") || SameTextNoCase(ext, ".jpeg");
}

bool EditorCanOpen(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    char head[2] = {};
    if (!in.read(head, sizeof head))
        return in.is_open() ? false : IsJpegName(PathToProgramText(file.filename()));
    return IsJpegData(std::string_view(head, sizeof head));
}

bool IsPictureName(const std::string& name) {
    static const char* const kKinds[] = {".jpg", ".jpeg", ".png", ".gif", ".webp", ".svg"};
    const std::string ext = ExtensionOf(name);
    for (const char* kind : kKinds)
        if (SameTextNoCase(ext, kind))
            return true;
    return false;
}

std::string WithoutExtension(const std::string& name) { return name.substr(0, name.rfind('.')); }

std::string ProposedImageName(const fs::path& folder, const std::string& base) {
    std::string candidate = base + "_1.jpg";
    for (int n = 2; NameTakenNoCase(folder, candidate); ++n)
        candidate = base + "_" + std::to_string(n) + ".jpg";
    return candidate;
}

std::string JpegFileName(const std::string& typed) {
    if (typed.find('.') == std::string::npos)
        return typed + ".jpg";
    if (!IsJpegName(typed))
        return WithoutExtension(typed) + ".jpg";
    return typed;
}

std::optional<std::string> ImageNameRefusal(const std::string& typed) {
    if (typed.find('/') != std::string::npos || typed.find('\\') != std::string::npos || TrimControls(typed) == "..")
        return std::string(imagetexts::kPlainImageName);
    if (TrimControls(WithoutExtension(JpegFileName(typed))).empty())
        return std::string(imagetexts::kEnterImageName);
    return std::nullopt;
}

bool NameTakenNoCase(const fs::path& folder, const std::string& name) {
    const std::u32string folded = FoldNativeName(NativeNameFromPackageText(name));
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (FoldNativeName(it->path().filename().string()) == folded)
            return true;
    return false;
}

} // namespace quorlex
