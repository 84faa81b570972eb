#include "app/RecentFiles.h"

#include <algorithm>

namespace quorlex {

namespace {

fs::path Normal(const fs::path& file) { return fs::absolute(file).lexically_normal(); }

} // namespace

void RecentFiles::Add(const fs::path& file) {
    const fs::path normal = Normal(file);
    Remove(normal);
    m_files.insert(m_files.begin(), normal);
    if (m_files.size() > kMaximum)
        m_files.resize(kMaximum);
}

void RecentFiles::Remove(const fs::path& file) {
    const fs::path normal = Normal(file);
    m_files.erase(std::remove(m_files.begin(), m_files.end(), normal), m_files.end());
}

void RecentFiles::Restore(const std::vector<fs::path>& files) {
    m_files.clear();
    for (auto it = files.rbegin(); it != files.rend(); ++it)
        if (it->is_absolute())
            Add(*it);
}

} // namespace quorlex
