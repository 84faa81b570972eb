#pragma once

#include "ports/Ui.h"

#include <filesystem>
#include <map>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// Where a file dialog opens: in the folder last used for its kind of file while that folder
// still exists, else in the user's documents folder, else in the home folder.
class DialogFolders {
public:
    DialogFolders(fs::path documents, fs::path home) : m_documents(std::move(documents)), m_home(std::move(home)) {}

    fs::path StartFolder(FileKind kind) const;
    // A file chosen in a dialog of `kind`: its folder is where the next one opens.
    void Used(FileKind kind, const fs::path& file);

    // The folders by kind name, to keep between runs; unknown names are ignored on restore.
    std::map<std::string, fs::path> Saved() const;
    void Restore(const std::map<std::string, fs::path>& folders);

private:
    fs::path m_documents;
    fs::path m_home;
    std::map<FileKind, fs::path> m_last;
};

// The name a kind is kept under: "project", "menu", "code", "image".
const char* FileKindName(FileKind kind);

} // namespace quorlex
