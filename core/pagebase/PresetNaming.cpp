#include "pagebase/PresetNaming.h"

#include "util/Error.h"
#include "util/FileLists.h"
#include "util/PackagePath.h"
#include "util/PathUtils.h"
#include "workspace/TemplateWorkspace.h"

#include <algorithm>

namespace quorlex {

std::string NameFieldOnFocus(const std::string& text) {
    return text == presettexts::kNamePlaceholder ? std::string() : text;
}

bool IsSafePresetName(const std::string& name) {
    const bool controls =
        std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
    return !controls && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

std::optional<std::string> PresetNameRefusal(const std::string& name) {
    if (name == presettexts::kNamePlaceholder || TrimControls(name).empty())
        return presettexts::kEnterName;
    if (!IsSafePresetName(name))
        return presettexts::kSaveFailed;
    return std::nullopt;
}

std::string DeletePresetQuestion(const std::string& name) {
    return "Are you sure you really want to delete the preset \"" + name + "\"?";
}

void CreatePresetFolders(const TemplateWorkspace& ws, TableKind kind) {
    std::error_code ignored;
    fs::create_directory(ws.PackageFile(ws.settings.presetroot + "\\"), ignored);
    fs::create_directory(ws.PresetFolder(kind), ignored);
}

fs::path PresetFile(const TemplateWorkspace& ws, TableKind kind, const std::string& name) {
    if (!IsSafePresetName(name))
        throw Error("The preset name \"" + name + "\" points outside the preset folder.");
    // The listed file may end in ".XML": the existing file of that name wins.
    return ResolvePackagePath(ws.PresetFolder(kind), name + ".xml");
}

std::vector<std::string> ListPresets(const TemplateWorkspace& ws, TableKind kind) {
    return ListFileTitles(ws.PresetFolder(kind), "*.xml");
}

} // namespace quorlex
