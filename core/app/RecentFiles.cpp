#include "app/RecentFiles.h"

namespace quorlex {

namespace {

fs::path Normal(const fs::path& file) { return fs::absolute(file).lexically_normal(); }

} // namespace

void RecentFiles::Add(const fs::path& file) { m_files.Add(Normal(file)); }

void RecentFiles::Remove(const fs::path& file) { m_files.Remove(Normal(file)); }

void RecentFiles::Restore(const std::vector<fs::path>& files) {
    m_files = RecentList<fs::path>(kMaximum);
    for (auto it = files.rbegin(); it != files.rend(); ++it)
        if (it->is_absolute())
            Add(*it);
}

} // namespace quorlex
