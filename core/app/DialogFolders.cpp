#include "app/DialogFolders.h"

#include <array>
#include <system_error>

namespace quorlex {

namespace {

constexpr std::array<FileKind, 4> kRememberedKinds{FileKind::Project, FileKind::MenuStructure, FileKind::Code,
                                                   FileKind::Image};

bool IsFolder(const fs::path& folder) {
    std::error_code error;
    return !folder.empty() && fs::is_directory(folder, error);
}

} // namespace

const char* FileKindName(FileKind kind) {
    switch (kind) {
    case FileKind::Project: return "project";
    case FileKind::MenuStructure: return "menu";
    case FileKind::Code: return "code";
    case FileKind::Image: return "image";
    case FileKind::Other: break;
    }
    return "other";
}

fs::path DialogFolders::StartFolder(FileKind kind) const {
    const auto last = m_last.find(kind);
    if (last != m_last.end() && IsFolder(last->second))
        return last->second;
    return IsFolder(m_documents) ? m_documents : m_home;
}

void DialogFolders::Used(FileKind kind, const fs::path& file) {
    if (kind != FileKind::Other && file.has_parent_path())
        m_last[kind] = file.parent_path();
}

std::map<std::string, fs::path> DialogFolders::Saved() const {
    std::map<std::string, fs::path> folders;
    for (const auto& [kind, folder] : m_last)
        folders[FileKindName(kind)] = folder;
    return folders;
}

void DialogFolders::Restore(const std::map<std::string, fs::path>& folders) {
    for (FileKind kind : kRememberedKinds) {
        const auto found = folders.find(FileKindName(kind));
        if (found != folders.end() && found->second.is_absolute())
            m_last[kind] = found->second;
    }
}

} // namespace quorlex
