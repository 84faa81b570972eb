#include "project/ProjectFormat.h"

#include "util/Error.h"
#include "util/NativeNames.h"

namespace quorlex {

namespace project {
const std::vector<std::string> kColorFields{"title", "var", "default"};
const std::vector<std::string> kImageFields{"image", "url", "var"};
const std::vector<std::string> kLayoutFields{"title", "default", "var"};
} // namespace project

bool IsProjectMarker(std::string_view line) {
    using namespace project;
    for (const char* marker : {kColors, kColorsEnd, kImages, kImagesEnd, kLayouts, kLayoutsEnd, kFonts, kFontsEnd,
                               kMenus, kMenusEnd, kFontBlock, kFontBlockEnd, kMenuBlock, kMenuBlockEnd})
        if (line == marker)
            return true;
    return false;
}

fs::path ProjectScratchFile(const TemplateWorkspace& ws, const std::string& name) {
    const fs::path folder = ws.PackageFile("temp");
    std::error_code error;
    if (!fs::is_directory(folder, error) && !fs::create_directory(folder, error))
        throw Error("Cannot create the folder \"" + PathToProgramText(folder) + "\".");
    return ws.PackageFile("temp\\" + name);
}

fs::path MenuTreeFile(const TemplateWorkspace& ws, const MenuVariable& menu) {
    return ws.PackageFile(menu.folder + "menu.lyo");
}

} // namespace quorlex
