// Undo and redo of the list's commands, and cut, copy and paste of QSOs
// through the clipboard, by the keys a user presses.
#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QtTest>

#include "AppTestSupport.h"
#include "CSorvakView.h"
#include "editing/BulkChangeForm.h"

using namespace sorvak;
using namespace sorvak::test;

namespace {

// Every cell of every row, a row a line.
QStringList rowTexts(const Window& w) {
    QStringList rows;
    for (int row = 0; row < w.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 19; ++column) {
            cells.append(w.cell(row, column));
        }
        rows.append(cells.join(u'\t'));
    }
    return rows;
}

void press(Window& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(&w.frame.view(), key, modifiers);
}

}  // namespace

class UndoAndClipboardTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void undoAndRedoADeleteAndABulkChange() {
        Loaded w(5);
        w.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.frame));
        const QStringList loaded = rowTexts(w);
        QVERIFY(!w.action("ID_EDIT_UNDO")->isEnabled());

        select(w.view(), {1, 2});
        w.ui.answers = {Answer::Ok};
        press(w, Qt::Key_Delete, Qt::NoModifier);
        QCOMPARE(w.rowCount(), 3);
        QCOMPARE(w.action("ID_EDIT_UNDO")->text(), QString("元に戻す(&U) - 削除 (2 QSO)\tCtrl+Z"));
        press(w, Qt::Key_Z);
        QCOMPARE(rowTexts(w), loaded);
        QVERIFY(!w.doc.isModified());
        QCOMPARE(w.action("ID_EDIT_REDO")->text(), QString("やり直し(&Y) - 削除 (2 QSO)\tCtrl+Y"));

        select(w.view(), {0, 4});
        answerOnce<BulkChangeForm>(w.ui, [](BulkChangeForm& f) {
            f.changeOperator = true;
            f.operatorName = "JA1ZZZ";
        });
        w.trigger("ID_EDIT_BULK_CHANGE");
        const QStringList changed = rowTexts(w);
        QCOMPARE(w.cell(4, 17), QString("JA1ZZZ"));
        // A new step drops the undone delete.
        QVERIFY(!w.action("ID_EDIT_REDO")->isEnabled());
        QCOMPARE(w.action("ID_EDIT_UNDO")->text(),
                 QString("元に戻す(&U) - 選択範囲一括変更 (2 QSO)\tCtrl+Z"));
        press(w, Qt::Key_Z);
        QCOMPARE(rowTexts(w), loaded);
        press(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(rowTexts(w), changed);
        QVERIFY(w.doc.isModified());
        QVERIFY(!w.action("ID_EDIT_REDO")->isEnabled());
    }

    void undoBringsBackEveryRowOfADeleteOfAll() {
        Loaded w(6);
        w.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.frame));
        const QStringList loaded = rowTexts(w);
        press(w, Qt::Key_A);
        w.ui.answers = {Answer::Ok};
        press(w, Qt::Key_Delete, Qt::NoModifier);
        QCOMPARE(w.rowCount(), 0);
        press(w, Qt::Key_Z);
        QCOMPARE(rowTexts(w), loaded);
    }

    void savingMakesThePresentStepTheSavedOne() {
        Loaded w(4);
        w.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.frame));
        w.trigger("ID_SORT_POINTS");
        QVERIFY(w.doc.isModified());
        w.trigger("ID_FILE_SAVE");
        QVERIFY(!w.doc.isModified());
        press(w, Qt::Key_Z);
        QVERIFY(w.doc.isModified());
        press(w, Qt::Key_Y);
        QVERIFY(!w.doc.isModified());
        // Opening another log starts a fresh history.
        w.ui.answers = {Answer::Yes};
        w.trigger("ID_FILE_NEW");
        QVERIFY(!w.action("ID_EDIT_UNDO")->isEnabled());
    }

    void copiedRowsAreTabSeparatedLinesThatPasteAtTheCursorRow() {
        Loaded w(5);
        w.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.frame));
        const QStringList loaded = rowTexts(w);
        QVERIFY(!w.action("ID_EDIT_COPY")->isEnabled());
        select(w.view(), {0, 1, 2});
        QVERIFY(w.action("ID_EDIT_COPY")->isEnabled());
        press(w, Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 loaded.mid(0, 3).join(u'\n') + QStringLiteral("\n"));
        QVERIFY(w.action("ID_EDIT_PASTE")->isEnabled());

        w.view().clearSelection();
        select(w.view(), {4});
        press(w, Qt::Key_V);
        QStringList expected = loaded;
        for (int i = 0; i < 3; ++i) {
            expected.insert(4 + i, loaded[i]);
        }
        // The Line column counts the rows anew.
        auto withoutLine = [](QStringList rows) {
            for (QString& row : rows) {
                row = row.section(u'\t', 1);
            }
            return rows;
        };
        QCOMPARE(withoutLine(rowTexts(w)), withoutLine(expected));
        QCOMPARE(w.view().selectedRowList(), (std::vector<size_t>{4, 5, 6}));
        press(w, Qt::Key_Z);
        QCOMPARE(rowTexts(w), loaded);

        // Cut is a copy and a delete in one step; plain text pastes too.
        w.view().clearSelection();
        select(w.view(), {3});
        press(w, Qt::Key_X);
        QCOMPARE(w.rowCount(), 4);
        auto* text = new QMimeData;
        text->setText(QGuiApplication::clipboard()->text());
        QGuiApplication::clipboard()->setMimeData(text);
        press(w, Qt::Key_V);
        QCOMPARE(withoutLine(rowTexts(w)).last(), withoutLine(loaded)[3]);
    }

    void pasteRefusesTextThatIsNotQsoLines() {
        Loaded w(2);
        w.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.frame));
        QGuiApplication::clipboard()->setText("1\t11/3\t0900\tJA1AA\nhello");
        press(w, Qt::Key_V);
        QCOMPARE(w.ui.messageTexts(),
                 std::vector<std::string>{
                     "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの1行目はQSOの行ではありません。\n貼り付けられるのは、このﾌﾟﾛｸﾞﾗﾑ"
                     "でｺﾋﾟｰしたQSOか、一覧と同じ19列をﾀﾌﾞで区切った行です。"});
        QCOMPARE(w.rowCount(), 2);
        QVERIFY(!w.action("ID_EDIT_UNDO")->isEnabled());
    }
};

QTEST_MAIN(UndoAndClipboardTest)
#include "test_undo_and_clipboard.moc"
