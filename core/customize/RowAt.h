#pragma once

#include <optional>
#include <vector>

namespace quorlex {

// The row at `index` of a table, or null when there is no index or no such row.
template <typename Row>
Row* RowAt(std::vector<Row>* rows, std::optional<size_t> index) {
    if (!rows || !index || *index >= rows->size())
        return nullptr;
    return &(*rows)[*index];
}

} // namespace quorlex
