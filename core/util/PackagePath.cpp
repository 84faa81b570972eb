#include "util/PackagePath.h"

#include "util/Error.h"
#include "util/NativeNames.h"

#include <algorithm>
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
        if (part == ".." || part.find('\0') != std::string::npos)
            return true;
    return false;
}

[[noreturn]] void Refuse(std::string_view relative) {
    throw Error("The path \"" + std::string(relative) + "\" points outside its folder.");
}

std::vector<std::string> SafeComponents(std::string_view relative) {
    auto parts = SplitComponents(relative);
    if (IsUnsafe(relative, parts))
        Refuse(relative);
    return parts;
}

fs::path Canonical(const fs::path& path) {
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(path, ec);
    return ec ? path.lexically_normal() : canonical;
}

bool StartsWith(const fs::path& path, const fs::path& folder) {
    const auto mismatch = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
    return mismatch.first == folder.end() || (std::next(mismatch.first) == folder.end() && mismatch.first->empty());
}

} // namespace

PackagePathResolver::PackagePathResolver(fs::path root) : m_root(std::move(root)), m_canonicalRoot(Canonical(m_root)) {}

const std::map<std::u32string, std::string>& PackagePathResolver::Listing(const fs::path& folder) {
    auto found = m_listings.find(folder);
    if (found != m_listings.end())
        return found->second;
    std::map<std::u32string, std::string> listing;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        auto [slot, added] = listing.emplace(FoldNativeName(name), name);
        if (!added && name < slot->second)
            slot->second = name;
    }
    return m_listings.emplace(folder, std::move(listing)).first->second;
}

fs::path PackagePathResolver::Resolve(std::string_view relative) {
    if (std::optional<fs::path> path = ResolveIfInside(relative))
        return *std::move(path);
    Refuse(relative);
}

std::optional<fs::path> PackagePathResolver::ResolveIfInside(std::string_view relative) {
    const auto parts = SplitComponents(relative);
    if (IsUnsafe(relative, parts))
        return std::nullopt;
    fs::path path = m_root;
    // Without a link below the root the path cannot leave it: ".." was refused above.
    bool throughLink = false;
    for (const auto& part : parts) {
        const std::string native = NativeNameFromPackageText(part);
        std::error_code ec;
        fs::file_status status = fs::symlink_status(path / native, ec);
        if (fs::exists(status)) {
            path /= native;
        } else {
            const auto& listing = Listing(path);
            const auto match = listing.find(FoldNativeName(native));
            path /= match == listing.end() ? native : match->second;
            if (match != listing.end())
                status = fs::symlink_status(path, ec);
        }
        throughLink = throughLink || fs::is_symlink(status);
    }
    if (throughLink && !StartsWith(Canonical(path), m_canonicalRoot))
        return std::nullopt;
    return path;
}

fs::path ResolvePackagePath(const fs::path& root, std::string_view relative) {
    return PackagePathResolver(root).Resolve(relative);
}

std::optional<fs::path> ResolvePackagePathIfInside(const fs::path& root, std::string_view relative) {
    return PackagePathResolver(root).ResolveIfInside(relative);
}

fs::path JoinPackagePath(const fs::path& root, std::string_view relative) {
    fs::path path = root;
    for (const auto& part : SafeComponents(relative))
        path /= NativeNameFromPackageText(part);
    if (!IsInsideFolder(path, root))
        Refuse(relative);
    return path;
}

fs::path JoinInOwnFolder(const fs::path& root, std::string_view relative) {
    fs::path path = root;
    for (const auto& part : SafeComponents(relative))
        path /= NativeNameFromPackageText(part);
    return path;
}

bool IsInsideFolder(const fs::path& path, const fs::path& folder) {
    return StartsWith(Canonical(path), Canonical(folder));
}

bool StaysInsideFolder(std::string_view relative) { return !IsUnsafe(relative, SplitComponents(relative)); }

} // namespace quorlex
