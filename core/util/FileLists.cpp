#include "util/FileLists.h"

#include "util/NativeNames.h"
#include "util/TextSearch.h"

#include <algorithm>

namespace quorlex {
namespace {

bool MatchFrom(std::string_view name, std::string_view mask) {
    if (mask.empty())
        return name.empty();
    if (mask.front() == '*') {
        for (size_t skip = 0; skip <= name.size(); ++skip)
            if (MatchFrom(name.substr(skip), mask.substr(1)))
                return true;
        return false;
    }
    if (name.empty())
        return false;
    if (mask.front() == '?') {
        size_t next = 1; // one character, with all the bytes of its UTF-8 sequence
        while (next < name.size() && (static_cast<unsigned char>(name[next]) & 0xC0) == 0x80)
            ++next;
        return MatchFrom(name.substr(next), mask.substr(1));
    }
    return mask.front() == name.front() && MatchFrom(name.substr(1), mask.substr(1));
}

std::vector<std::string> MatchingNames(const fs::path& folder, std::string_view mask) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = PackageTextFromNativeName(it->path().filename().string());
        if (MatchesMask(name, mask))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
    return names;
}

} // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask == "*.*")
        return true;
    return MatchFrom(FoldText(name), FoldText(mask));
}

std::vector<std::string> ListFileTitles(const fs::path& folder, std::string_view mask) {
    auto names = MatchingNames(folder, mask);
    for (auto& name : names)
        name.resize(name.size() >= 4 ? name.size() - 4 : 0);
    return names;
}

std::vector<std::string> ListFileNames(const fs::path& folder, std::string_view mask) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return {};
    std::vector<std::string> names;
    for (const char* dots : {".", ".."})
        if (MatchesMask(dots, mask))
            names.push_back(dots);
    const auto rest = MatchingNames(folder, mask);
    names.insert(names.end(), rest.begin(), rest.end());
    return names;
}

} // namespace quorlex
