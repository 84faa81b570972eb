#include "util/PackagePath.h"

#include "util/Error.h"
#include "util/TextSearch.h"

#include <vector>

namespace quorlex {
namespace {

std::vector<std::string> SplitComponents(std::string_view relative) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : relative) {
        if (c == '\\' || c == '/') {
            if (!current.empty() && current != ".")
                parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty() && current != ".")
        parts.push_back(current);
    return parts;
}

bool IsUnsafe(std::string_view relative, const std::vector<std::string>& parts) {
    if (!relative.empty() && (relative.front() == '/' || relative.front() == '\\'))
        return true;
    if (relative.size() >= 2 && relative[1] == ':')
        return true;
    for (const auto& part : parts)
        if (part == "..")
            return true;
    return false;
}

std::vector<std::string> SafeComponents(std::string_view relative) {
    auto parts = SplitComponents(relative);
    if (IsUnsafe(relative, parts))
        throw Error("The path \"" + std::string(relative) + "\" points outside its folder.");
    return parts;
}

fs::path MatchComponent(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    fs::path exact = folder / name;
    if (fs::exists(exact, ec))
        return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (SameNameNoCase(candidate, name))
            return it->path();
    }
    return exact;
}

} // namespace

bool SameNameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool StaysInsideFolder(std::string_view relative) { return !IsUnsafe(relative, SplitComponents(relative)); }

fs::path JoinPackagePath(const fs::path& root, std::string_view relative) {
    fs::path path = root;
    for (const auto& part : SafeComponents(relative))
        path /= part;
    return path;
}

fs::path ResolvePackagePath(const fs::path& root, std::string_view relative) {
    const auto parts = SafeComponents(relative);
    fs::path exact = root;
    for (const auto& part : parts)
        exact /= part;
    std::error_code ec;
    if (fs::exists(exact, ec))
        return exact;
    fs::path path = root;
    for (const auto& part : parts)
        path = MatchComponent(path, part);
    return path;
}

} // namespace quorlex
