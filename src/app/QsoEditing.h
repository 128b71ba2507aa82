#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace sorvak {

// The QSO dialogs the list opens. A command whose operation is not set does
// nothing, questions included.
struct QsoEditing {
    // Edits the QSO at the row; true when the dialog was accepted.
    std::function<bool(size_t row)> editQso;
    // Enters new QSOs before the record at the position (the count appends).
    std::function<void(size_t position)> enterNewQsos;
    // Changes the QSOs at the rows (ascending); true when accepted.
    std::function<bool(const std::vector<size_t>& rows)> bulkChange;
};

}  // namespace sorvak
