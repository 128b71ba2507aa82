#pragma once

#include <QTableView>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "QsoColumnWidths.h"
#include "ViewSelection.h"
#include "commands/QsoEntryCommands.h"
#include "model/QsoColumns.h"

class QMenu;

namespace sorvak {

class CSorvakDoc;
class CommandSet;
class QsoTableModel;
class Ui;

// The QSO list: one row per record of the document, cell texts built when
// painted. It keeps the Edit menu's entries in step with the rows and the
// selection, and carries the list's own commands.
class CSorvakView : public QTableView {
    Q_OBJECT

  public:
    CSorvakView(CSorvakDoc& doc, Ui& ui, CommandSet& commands, QWidget* parent = nullptr);
    ~CSorvakView() override;

    // Clears the selection and shows the document's rows; the focused row
    // stays where it was.
    void OnUpdate();
    // Follows the number of selected rows in the Edit menu.
    void OnItemchanged();

    // The selected rows, ascending.
    std::vector<size_t> selectedRowList() const;
    // Adds the rows (ascending) to the selection in one step.
    void selectRows(const std::vector<size_t>& rows);
    // The row that is focused and selected, if any.
    std::optional<size_t> cursorRow() const;

    // The factor from the designed column widths to the list's font (1 at
    // the font they were made for, never less).
    double columnScale() const;
    // The width of the list with every column whole and the scroll bar.
    int widthShowingEveryColumn() const;
    // True once the user (or a kept layout) gave the column its width.
    bool sizedByUser(size_t column) const { return columns_.sizedByUser(column); }
    // Called after each QSO that new-QSO entry adds.
    void setEachEntered(std::function<void()> entered) { eachEntered_ = std::move(entered); }

    // The pop-up menu for the current selection.
    std::unique_ptr<QMenu> makeContextMenu();

    // After the rows (ascending) were deleted: the rows left, in their order.
    void showRowsDeleted(const std::vector<size_t>& rows);

    void OnDelete();
    void OnSelectAll();
    void OnEditQso();
    void OnBulkChange();
    void OnNewQso();
    void OnColumnClick(int column);

  signals:
    // The number of rows or of selected rows may have changed.
    void rowsCounted(size_t rows, size_t selected);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // OnUpdate with the focus given to `focusRow` (kept within the list) and
    // the sort indicator kept only when the order is.
    void refresh(std::optional<int> focusRow, bool orderKept);
    void showSortIndicator();
    void registerCommands();
    void editCursorRow(size_t row);

    CSorvakDoc& doc_;
    Ui& ui_;
    CommandSet& commands_;
    QsoTableModel* model_;
    ViewSelection selection_;
    // The values new-QSO entry carries over, for the whole run.
    NewQsoMemory newQsoMemory_;
    std::function<void()> eachEntered_;
    QsoColumnWidths columns_;
    // The column whose header click gave the list its order, while it has it.
    std::optional<int> sortedColumn_;
};

}  // namespace sorvak
