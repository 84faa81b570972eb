#include "check/PackageFiles.h"

#include "util/NativeNames.h"
#include "util/PackagePath.h"
#include "util/TextSearch.h"

#include <algorithm>

namespace quorlex {

std::vector<std::string> PathNames(std::string_view relative) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= relative.size()) {
        const size_t end = std::min(relative.find_first_of("/\\", start), relative.size());
        const std::string_view name = relative.substr(start, end - start);
        if (!name.empty() && name != ".")
            names.emplace_back(name);
        start = end + 1;
    }
    return names;
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : "/") + name;
    return joined;
}

LocatedFile LocatePackageFile(const fs::path& root, std::string_view relative) {
    if (!StaysInsideFolder(relative))
        return {FileState::Outside, {}, {}};
    const std::optional<fs::path> resolved = ResolvePackagePathIfInside(root, relative);
    if (!resolved)
        return {FileState::Outside, {}, {}};
    std::error_code ec;
    if (!fs::exists(*resolved, ec))
        return {FileState::Missing, {}, {}};
    const std::vector<std::string> written = PathNames(relative);
    std::vector<std::string> found;
    fs::path at = *resolved;
    for (size_t i = 0; i < written.size(); ++i, at = at.parent_path())
        found.insert(found.begin(), PathToProgramText(at.filename()));
    const std::string actual = JoinNames(found);
    return {actual == JoinNames(written) ? FileState::Found : FileState::CaseDiffers, *resolved, actual};
}

size_t LineAt(std::string_view text, size_t offset) {
    offset = std::min(offset, text.size());
    return 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

size_t LineOfText(std::string_view text, std::string_view needle) {
    const size_t at = CaseInsensitiveFinder(needle).FindIn(text);
    return at == std::string_view::npos ? 0 : LineAt(text, at);
}

} // namespace quorlex
