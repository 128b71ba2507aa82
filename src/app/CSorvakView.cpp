#include "CSorvakView.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QStyle>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "CommandSet.h"
#include "MenuBuilder.h"
#include "QsoTableModel.h"
#include "formats/LoadCommands.h"
#include "model/CSorvakDoc.h"
#include "model/QsoColumns.h"
#include "model/Sorting.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

void setEntryEnabled(QMenu& menu, const char* name, bool enabled) {
    for (QAction* action : menu.actions()) {
        if (action->objectName() == QLatin1String(name)) {
            action->setEnabled(enabled);
        }
    }
}

std::vector<std::string> localFiles(const QMimeData& data) {
    std::vector<std::string> paths;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) {
            paths.push_back(url.toLocalFile().toStdString());
        }
    }
    return paths;
}

}  // namespace

CSorvakView::CSorvakView(CSorvakDoc& doc, Ui& ui, CommandSet& commands, QWidget* parent)
    : QTableView(parent),
      doc_(doc),
      ui_(ui),
      commands_(commands),
      model_(new QsoTableModel(doc, this)) {
    setObjectName("qsoList");
    setModel(model_);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setShowGrid(true);
    setWordWrap(false);
    setEditTriggers(NoEditTriggers);
    setDragDropMode(DropOnly);
    viewport()->setAcceptDrops(true);
    setUpColumns();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSorvakView::OnItemchanged);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CSorvakView::onColumnClick);
    registerCommands();
}

CSorvakView::~CSorvakView() = default;

void CSorvakView::setUpColumns() {
    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(8);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    double scale = columnScale();
    // A column is never narrower than its own heading, so "SRST" or "Pts"
    // stays readable where the designed width was made for a smaller font.
    QFontMetricsF headerMetrics(header->font());
    int headerPadding = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 2;
    for (size_t i = 0; i < kQsoColumnCount; ++i) {
        int designed = static_cast<int>(std::lround(kQsoColumns[i].width * scale));
        int heading = static_cast<int>(std::ceil(headerMetrics.horizontalAdvance(
                          QString::fromLatin1(kQsoColumns[i].header)))) +
                      headerPadding;
        header->resizeSection(static_cast<int>(i), std::max(designed, heading));
    }
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

int CSorvakView::cellPadding() const {
    // Qt keeps this margin on both sides of a cell's text, and the grid line
    // takes a pixel of the cell.
    int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return 2 * margin + (showGrid() ? 1 : 0);
}

int CSorvakView::textWidth(const QString& text) const {
    // Qt cuts a text whose exact width is a fraction of a pixel too wide.
    return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text)));
}

double CSorvakView::columnScale() const {
    // The designed widths hold "0000" (the Time column, 37 pixels) at the
    // font they were made for; a larger font widens every column alike.
    double needed = textWidth(QStringLiteral("0000")) + cellPadding();
    return std::max(1.0, needed / kQsoColumns[2].width);
}

void CSorvakView::fitLineColumn() {
    int needed = textWidth(QString::number(doc_.count())) + cellPadding();
    if (horizontalHeader()->sectionSize(0) < needed) {
        horizontalHeader()->resizeSection(0, needed);
    }
}

int CSorvakView::widthShowingEveryColumn() const {
    return horizontalHeader()->length() + verticalScrollBar()->sizeHint().width() +
           2 * frameWidth();
}

void CSorvakView::registerCommands() {
    commands_.setHandler(Command::EditDelete, [this] { onDelete(); });
    commands_.setHandler(Command::EditSelectAll, [this] { onSelectAll(); });
    commands_.setHandler(Command::EditQso, [this] { onEditQso(); });
    commands_.setHandler(Command::EditBulkChange, [this] { onBulkChange(); });
    commands_.setHandler(Command::NewQso, [this] { onNewQso(); });
}

void CSorvakView::OnUpdate() {
    clearSelection();
    model_->setRowCount(static_cast<int>(doc_.count()));
    fitLineColumn();
    commands_.setEnabled(Command::EditSelectAll, !doc_.empty());
    commands_.setEnabled(Command::EditFind, !doc_.empty());
    OnItemchanged();
}

void CSorvakView::OnItemchanged() {
    size_t selected = selectedRowList().size();
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
    std::vector<size_t> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.push_back(static_cast<size_t>(index.row()));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::optional<size_t> CSorvakView::cursorRow() const {
    QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isRowSelected(current.row(), QModelIndex())) {
        return std::nullopt;
    }
    return static_cast<size_t>(current.row());
}

std::unique_ptr<QMenu> CSorvakView::makeContextMenu() {
    std::unique_ptr<QMenu> menu = buildPopupMenu(contextMenuDefinition(), commands_);
    size_t selected = selectedRowList().size();
    if (selected == 0) {
        setEntryEnabled(*menu, "ID_EDIT_QSO", false);
    }
    if (selected >= 1) {
        setEntryEnabled(*menu, "ID_EDIT_DELETE", true);
    }
    if (selected >= 2) {
        setEntryEnabled(*menu, "ID_EDIT_BULK_CHANGE", true);
    }
    return menu;
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
    // Home and End go to the first and last QSO, as in a list, not to the
    // first and last cell of the row.
    if (action == MoveHome || action == MoveEnd) {
        modifiers |= Qt::ControlModifier;
    }
    return QTableView::moveCursor(action, modifiers);
}

void CSorvakView::onDelete() {
    if (!ui_.confirm("このデータを削除しますか?")) {
        return;
    }
    {
        WaitCursor wait(ui_);
        std::vector<size_t> rows = selectedRowList();
        if (rows.empty()) {
            ui_.tell("削除したいQSO行の左端の番号を選択してください。");
            return;
        }
        doc_.removeRows(rows);
        doc_.setModified();
        model_->setRowCount(static_cast<int>(doc_.count()));
    }
    OnUpdate();
}

void CSorvakView::onSelectAll() {
    WaitCursor wait(ui_);
    selectAll();
}

void CSorvakView::onColumnClick(int column) {
    unsigned key = kQsoColumns.at(static_cast<size_t>(column)).sortKey;
    if (doc_.empty() || key == 0 || !ui_.confirm("この列でソートしますか?")) {
        return;
    }
    sortQsos(doc_, ui_, key);
    OnUpdate();
}

void CSorvakView::editCursorRow(size_t row) {
    if (editing_.editQso && editing_.editQso(row)) {
        OnUpdate();
    }
}

void CSorvakView::onEditQso() {
    if (!editing_.editQso) {
        return;
    }
    std::vector<size_t> rows = selectedRowList();
    if (rows.empty()) {
        ui_.tell("編集したいQSO行の左端の番号を選択してください。");
        return;
    }
    bool accepted = false;
    for (size_t row : rows) {
        accepted = editing_.editQso(row) || accepted;
    }
    if (accepted) {
        OnUpdate();
    }
}

void CSorvakView::onBulkChange() {
    if (!editing_.bulkChange) {
        return;
    }
    std::vector<size_t> rows = selectedRowList();
    if (rows.empty()) {
        ui_.tell("編集したいQSO行の左端の番号を選択して範囲を指定してください。");
        return;
    }
    if (editing_.bulkChange(rows)) {
        OnUpdate();
    }
}

void CSorvakView::onNewQso() {
    if (!editing_.enterNewQsos) {
        return;
    }
    size_t position = doc_.count();
    if (auto row = cursorRow()) {
        Answer answer =
            ui_.ask(Message{"データが選択されています。\nカーソル行に新規データを挿入しますか?\n\n"
                            "\"いいえ\"を選択した場合は、データ最後尾に追加します。",
                            Buttons::YesNoCancel, Icon::Question, Answer::Yes});
        if (answer == Answer::Cancel) {
            return;
        }
        position = answer == Answer::Yes ? *row : position;
    }
    editing_.enterNewQsos(position);
    OnUpdate();
}

void CSorvakView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (auto row = cursorRow()) {
        editCursorRow(*row);
    } else if (editing_.enterNewQsos) {
        editing_.enterNewQsos(doc_.count());
        OnUpdate();
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
    onDropFiles(doc_, ui_, localFiles(*event->mimeData()));
}

}  // namespace sorvak
