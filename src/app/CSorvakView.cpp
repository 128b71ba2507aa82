#include "CSorvakView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <algorithm>

#include "CommandSet.h"
#include "DroppedFiles.h"
#include "MenuBuilder.h"
#include "QsoTableModel.h"
#include "StepNames.h"
#include "commands/ListCommands.h"
#include "commands/LoadCommands.h"
#include "commands/QsoEntryCommands.h"
#include "commands/SortCommands.h"
#include "model/CSorvakDoc.h"
#include "model/QsoColumns.h"
#include "model/Sorting.h"
#include "platform/Ui.h"

namespace sorvak {
CSorvakView::CSorvakView(CSorvakDoc& doc, Ui& ui, CommandSet& commands, QWidget* parent)
    : QTableView(parent),
      doc_(doc),
      ui_(ui),
      commands_(commands),
      model_(new QsoTableModel(doc, this)),
      selection_(*this),
      columns_(*this) {
    setObjectName("qsoList");
    setModel(model_);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setShowGrid(true);
    setWordWrap(false);
    setEditTriggers(NoEditTriggers);
    setDragDropMode(DropOnly);
    viewport()->setAcceptDrops(true);
    columns_.setUp();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSorvakView::OnItemchanged);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        commands_.runStep(columnSortStepName(kQsoColumns.at(static_cast<size_t>(column)).header),
                          [this, column] { OnColumnClick(column); });
    });
    registerCommands();
}

CSorvakView::~CSorvakView() = default;

double CSorvakView::columnScale() const {
    return columns_.scale();
}

int CSorvakView::widthShowingEveryColumn() const {
    return columns_.widthShowingEveryColumn();
}

void CSorvakView::registerCommands() {
    commands_.setHandler(Command::EditDelete, [this] { OnDelete(); });
    commands_.setHandler(Command::EditSelectAll, [this] { OnSelectAll(); });
    commands_.setHandler(Command::EditQso, [this] { OnEditQso(); });
    commands_.setHandler(Command::EditBulkChange, [this] { OnBulkChange(); });
    commands_.setHandler(Command::NewQso, [this] { OnNewQso(); });
}

void CSorvakView::OnUpdate() {
    QModelIndex current = currentIndex();
    refresh(current.isValid() ? std::optional<int>(current.row()) : std::nullopt, false);
}

void CSorvakView::refresh(std::optional<int> focusRow, bool orderKept) {
    int column = std::max(currentIndex().column(), 0);
    int scrolledTo = verticalScrollBar()->value();
    int scrolledAcross = horizontalScrollBar()->value();
    clearSelection();
    int rows = static_cast<int>(doc_.count());
    model_->setRowCount(rows);
    columns_.fit(doc_);
    if (!orderKept || rows == 0) {
        sortedColumn_.reset();
    }
    showSortIndicator();
    commands_.setEnabled(Command::EditSelectAll, !doc_.empty());
    commands_.setEnabled(Command::EditFind, !doc_.empty());
    // The focus goes on where it was, unselected, and in view as before, so
    // the keys carry on from there.
    if (focusRow && rows > 0) {
        QModelIndex focus = model_->index(std::clamp(*focusRow, 0, rows - 1), column);
        selectionModel()->setCurrentIndex(focus, QItemSelectionModel::NoUpdate);
        executeDelayedItemsLayout();
        verticalScrollBar()->setValue(scrolledTo);
        scrollTo(focus);
        horizontalScrollBar()->setValue(scrolledAcross);
    }
    OnItemchanged();
}

void CSorvakView::showSortIndicator() {
    QHeaderView* header = horizontalHeader();
    if (!sortedColumn_) {
        header->setSortIndicatorShown(false);
        return;
    }
    unsigned key = kQsoColumns.at(static_cast<size_t>(*sortedColumn_)).sortKey;
    header->setSortIndicator(*sortedColumn_,
                             sortsDescending(key) ? Qt::DescendingOrder : Qt::AscendingOrder);
    header->setSortIndicatorShown(true);
}

void CSorvakView::OnItemchanged() {
    size_t selected = selectedRowList().size();
    emit rowsCounted(doc_.count(), selected);
    commands_.setEnabled(Command::EditCut, selected > 0);
    commands_.setEnabled(Command::EditCopy, selected > 0);
    if (selected == 1) {
        commands_.setEnabled(Command::EditQso, true);
        commands_.setEnabled(Command::EditDelete, true);
        return;
    }
    commands_.setEnabled(Command::EditQso, selected > 0);
    commands_.setEnabled(Command::EditBulkChange, selected > 0);
    commands_.setEnabled(Command::EditDelete, selected > 0);
}

std::vector<size_t> CSorvakView::selectedRowList() const {
    // Read from the ranges: asking the selection model row by row walks every
    // range for each row.
    std::vector<size_t> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.push_back(static_cast<size_t>(row));
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CSorvakView::selectRows(const std::vector<size_t>& rows) {
    QItemSelection selection;
    int lastColumn = model_->columnCount() - 1;
    for (size_t first = 0; first < rows.size();) {
        size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1) {
            ++last;
        }
        selection.append(
            QItemSelectionRange(model_->index(static_cast<int>(rows[first]), 0),
                                model_->index(static_cast<int>(rows[last]), lastColumn)));
        first = last + 1;
    }
    selectionModel()->select(selection, QItemSelectionModel::Select);
}

std::optional<size_t> CSorvakView::cursorRow() const {
    QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isRowSelected(current.row(), QModelIndex())) {
        return std::nullopt;
    }
    return static_cast<size_t>(current.row());
}

std::unique_ptr<QMenu> CSorvakView::makeContextMenu() {
    return buildListMenu(commands_, selectedRowList().size(),
                         commands_.isEnabled(Command::EditPaste));
}

void CSorvakView::contextMenuEvent(QContextMenuEvent* event) {
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // From the keyboard the menu opens at the cursor row, not the mouse.
        QRect row = visualRect(model()->index(currentIndex().row(), 0));
        at = viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0));
    }
    makeContextMenu()->exec(at);
}

QModelIndex CSorvakView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // Home and End go to the first and last QSO, as in a list, and stay in
    // the column, so the list does not scroll sideways to the row's end.
    int rows = model_->rowCount();
    if ((action == MoveHome || action == MoveEnd) && rows > 0) {
        return model_->index(action == MoveHome ? 0 : rows - 1,
                             std::max(currentIndex().column(), 0));
    }
    return QTableView::moveCursor(action, modifiers);
}

void CSorvakView::OnDelete() {
    sorvak::OnDelete(doc_, ui_, selection_);
}

void CSorvakView::showRowsDeleted(const std::vector<size_t>& rows) {
    // The focus goes to the row that followed the last deleted one; what is
    // left keeps its order.
    refresh(static_cast<int>(rows.back() + 1 - rows.size()), true);
}

void CSorvakView::OnSelectAll() {
    WaitCursor wait(ui_);
    selectAll();
}

void CSorvakView::OnColumnClick(int column) {
    unsigned key = kQsoColumns.at(static_cast<size_t>(column)).sortKey;
    if (sortByColumnKey(doc_, ui_, key)) {
        OnUpdate();
        if (doc_.count() >= 2) {
            sortedColumn_ = column;
        }
    }
    // The header moves its indicator to any clicked column by itself; it
    // shows only the order the list is in.
    showSortIndicator();
}

void CSorvakView::editCursorRow(size_t row) {
    commands_.runAs(Command::EditQso, [this, row] {
        if (editQso(doc_, ui_, row)) {
            OnUpdate();
        }
    });
}

void CSorvakView::OnEditQso() {
    if (sorvak::OnEditQso(doc_, ui_, selection_)) {
        OnUpdate();
    }
}

void CSorvakView::OnBulkChange() {
    if (sorvak::OnBulkChange(doc_, ui_, selection_)) {
        OnUpdate();
    }
}

void CSorvakView::OnNewQso() {
    if (sorvak::OnNewQso(doc_, ui_, selection_, cursorRow(), newQsoMemory_, eachEntered_)) {
        OnUpdate();
    }
}

void CSorvakView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (auto row = cursorRow()) {
        editCursorRow(*row);
    } else {
        commands_.runAs(Command::NewQso, [this] {
            enterNewQsos(doc_, ui_, selection_, doc_.count(), newQsoMemory_, eachEntered_);
            OnUpdate();
        });
    }
}

void CSorvakView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
        contextMenuEvent(&menu);
        return;
    }
    bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (auto row = cursorRow(); enter && row) {
        editCursorRow(*row);
    }
    QTableView::keyPressEvent(event);
}

void CSorvakView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CSorvakView::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CSorvakView::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    std::vector<std::string> files = localFiles(*event->mimeData());
    commands_.runStep("ファイルのドロップ", [this, &files] { OnDropFiles(doc_, ui_, files); });
}

}  // namespace sorvak
