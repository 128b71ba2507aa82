#pragma once

#include <QTableView>
#include <memory>
#include <optional>
#include <vector>

#include "QsoEditing.h"

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

    void setEditing(QsoEditing editing) { editing_ = std::move(editing); }

    // Clears the selection and shows the document's row count.
    void OnUpdate();
    // Follows the number of selected rows in the Edit menu.
    void OnItemchanged();

    // The selected rows, ascending.
    std::vector<size_t> selectedRowList() const;
    // The row that is focused and selected, if any.
    std::optional<size_t> cursorRow() const;

    // The factor from the designed column widths to the list's font (1 at
    // the font they were made for, never less).
    double columnScale() const;
    // The width of the list with every column whole and the scroll bar.
    int widthShowingEveryColumn() const;

    // The pop-up menu for the current selection.
    std::unique_ptr<QMenu> makeContextMenu();

    void onDelete();
    void onSelectAll();
    void onEditQso();
    void onBulkChange();
    void onNewQso();
    void onColumnClick(int column);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void setUpColumns();
    // The pixels of a cell that its text may not use.
    int cellPadding() const;
    int textWidth(const QString& text) const;
    // Widens the Line column to the largest row number of the log.
    void fitLineColumn();
    void registerCommands();
    void editCursorRow(size_t row);

    CSorvakDoc& doc_;
    Ui& ui_;
    CommandSet& commands_;
    QsoTableModel* model_;
    QsoEditing editing_;
};

}  // namespace sorvak
