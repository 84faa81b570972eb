#include "publish/Manifest.h"

#include "publish/RemotePath.h"
#include "util/Error.h"
#include "util/NativeNames.h"
#include "util/Sha256.h"
#include "util/TextFile.h"

#include <sstream>

namespace quorlex {

Manifest ManifestOfFolder(const fs::path& site) {
    Manifest manifest;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(site, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || it->is_symlink(ec))
            continue;
        const std::string name = PathToProgramText(it->path().lexically_relative(site).generic_string());
        if (name == kManifestName)
            continue;
        const std::string bytes = ReadFileBytes(it->path());
        manifest[name] = {bytes.size(), Sha256Hex(bytes)};
    }
    if (ec)
        throw Error("Cannot list \"" + PathToProgramText(site) + "\". " + ec.message());
    return manifest;
}

std::string ManifestText(const Manifest& manifest) {
    std::string text;
    for (const auto& [name, entry] : manifest)
        text += entry.sha256 + " " + std::to_string(entry.size) + " " + name + "\n";
    return text;
}

Manifest ParseManifest(const std::string& text) {
    Manifest manifest;
    std::istringstream lines(text);
    std::string line;
    for (size_t number = 1; std::getline(lines, line); ++number) {
        if (line.empty())
            continue;
        const size_t first = line.find(' ');
        const size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
        const std::string hash = line.substr(0, first);
        const std::string name = second == std::string::npos ? std::string() : line.substr(second + 1);
        const std::string size =
            second == std::string::npos ? std::string() : line.substr(first + 1, second - first - 1);
        const bool digits = !size.empty() && size.find_first_not_of("0123456789") == std::string::npos;
        if (hash.size() != 64 || !digits || size.size() > 19 || name.empty())
            throw Error(std::string(kManifestName) + ", line " + std::to_string(number) + ": not a file entry.");
        if (const auto refusal = RemoteNameRefusal(name))
            throw Error(std::string(kManifestName) + ", line " + std::to_string(number) + ": " + *refusal);
        manifest[name] = {std::stoull(size), hash};
    }
    return manifest;
}

} // namespace quorlex
