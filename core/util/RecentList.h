#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace quorlex {

// Entries used last, newest first, each once, at most `maximum`.
template <typename T>
class RecentList {
public:
    explicit RecentList(size_t maximum) : m_maximum(maximum) {}

    // Puts the entry first; an equal entry already in the list moves there.
    void Add(const T& entry) {
        Remove(entry);
        m_entries.insert(m_entries.begin(), entry);
        if (m_entries.size() > m_maximum)
            m_entries.resize(m_maximum);
    }
    void Remove(const T& entry) { m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), entry), m_entries.end()); }
    const std::vector<T>& entries() const { return m_entries; }

private:
    size_t m_maximum;
    std::vector<T> m_entries;
};

} // namespace quorlex
