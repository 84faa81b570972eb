#pragma once

#include "util/RecentList.h"

#include <filesystem>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

// The files used last, newest first, each once by its absolute normal path, at most kMaximum.
class RecentFiles {
public:
    static constexpr size_t kMaximum = 8;

    void Add(const fs::path& file);
    void Remove(const fs::path& file);
    const std::vector<fs::path>& files() const { return m_files.entries(); }
    // The kept list of an earlier run: relative and repeated entries are left out.
    void Restore(const std::vector<fs::path>& files);

private:
    RecentList<fs::path> m_files{kMaximum};
};

} // namespace quorlex
