#include "workspace/TemplateWorkspace.h"

#include "util/PackagePath.h"

namespace quorlex {

fs::path TemplateWorkspace::PackageFile(const std::string& relative) const {
    return ResolvePackagePath(TemplateFolder, relative);
}

std::optional<fs::path> TemplateWorkspace::PackageFileIfInside(const std::string& relative) const {
    return ResolvePackagePathIfInside(TemplateFolder, relative);
}

fs::path TemplateWorkspace::PresetFolder(TableKind kind) const {
    static const char* const names[] = {"colors", "images", "layouts", "fonts", "menus"};
    return PackageFile(settings.presetroot + "\\" + names[static_cast<size_t>(kind)] + "\\");
}

} // namespace quorlex
