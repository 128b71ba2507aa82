#include "ViewSelection.h"

#include <QItemSelectionModel>

#include "CSorvakView.h"

namespace sorvak {

std::vector<size_t> ViewSelection::selectedRows() const {
    return view_.selectedRowList();
}

void ViewSelection::selectRows(const std::vector<size_t>& rows) {
    view_.selectRows(rows);
}

void ViewSelection::selectOnly(size_t row) {
    QModelIndex index = view_.model()->index(static_cast<int>(row), 0);
    view_.selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_.scrollTo(index);
}

void ViewSelection::refresh() {
    view_.OnUpdate();
}

void ViewSelection::showRowsDeleted(const std::vector<size_t>& rows) {
    view_.showRowsDeleted(rows);
}

}  // namespace sorvak
