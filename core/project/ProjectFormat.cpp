#include "project/ProjectFormat.h"

#include "util/Error.h"
#include "util/NativeNames.h"

#include <algorithm>
#include <optional>

namespace quorlex {

namespace project {
const std::vector<std::string> kColorFields{"title", "var", "default"};
const std::vector<std::string> kImageFields{"image", "url", "var"};
const std::vector<std::string> kLayoutFields{"title", "default", "var"};
} // namespace project

bool IsProjectMarker(std::string_view line) {
    using namespace project;
    for (const char* marker : {kColors, kColorsEnd, kImages, kImagesEnd, kLayouts, kLayoutsEnd, kFonts, kFontsEnd,
                               kMenus, kMenusEnd, kFontBlock, kFontBlockEnd, kMenuBlock, kMenuBlockEnd, kPages,
                               kPagesEnd})
        if (line == marker)
            return true;
    return false;
}

namespace {

std::string ProjectFileName(const std::string& fileName) {
    return fileName.empty() ? "The project file" : "Project file \"" + fileName + "\"";
}

// The line number after "line " in an XML reader's error, and where its text goes on.
std::optional<std::pair<size_t, size_t>> LineInError(const std::string& error) {
    const std::string mark = "\": line ";
    const size_t at = error.find(mark);
    if (at == std::string::npos)
        return std::nullopt;
    size_t line = 0;
    size_t i = at + mark.size();
    for (; i < error.size() && error[i] >= '0' && error[i] <= '9'; ++i)
        line = line * 10 + static_cast<size_t>(error[i] - '0');
    if (i == at + mark.size() || error.compare(i, 2, ": ") != 0)
        return std::nullopt;
    return std::make_pair(line, i + 2);
}

} // namespace

std::string ProjectFindingText(const std::string& fileName, const char* section, size_t line, const std::string& what) {
    return ProjectFileName(fileName) + ", section \"" + section + "\", line " + std::to_string(line) + ": " + what;
}

std::string SectionFindingText(const std::string& fileName, const char* section, size_t firstLine, size_t lineCount,
                               const std::string& xmlError) {
    if (const auto place = LineInError(xmlError)) {
        const size_t line = std::min(place->first, std::max<size_t>(lineCount, 1));
        return ProjectFindingText(fileName, section, firstLine + line - 1, xmlError.substr(place->second));
    }
    const size_t named = xmlError.find("\": ");
    const std::string what = named == std::string::npos ? xmlError : xmlError.substr(named + 3);
    const size_t lastLine = firstLine + std::max<size_t>(lineCount, 1) - 1;
    return ProjectFileName(fileName) + ", section \"" + section + "\" (lines " + std::to_string(firstLine) + " to " +
           std::to_string(lastLine) + "): " + what;
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
