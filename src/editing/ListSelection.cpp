#include "editing/ListSelection.h"

#include <algorithm>

namespace sorvak {

std::vector<size_t> RowSelection::selectedRows() const {
    return rows_;
}

void RowSelection::selectRow(size_t row) {
    auto at = std::lower_bound(rows_.begin(), rows_.end(), row);
    if (at == rows_.end() || *at != row) {
        rows_.insert(at, row);
    }
}

void RowSelection::selectOnly(size_t row) {
    rows_.assign(1, row);
    focusedRow = row;
}

void RowSelection::refresh() {
    rows_.clear();
    ++refreshCount;
}

}  // namespace sorvak
