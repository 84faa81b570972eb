#pragma once

#include <filesystem>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

// The files used last, newest first, each once, at most kMaximum.
class RecentFiles {
public:
    static constexpr size_t kMaximum = 8;

    // Puts the file first; a path that names an entry already in the list moves it.
    void Add(const fs::path& file);
    void Remove(const fs::path& file);
    const std::vector<fs::path>& files() const { return m_files; }
    // The kept list of an earlier run: relative and repeated entries are left out.
    void Restore(const std::vector<fs::path>& files);

private:
    std::vector<fs::path> m_files;
};

} // namespace quorlex
