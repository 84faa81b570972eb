#pragma once

#include "pagebase/PageContext.h"
#include "workspace/TemplateWorkspace.h"

#include <optional>
#include <utility>
#include <vector>

namespace quorlex {

// A customization page over one variable table: the row selected in its title list and the
// way the page shows that row's values.
template <typename Row>
class TablePage {
public:
    using Table = std::vector<Row> VariableTables::*;

    virtual ~TablePage() = default;

    std::optional<size_t> selected() const { return m_selected; }

    // Shows the selected row's values again, after the table changed under the page (an undo,
    // a preset, a project); without a selected row nothing changes.
    virtual void ShowSelectedRow() = 0;

protected:
    TablePage(PageContext& context, Table table) : m_context(context), m_table(table) {}
    TablePage(const TablePage&) = delete;
    TablePage& operator=(const TablePage&) = delete;

    // A click on the title list: the row becomes the selected one. False, and nothing
    // changes, without a row or with one the table does not have.
    bool SelectRow(std::optional<size_t> row) {
        if (!row || !RowAt(*row))
            return false;
        m_selected = row;
        return true;
    }

    // The row at `index` of the loaded table, or null.
    Row* RowAt(size_t index) {
        TemplateWorkspace* ws = m_context.workspace();
        if (!ws || index >= (ws->tables.*m_table).size())
            return nullptr;
        return &(ws->tables.*m_table)[index];
    }
    const Row* RowAt(size_t index) const {
        const TemplateWorkspace* ws = std::as_const(m_context).workspace();
        if (!ws || index >= (ws->tables.*m_table).size())
            return nullptr;
        return &(ws->tables.*m_table)[index];
    }
    Row* SelectedRow() { return m_selected ? RowAt(*m_selected) : nullptr; }
    const Row* SelectedRow() const { return m_selected ? RowAt(*m_selected) : nullptr; }

    PageContext& m_context;
    std::optional<size_t> m_selected;

private:
    Table m_table;
};

} // namespace quorlex
