// The list's editing commands end to end on a loaded log, each dialog
// answered through the scripted Ui.
#include <QtTest>

#include "AppTestSupport.h"
#include "CSorvakView.h"
#include "editing/BulkChangeForm.h"
#include "editing/ContestDataForm.h"
#include "editing/FindCallForm.h"
#include "editing/NumberToMultiForm.h"
#include "editing/QsoEditForm.h"
#include "editing/SentNumberForm.h"

using namespace sorvak;
using namespace sorvak::test;

namespace {

std::vector<int> selectedRows(CSorvakView& view) {
    std::vector<int> rows;
    for (size_t row : view.selectedRowList()) {
        rows.push_back(static_cast<int>(row));
    }
    return rows;
}

}  // namespace

class EditingCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void editAndBulkChangeWorkOnTheSelectedRows() {
        Loaded w(4);
        select(w.view(), {1, 3});
        std::vector<std::string> numbers;
        w.ui.dialogHandler = [&numbers](DialogForm& form) {
            auto& qso = dynamic_cast<QsoEditForm&>(form);
            numbers.push_back(qso.qsoNumber);
            qso.memo = "checked";
            return true;
        };
        w.trigger("ID_EDIT_QSO");
        QCOMPARE(numbers, (std::vector<std::string>{"2", "4"}));
        QCOMPARE(w.cell(1, 18) + w.cell(2, 18) + w.cell(3, 18), QString("checkedchecked"));
        QVERIFY(selectedRows(w.view()).empty());
        QVERIFY(w.doc.isModified());

        select(w.view(), {0, 2});
        answerOnce<BulkChangeForm>(w.ui, [](BulkChangeForm& f) {
            f.changeOperator = true;
            f.operatorName = "JA1ZZZ";
        });
        w.trigger("ID_EDIT_BULK_CHANGE");
        QCOMPARE(w.cell(0, 17) + "|" + w.cell(1, 17) + "|" + w.cell(2, 17),
                 QString("JA1ZZZ||JA1ZZZ"));
    }

    void newQsosGoBeforeTheCursorRowOneAfterAnother() {
        Loaded w(2);
        w.view().setCurrentIndex(w.view().model()->index(0, 0));
        w.ui.answers = {Answer::Yes};
        std::vector<std::vector<int>> selections;
        int shown = 0;
        int last = 2;
        w.ui.dialogHandler = [&](DialogForm& form) {
            auto& qso = dynamic_cast<QsoEditForm&>(form);
            selections.push_back(selectedRows(w.view()));
            qso.callSign = "JA" + std::to_string(++shown) + "NEW";
            qso.year = "2026";
            qso.month = "11";
            qso.day = "3";
            return shown <= last;
        };
        w.trigger("ID_NEW_QSO");
        QCOMPARE(w.cell(0, 3) + " " + w.cell(1, 3) + " " + w.cell(2, 3),
                 QString("JA1NEW JA2NEW JA1AA"));
        QCOMPARE(selections, (std::vector<std::vector<int>>{{0}, {0}, {1}}));
        QVERIFY(selectedRows(w.view()).empty());

        // A double click below the rows appends.
        w.ui.answers.clear();
        last = 5;
        w.frame.show();
        QTest::mouseDClick(w.view().viewport(), Qt::LeftButton, {},
                           QPoint(10, w.view().viewport()->height() - 2));
        QCOMPARE(w.rowCount(), 6);
        QCOMPARE(w.cell(4, 3) + " " + w.cell(5, 3), QString("JA4NEW JA5NEW"));
    }

    void findSelectsTheMatchAndDupesAreMarkedForDeletion() {
        Loaded w(3);
        QVERIFY(w.action("ID_EDIT_FIND")->isEnabled());
        answerOnce<FindCallForm>(w.ui, [](FindCallForm& f) { f.text = "1AB"; });
        w.trigger("ID_EDIT_FIND");
        QCOMPARE(selectedRows(w.view()), std::vector<int>{1});

        // Two runs of repeats: each is selected but its first QSO.
        for (int copies = 0; copies < 2; ++copies) {
            w.doc.add(std::make_unique<QsoRecord>(qso(901, "JA1AB", 7)));
        }
        w.doc.add(std::make_unique<QsoRecord>(qso(900, "JA1AA", 0)));
        w.doc.updateAllViews();
        w.ui.dialogHandler = nullptr;
        w.trigger("ID_TOOL_DUPE");
        QCOMPARE(selectedRows(w.view()), (std::vector<int>{1, 3, 4}));
        QCOMPARE(w.ui.messageTexts().back(),
                 std::string("DUPE QSOデータが選択されました。\n不要な場合は削除して下さい。"));
        w.trigger("ID_EDIT_DELETE");
        QCOMPARE(w.rowCount(), 3);
    }

    void theFocusStaysWhereTheUserWasAfterEachCommand() {
        Loaded w(8);
        w.frame.show();
        CSorvakView& view = w.view();
        view.setFocus();
        auto focus = [&view] { return view.currentIndex().row(); };
        select(view, {5});
        w.ui.dialogHandler = [](DialogForm&) { return true; };
        w.trigger("ID_EDIT_QSO");
        QCOMPARE(focus(), 5);
        QVERIFY(view.selectedRowList().empty());
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(view.cursorRow(), std::optional<size_t>(6));

        answerOnce<BulkChangeForm>(w.ui, [](BulkChangeForm&) {});
        w.trigger("ID_EDIT_BULK_CHANGE");
        QCOMPARE(focus(), 6);

        // Delete: the row after the last deleted one, then the new last row.
        view.clearSelection();
        select(view, {1, 3, 2});
        w.ui.answers = {Answer::Ok, Answer::Ok};
        w.trigger("ID_EDIT_DELETE");
        QCOMPARE(w.cell(focus(), 3), QString("JA1AE"));
        select(view, {4});
        w.trigger("ID_EDIT_DELETE");
        QCOMPARE(focus(), 3);

        answerOnce<QsoEditForm>(w.ui, [](QsoEditForm& f) {
            f.callSign = "JA9NEW";
            f.year = "2026";
            f.month = "11";
            f.day = "3";
        });
        view.clearSelection();
        w.trigger("ID_NEW_QSO");
        QCOMPARE(w.cell(focus(), 3), QString("JA9NEW"));
        QCOMPARE(focus(), 4);
        QVERIFY(view.viewport()->rect().intersects(view.visualRect(view.currentIndex())));
    }

    void toolsChangeEveryRowAndContestDataIsInBothMenus() {
        Loaded w(2);
        answerOnce<SentNumberForm>(w.ui, [](SentNumberForm& f) { f.sent = "599 25"; });
        w.trigger("ID_TOOL_SENT_NUMBERS");
        QCOMPARE(w.cell(0, 5) + "|" + w.cell(1, 5), QString("599 25|599 25"));
        answerOnce<NumberToMultiForm>(w.ui, [](NumberToMultiForm&) {});
        w.trigger("ID_TOOL_NUMBER_TO_MULTI");
        QCOMPARE(w.cell(1, 8), QString("1"));

        for (const char* entry : {"ID_VIEW_CONTEST_DATA", "ID_TOOL_CONTEST_DATA"}) {
            w.doc.setModified(false);
            answerOnce<ContestDataForm>(w.ui, [entry](ContestDataForm& f) {
                f.contestName = entry;
                f.utc = true;
            });
            w.trigger(entry);
            QCOMPARE(w.doc.contest().contestName, std::string(entry));
            QVERIFY(w.doc.isModified() && w.doc.contest().utcFlag == 1);
        }
    }
};

QTEST_MAIN(EditingCommandsTest)
#include "test_editing_commands.moc"
