#include "app/ScratchPackage.h"

#include "util/Error.h"
#include "util/FolderCopy.h"
#include "util/NativeNames.h"
#include "util/TextFile.h"
#include "util/TextSearch.h"

#include <cerrno>
#include <cstdlib>

namespace quorlex {

namespace {

fs::path MakeOwnFolder() {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "quorlex-run-XXXXXX").string();
    if (ec || !::mkdtemp(pattern.data()))
        throw Error(FileErrorText(pattern, "create", ec ? ec.value() : errno));
    return pattern;
}

} // namespace

ScratchPackage::ScratchPackage(const fs::path& package, const std::string& folder)
    : m_package(package), m_appFolder(MakeOwnFolder()) {
    try {
        m_copy = m_appFolder / "templates" / NativeNameFromPackageText(folder);
        fs::create_directories(m_copy);
        CopyFolderTree(package, m_copy);
        WriteFileAtomic(m_appFolder / "templates" / "templates.tps", folder + "\r\n", Durability::Remade);
    } catch (const std::exception& error) {
        std::error_code ignored;
        fs::remove_all(m_appFolder, ignored);
        throw Error("Cannot make a working copy of \"" + PathToProgramText(package) + "\": " + error.what());
    }
}

ScratchPackage::~ScratchPackage() {
    std::error_code ignored;
    fs::remove_all(m_appFolder, ignored);
}

std::string ScratchPackage::AsPackagePaths(std::string text) const {
    ReplaceAll(text, PathToProgramText(m_copy), PathToProgramText(m_package));
    return text;
}

} // namespace quorlex
