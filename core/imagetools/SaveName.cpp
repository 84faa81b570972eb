#include "imagetools/SaveName.h"

#include "imagetools/ImageNames.h"
#include "util/TextSearch.h"

namespace quorlex {

namespace {

bool IsOtherPictureExtension(const std::string& extension) {
    static const char* const kKinds[] = {".png", ".gif", ".bmp", ".webp", ".svg", ".tif", ".tiff", ".ico"};
    for (const char* kind : kKinds)
        if (SameTextNoCase(extension, kind))
            return true;
    return false;
}

} // namespace

std::string SavedImageName(const std::string& typed) {
    if (ImageNameRefusal(typed))
        return typed;
    const size_t dot = typed.rfind('.');
    if (dot == std::string::npos)
        return typed + ".jpg";
    const std::string extension = typed.substr(dot);
    if (IsJpegName(typed))
        return typed;
    if (extension == "." || IsOtherPictureExtension(extension))
        return typed.substr(0, dot) + ".jpg";
    return typed + ".jpg";
}

std::string SaveAsNotice(const std::string& typed) {
    if (const auto refusal = ImageNameRefusal(typed))
        return *refusal;
    return "Will be saved as " + SavedImageName(typed);
}

} // namespace quorlex
