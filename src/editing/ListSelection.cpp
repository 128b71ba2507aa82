#include "editing/ListSelection.h"

#include <algorithm>
#include <iterator>

namespace sorvak {

std::vector<size_t> RowSelection::selectedRows() const {
    return rows_;
}

void RowSelection::selectRows(const std::vector<size_t>& rows) {
    std::vector<size_t> merged;
    std::set_union(rows_.begin(), rows_.end(), rows.begin(), rows.end(),
                   std::back_inserter(merged));
    rows_ = std::move(merged);
}

void RowSelection::selectOnly(size_t row) {
    rows_.assign(1, row);
    focusedRow = row;
}

void RowSelection::refresh() {
    rows_.clear();
    ++refreshCount;
}

void RowSelection::showRowsDeleted(const std::vector<size_t>& /*rows*/) {
    refresh();
}

}  // namespace sorvak
