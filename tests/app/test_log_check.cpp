// The log check from the Tools menu: its settings dialog, the window of the
// findings, a double click that selects the QSO, the check again and the
// saved text.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "AppTestSupport.h"
#include "CSorvakView.h"
#include "LogCheckDialog.h"
#include "LogCheckWindow.h"
#include "editing/LogCheckForm.h"

using namespace sorvak;
using namespace sorvak::test;

namespace {

// A UTC log on one band with three faults: a blank in a call sign (row 1), a
// dupe (row 3) and a QSO without its received exchange (row 4).
void fill(CSorvakDoc& doc) {
    doc.contest().utcFlag = 1;
    int hhmm = 1000;
    for (const char* call : {"JA1AAA", "JA1A B", "JA1CCC", "JA1AAA", "JA1DDD"}) {
        doc.add(std::make_unique<QsoRecord>(qso(hhmm++, call, 1)));
    }
    doc.at(4).setRcvd("");
}

}  // namespace

class LogCheckTest : public QObject {
    Q_OBJECT

  private slots:
    void findsTheThreeFaultsAndSelectsTheQsoOfOne() {
        Window w;
        fill(w.doc);
        w.doc.updateAllViews();
        w.ui.dialogHandler = [](DialogForm& form) {
            dynamic_cast<LogCheckForm&>(form).useMasterCalls = false;
            return true;
        };
        w.trigger("ID_TOOL_LOG_CHECK");
        auto* window = w.frame.findChild<LogCheckWindow*>();
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QString::fromUtf8("ログチェックの結果"));
        QTableView* table = window->table();
        QCOMPARE(table->model()->rowCount(), 3);
        QCOMPARE(table->model()->headerData(5, Qt::Horizontal).toString(),
                 QString::fromUtf8("内容"));
        QCOMPARE(table->model()->index(1, 0).data().toString(), QString("4"));
        QCOMPARE(table->model()->index(1, 4).data().toString(), QString("DUPE"));

        window->OnFindingDoubleClicked(1);
        auto* list = w.frame.findChild<CSorvakView*>();
        QCOMPARE(list->cursorRow(), std::optional<size_t>(3));

        // The JST note is information: shown, and left out on request.
        w.doc.contest().utcFlag = 0;
        window->OnRecheck();
        QCOMPARE(table->model()->rowCount(), 4);
        window->findChild<QCheckBox*>("withInformation")->setChecked(false);
        QCOMPARE(table->model()->rowCount(), 3);
        window->OnFindingDoubleClicked(2);
        QCOMPARE(list->cursorRow(), std::optional<size_t>(4));

        // Mended in the list, checked again with the same settings.
        w.doc.at(1).setCallSign("JA1BBB");
        w.doc.at(4).setRcvd("13");
        window->OnRecheck();
        QCOMPARE(table->model()->rowCount(), 1);

        QTemporaryDir dir;
        std::string path = dir.filePath("log_CHECK.TXT").toStdString();
        w.ui.paths = {path};
        window->OnSaveText();
        QVERIFY(readAll(path).find("DUPE") != std::string::npos);
    }

    void dialogRefusesAMomentOutOfForm() {
        LogCheckForm form;
        ScriptedUi ui;
        LogCheckDialog dialog(form, ui);
        dialog.findChild<QLineEdit*>("start")->setText("2026/11/03 10:00");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(ui.messageTexts().back(),
                 std::string("日時は YYYY-MM-DD HH:MM の形で入力してください。"));
        dialog.findChild<QLineEdit*>("start")->setText("2026-11-03 10:00");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(form.start, std::string("2026-11-03 10:00"));
    }
};

QTEST_MAIN(LogCheckTest)
#include "test_log_check.moc"
