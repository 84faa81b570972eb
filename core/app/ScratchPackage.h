#pragma once

#include <filesystem>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// A copy of one package in a data folder of its own, for a run that must leave the package as
// it is: everything the run writes (preview, output, project scratch files, menus) goes into
// the copy, which is removed when the run ends.
class ScratchPackage {
public:
    // Copies `package` under the name `folder` (as the catalog lists it) with a catalog that
    // lists only it. Throws Error when the copy cannot be made.
    ScratchPackage(const fs::path& package, const std::string& folder);
    ~ScratchPackage();
    ScratchPackage(const ScratchPackage&) = delete;
    ScratchPackage& operator=(const ScratchPackage&) = delete;

    // The data folder of the copy, to run a session in.
    const fs::path& appFolder() const { return m_appFolder; }
    // A message with the copy's paths written as the package's own.
    std::string AsPackagePaths(std::string text) const;

private:
    fs::path m_package;
    fs::path m_appFolder;
    fs::path m_copy;
};

} // namespace quorlex
