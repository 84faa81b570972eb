#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// One file of a published site: its size and content hash.
struct ManifestEntry {
    std::uint64_t size = 0;
    std::string sha256;

    bool operator==(const ManifestEntry& other) const { return size == other.size && sha256 == other.sha256; }
};

// The files of a site by their names relative to its folder, with "/" between folders.
using Manifest = std::map<std::string, ManifestEntry>;

// The name a publish keeps its manifest under, beside the site on the server and the project.
constexpr const char* kManifestName = ".quorlex-publish";

// Every regular file below `site`; links are not followed and the manifest file is left out.
// Throws Error when a file cannot be read.
Manifest ManifestOfFolder(const fs::path& site);

// A line per file, "<sha256> <size> <name>", sorted by name; and back. Reading throws Error
// with the line of a damaged entry and for a name that would leave the site.
std::string ManifestText(const Manifest& manifest);
Manifest ParseManifest(const std::string& text);

} // namespace quorlex
