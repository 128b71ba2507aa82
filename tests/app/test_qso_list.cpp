// The QSO list: cell texts, selection and the Edit menu, delete, column
// clicks, dropped files, the pop-up menu and the editing gestures.
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>
#include <QtTest>

#include "AppTestSupport.h"
#include "CSorvakView.h"
#include "CommandSet.h"
#include "editing/QsoEditForm.h"
#include "platform/Cp932.h"

using namespace sorvak;
using namespace sorvak::test;

namespace {

void load(Window& w, const std::string& path) {
    FileLoad(w.doc, w.ui, path, LoadMode::Load);
    w.doc.updateAllViews();
}

QStringList callSigns(const CSorvakDoc& doc) {
    QStringList calls;
    for (const auto& record : doc.qsoList()) {
        calls.append(QString::fromStdString(record->callSign()));
    }
    return calls;
}

QString states(Window& w) {
    QString text;
    for (Command c : {Command::EditQso, Command::EditBulkChange, Command::EditDelete,
                      Command::EditSelectAll, Command::EditFind}) {
        text += w.frame.commands().isEnabled(c) ? '1' : '0';
    }
    return text;
}

void ctrlClickRow(CSorvakView& view, int row) {
    view.selectionModel()->select(view.model()->index(row, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void clickHeader(CSorvakView& view, int column) {
    QHeaderView* header = view.horizontalHeader();
    QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
              header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void drop(CSorvakView& view, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files) {
        urls.append(QUrl::fromLocalFile(file));
    }
    data.setUrls(urls);
    // Qt hands a drop only to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(view.viewport(), &enter);
    QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(view.viewport(), &event);
}

QString contextStates(CSorvakView& view) {
    QString text;
    std::unique_ptr<QMenu> menu = view.makeContextMenu();
    for (QAction* action : menu->actions()) {
        text += action->isSeparator() ? QString("|") : QString(action->isEnabled() ? "1" : "0");
    }
    return text;
}

}  // namespace

class QsoListTest : public QObject {
    Q_OBJECT

  private slots:
    void columnsHaveTheirHeadersWidthsAndLooks();
    void cellsShowTheRecordsFields();
    void emptyAndUnsetFieldsShowEmptyCells();
    void selectionKeepsTheEditMenuInStep();
    void deleteRemovesExactlyTheSelectedRows();
    void deleteCancelledKeepsTheLog();
    void selectAllSelectsEveryRow();
    void headerClickSortsOnlyColumnsWithAKey();
    void droppedFilesLoadOnlyOne();
    void contextMenuFollowsTheSelection();
    void doubleClickAndEnterEditOrAppend();
    void newQsoAsksWhereWhenARowIsTheCursor();
    void homeAndEndSelectTheFirstAndLastQso();
    void shiftF10OpensTheContextMenu();
};

void QsoListTest::columnsHaveTheirHeadersWidthsAndLooks() {
    Window w;
    CSorvakView& view = w.frame.view();
    // The designed widths, scaled alike to the list's font; a column whose
    // heading needs more is widened to it, and the wide ones stay as designed.
    const int designed[] = {33, 42, 37, 72, 30, 58, 30, 58, 48, 18,
                            48, 18, 38, 35, 21, 18, 18, 40, 200};
    const char* headers[] = {"Line", "Date",  "Time", "CallSign", "SRST", "Sent", "RRST",
                             "Rcvd", "Multi", "New",  "Multi2",   "New2", "Band", "Mode",
                             "Pwr",  "TX#",   "Pts",  "Operator", "Memo"};
    for (int i = 0; i < view.model()->columnCount(); ++i) {
        QCOMPARE(view.model()->headerData(i, Qt::Horizontal).toString(), QString(headers[i]));
        int scaled = qRound(designed[i] * view.columnScale());
        QVERIFY(view.horizontalHeader()->sectionSize(i) >= scaled);
        if (designed[i] >= 58) {
            QCOMPARE(view.horizontalHeader()->sectionSize(i), scaled);
        }
    }
    QVERIFY(view.showGrid());
    QCOMPARE(view.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(view.selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(view.horizontalHeader()->sectionsMovable());
}

void QsoListTest::cellsShowTheRecordsFields() {
    QTemporaryDir dir;
    QsoParts first = qso(905, "JA1ZZZ", 1);
    first.multi = "13";
    first.multi2 = "東京";
    first.operatorName = "OP1";
    first.memo = "メモ";
    std::vector<QsoParts> qsos = {first, qso(1230, "JH2AAA", 2)};
    for (QsoParts& parts : qsos) {
        parts.memo = utf8ToCp932(parts.memo);
        parts.multi2 = utf8ToCp932(parts.multi2);
    }
    Window w;
    load(w, writeLog(dir, "log.qgb", qsos));
    QCOMPARE(w.rowCount(), 2);
    QStringList row;
    for (int column = 0; column < 19; ++column) {
        row.append(w.cell(0, column));
    }
    QCOMPARE(row.join(u'|'),
             QString("1|11/3|0905|JA1ZZZ|599|10|599|13|13|*|東京|*|7|CW|H|0|1|OP1|メモ"));
    QCOMPARE(w.cell(1, 0), QString("2"));
    QCOMPARE(w.cell(1, 2), QString("1230"));
    QCOMPARE(w.cell(2, 0), QString());
    QCOMPARE(
        w.frame.view().model()->data(w.frame.view().model()->index(0, 3), Qt::TextAlignmentRole),
        QVariant(int(Qt::AlignLeft | Qt::AlignVCenter)));
}

void QsoListTest::emptyAndUnsetFieldsShowEmptyCells() {
    QsoParts bare = qso(0, "JA1AAA", -1);
    bare.srst = 0;
    bare.bandText = "";
    bare.modeText = "";
    bare.powerLetter = '\0';
    bare.txNumber = -1;
    Window w;
    w.doc.add(std::make_unique<QsoRecord>(bare));
    w.doc.updateAllViews();
    QStringList row;
    for (int column : {2, 4, 12, 13, 14, 15, 16}) {
        row.append(w.cell(0, column));
    }
    QCOMPARE(row.join(u'|'), QString("0000||||||"));
}

void QsoListTest::selectionKeepsTheEditMenuInStep() {
    QTemporaryDir dir;
    Window w;
    QCOMPARE(states(w), QString("00000"));
    load(w, writeLog(dir, "log.qgb", numberedQsos(4)));
    CSorvakView& view = w.frame.view();
    QCOMPARE(states(w), QString("00011"));
    ctrlClickRow(view, 1);
    QCOMPARE(states(w), QString("10111"));  // one row from none: bulk change stays grayed
    ctrlClickRow(view, 3);
    QCOMPARE(states(w), QString("11111"));
    view.selectionModel()->select(view.model()->index(3, 0),
                                  QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    QCOMPARE(states(w), QString("11111"));  // one row from two: bulk change stays enabled
    view.clearSelection();
    QCOMPARE(states(w), QString("00011"));
    view.selectRow(2);
    w.ui.answers = {Answer::Yes};
    w.trigger("ID_FILE_NEW");
    QCOMPARE(states(w), QString("00000"));
}

void QsoListTest::deleteRemovesExactlyTheSelectedRows() {
    QTemporaryDir dir;
    Window w;
    load(w, writeLog(dir, "log.qgb", numberedQsos(12)));
    for (int row : {9, 2, 5}) {
        ctrlClickRow(w.frame.view(), row);
    }
    w.ui.answers = {Answer::Ok};
    w.trigger("ID_EDIT_DELETE");
    QCOMPARE(callSigns(w.doc), (QStringList{"JA1AA", "JA1AB", "JA1AD", "JA1AE", "JA1AG", "JA1AH",
                                            "JA1AI", "JA1AK", "JA1AL"}));
    QCOMPARE(w.rowCount(), 9);
    QCOMPARE(w.cell(8, 0), QString("9"));
    QVERIFY(w.doc.isModified());
    QVERIFY(w.frame.view().selectedRowList().empty());
    QCOMPARE(states(w), QString("00011"));
    QCOMPARE(w.ui.messageTexts(), std::vector<std::string>{"このデータを削除しますか?"});
}

void QsoListTest::deleteCancelledKeepsTheLog() {
    QTemporaryDir dir;
    Window w;
    load(w, writeLog(dir, "log.qgb", numberedQsos(3)));
    w.frame.view().selectRow(0);
    w.ui.answers = {Answer::Cancel};
    w.trigger("ID_EDIT_DELETE");
    QCOMPARE(w.doc.count(), size_t{3});
    QVERIFY(!w.doc.isModified());
}

void QsoListTest::selectAllSelectsEveryRow() {
    QTemporaryDir dir;
    Window w;
    load(w, writeLog(dir, "log.qgb", numberedQsos(5)));
    w.trigger("ID_EDIT_SELECT_ALL");
    QCOMPARE(w.frame.view().selectedRowList().size(), size_t{5});
    QCOMPARE(w.ui.waitCount, 2);  // the load, then the selection
    QCOMPARE(states(w), QString("11111"));
}

void QsoListTest::headerClickSortsOnlyColumnsWithAKey() {
    QTemporaryDir dir;
    Window w;
    w.frame.show();
    clickHeader(w.frame.view(), 16);
    QVERIFY(w.ui.events.empty());                        // an empty list asks nothing
    load(w, writeLog(dir, "log.qgb", numberedQsos(4)));  // points 0, 7, 4, 1
    for (int column : {0, 1, 5}) {
        clickHeader(w.frame.view(), column);
    }
    QVERIFY(w.ui.events.empty());
    QHeaderView* header = w.frame.view().horizontalHeader();
    QVERIFY(!header->isSortIndicatorShown());
    w.ui.answers = {Answer::Cancel, Answer::Ok};
    clickHeader(w.frame.view(), 16);
    QCOMPARE(callSigns(w.doc), (QStringList{"JA1AA", "JA1AB", "JA1AC", "JA1AD"}));
    QVERIFY(!header->isSortIndicatorShown());
    clickHeader(w.frame.view(), 16);
    QCOMPARE(callSigns(w.doc), (QStringList{"JA1AB", "JA1AC", "JA1AD", "JA1AA"}));
    QCOMPARE(w.cell(1, 3), QString("JA1AC"));
    const Message& asked = w.ui.events.back().message;
    QCOMPARE(asked.text, std::string("この列でソートしますか?"));
    QCOMPARE(asked.buttons, Buttons::OkCancel);
    // The indicator shows the order while the list keeps it: a delete keeps
    // it, a sort from the menu does not.
    auto indicator = [header] {
        return header->isSortIndicatorShown()
                   ? QString("%1 %2")
                         .arg(header->sortIndicatorSection())
                         .arg(header->sortIndicatorOrder() == Qt::DescendingOrder ? "down" : "up")
                   : QString("none");
    };
    QCOMPARE(indicator(), QString("16 down"));
    w.ui.answers = {Answer::Cancel};
    clickHeader(w.frame.view(), 2);
    QCOMPARE(indicator(), QString("16 down"));
    w.frame.view().selectRow(0);
    w.ui.answers = {Answer::Ok};
    w.trigger("ID_EDIT_DELETE");
    QCOMPARE(indicator(), QString("16 down"));
    w.trigger("ID_SORT_TIME");
    QCOMPARE(indicator(), QString("none"));
}

void QsoListTest::droppedFilesLoadOnlyOne() {
    QTemporaryDir dir;
    Window w;
    std::string first = writeLog(dir, "one.qgb", numberedQsos(2));
    std::string second = writeLog(dir, "two.qgb", numberedQsos(5));
    drop(w.frame.view(), {QString::fromStdString(first), QString::fromStdString(second)});
    QCOMPARE(w.ui.messageTexts(), std::vector<std::string>{"複数ファイルは読み込めません。"});
    QCOMPARE(w.rowCount(), 0);
    drop(w.frame.view(), {QString::fromStdString(second)});
    QCOMPARE(w.rowCount(), 5);
    QCOMPARE(w.caption(), QString::fromStdString(second + " - SORVAK"));
}

void QsoListTest::contextMenuFollowsTheSelection() {
    QTemporaryDir dir;
    Window w;
    load(w, writeLog(dir, "log.qgb", numberedQsos(3)));
    CSorvakView& view = w.frame.view();
    QStringList texts;
    std::unique_ptr<QMenu> menu = view.makeContextMenu();
    for (QAction* action : menu->actions()) {
        texts.append(action->isSeparator() ? QString("-") : action->text());
    }
    QCOMPARE(texts,
             (QStringList{"新規QSO(&N)...", "-", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)",
                          "削除(&D)", "-", "QSO行編集(&Q)...", "選択範囲変更(&R)..."}));
    QCOMPARE(contextStates(view), QString("1|0000|00"));
    view.selectRow(0);
    QCOMPARE(contextStates(view), QString("1|1101|10"));
    ctrlClickRow(view, 2);
    QCOMPARE(contextStates(view), QString("1|1101|11"));
    w.ui.answers = {Answer::Ok};
    menu = view.makeContextMenu();
    menu->actions().at(5)->trigger();
    QCOMPARE(callSigns(w.doc), QStringList{"JA1AB"});
}

void QsoListTest::doubleClickAndEnterEditOrAppend() {
    QTemporaryDir dir;
    Window w;
    std::vector<std::string> calls;
    w.ui.dialogHandler = [&calls](DialogForm& dialog) {
        auto& form = dynamic_cast<QsoEditForm&>(dialog);
        calls.push_back((form.newMode ? "new " : "edit ") + form.qsoNumber);
        return false;
    };
    load(w, writeLog(dir, "log.qgb", numberedQsos(3)));
    w.frame.show();
    CSorvakView& view = w.frame.view();
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Return);  // no cursor row: nothing
    QPoint below(10, view.viewport()->height() - 2);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, below);
    QRect second = view.visualRect(view.model()->index(1, 3));
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, second.center());
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(calls, (std::vector<std::string>{"new 4", "edit 2", "edit 2"}));
    QVERIFY(w.ui.messageTexts().empty());
}

void QsoListTest::newQsoAsksWhereWhenARowIsTheCursor() {
    QTemporaryDir dir;
    Window w;
    std::vector<std::string> positions;
    w.ui.dialogHandler = [&positions](DialogForm& dialog) {
        positions.push_back(dynamic_cast<QsoEditForm&>(dialog).qsoNumber);
        return false;
    };
    load(w, writeLog(dir, "log.qgb", numberedQsos(3)));
    w.trigger("ID_NEW_QSO");
    QVERIFY(w.ui.messageTexts().empty());
    CSorvakView& view = w.frame.view();
    w.ui.answers = {Answer::Yes, Answer::No, Answer::Cancel};
    for (int i = 0; i < 3; ++i) {
        view.setCurrentIndex(view.model()->index(0, 0));
        w.trigger("ID_NEW_QSO");
    }
    QCOMPARE(positions, (std::vector<std::string>{"4", "1", "4"}));
    const Message& asked = w.ui.events.back().message;
    QCOMPARE(asked.buttons, Buttons::YesNoCancel);
    QCOMPARE(asked.icon, Icon::Question);
}

void QsoListTest::homeAndEndSelectTheFirstAndLastQso() {
    QTemporaryDir dir;
    Window w;
    load(w, writeLog(dir, "log.qgb", numberedQsos(5)));
    w.frame.show();
    CSorvakView& view = w.frame.view();
    view.setFocus();
    view.setCurrentIndex(view.model()->index(2, 5));
    QTest::keyClick(&view, Qt::Key_End);
    QCOMPARE(view.selectedRowList(), std::vector<size_t>{4});
    QCOMPARE(view.cursorRow(), std::optional<size_t>(4));
    // The row number stays in sight: the list is not scrolled to the Memo column.
    QVERIFY(view.horizontalScrollBar()->maximum() > 0);
    QCOMPARE(view.horizontalScrollBar()->value(), 0);
    QTest::keyClick(&view, Qt::Key_Home);
    QCOMPARE(view.selectedRowList(), std::vector<size_t>{0});
    QCOMPARE(view.cursorRow(), std::optional<size_t>(0));
}

void QsoListTest::shiftF10OpensTheContextMenu() {
    QTemporaryDir dir;
    Window w;
    load(w, writeLog(dir, "log.qgb", numberedQsos(3)));
    w.frame.show();
    CSorvakView& view = w.frame.view();
    view.setFocus();
    view.selectRow(1);
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                shown.append(action->isSeparator() ? QString("|")
                                                   : QString(action->isEnabled() ? "1" : "0"));
            }
            menu->close();
        }
    });
    QTest::keyClick(&view, Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(shown.join(QString()), QString("1|1101|10"));
}

QTEST_MAIN(QsoListTest)
#include "test_qso_list.moc"
