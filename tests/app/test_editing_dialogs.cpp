// The bulk change, log tool and contest data dialogs over their forms.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "BulkChangeDialog.h"
#include "ContestDataDialog.h"
#include "FindCallDialog.h"
#include "NumberToMultiDialog.h"
#include "SentNumberDialog.h"
#include "model/CSorvakDoc.h"
#include "testsupport/ScriptedUi.h"

using namespace sorvak;

namespace {

template <typename T>
T* child(QDialog& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(name);
    if (widget == nullptr) {
        qFatal("no widget %s", name);
    }
    return widget;
}

void clickOk(QDialog& dialog) {
    child<QPushButton>(dialog, "ok")->click();
}

}  // namespace

class EditingDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void bulkChangeOpensOnTheFirstRowAndChecksItsFields() {
        QsoRecord first(QsoParts{.year = 2008,
                                 .month = 11,
                                 .day = 16,
                                 .hhmm = 500,
                                 .bandText = "7",
                                 .modeText = "CW",
                                 .powerLetter = 'H',
                                 .points = 1});
        BulkChangeForm form = BulkChangeForm::prefilledFrom(first);
        ScriptedUi ui;
        BulkChangeDialog dialog(form, ui);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("選択されたQSO行の一括変更"));
        QCOMPARE(child<QLineEdit>(dialog, "day")->text(), QString("16"));
        QCOMPARE(child<QComboBox>(dialog, "power")->currentText(), QString("H"));
        QCOMPARE(child<QComboBox>(dialog, "onlyBandText")->currentText(), QString());
        QVERIFY(!child<QCheckBox>(dialog, "changeTime")->isChecked());
        child<QCheckBox>(dialog, "changeTime")->click();
        child<QLineEdit>(dialog, "shiftHours")->setText("-24");
        clickOk(dialog);
        QCOMPARE(ui.messageTexts(),
                 std::vector<std::string>{"-23 から 23 までの整数を入力してください。"});
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(dialog, "shiftHours"));
        child<QLineEdit>(dialog, "shiftHours")->setText("-9");
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(form.changeTime && !form.changeDate);
        QCOMPARE(form.shiftHours, std::string("-9"));
    }

    void typingIntoABulkChangeFieldTicksItsBox() {
        BulkChangeForm form = BulkChangeForm::prefilledFrom(QsoRecord(
            QsoParts{.year = 2008, .month = 11, .day = 16, .bandText = "7", .points = 1}));
        ScriptedUi ui;
        BulkChangeDialog dialog(form, ui);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // Filled in by the program: no box ticked.
        QVERIFY(!child<QCheckBox>(dialog, "changeBand")->isChecked());
        auto* band = child<QComboBox>(dialog, "band");
        band->lineEdit()->selectAll();
        QTest::keyClicks(band->lineEdit(), "14");
        auto* month = child<QLineEdit>(dialog, "month");
        month->selectAll();
        QTest::keyClicks(month, "2");
        emit child<QComboBox>(dialog, "onlyModeText")->activated(1);
        QStringList ticked;
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
            if (box->isChecked()) {
                ticked.append(box->objectName());
            }
        }
        QCOMPARE(ticked, (QStringList{"changeDate", "changeBand", "onlyMode"}));
        child<QCheckBox>(dialog, "changeDate")->click();  // the user may untick it again
        clickOk(dialog);
        QVERIFY(form.changeBand && !form.changeDate && form.onlyMode);
        QCOMPARE(form.band, std::string("14"));
    }

    void toolDialogsCarryTheirValues() {
        ScriptedUi ui;
        SentNumberForm sent;
        sent.sent = "10H";
        SentNumberDialog sentDialog(sent, ui);
        QCOMPARE(sentDialog.windowTitle(), QString::fromUtf8("送信ﾅﾝﾊﾞｰの一括変更"));
        QCOMPARE(child<QLineEdit>(sentDialog, "sent")->text(), QString("10H"));
        child<QLineEdit>(sentDialog, "sent")->setText(QString::fromUtf8("20Ｍ"));
        clickOk(sentDialog);
        QCOMPARE(sent.sent, std::string("20Ｍ"));

        NumberToMultiForm multi;
        NumberToMultiDialog multiDialog(multi, ui);
        multiDialog.show();
        QCOMPARE(multiDialog.windowTitle(), QString::fromUtf8("ﾅﾝﾊﾞｰ欄からﾏﾙﾁ欄へｺﾋﾟｰ"));
        QCOMPARE(child<QLineEdit>(multiDialog, "cutCount")->text(), QString("1"));
        child<QLineEdit>(multiDialog, "cutCount")->setText("x");
        clickOk(multiDialog);
        QCOMPARE(ui.messageTexts().back(), std::string("整数を入力してください。"));
        QVERIFY(multiDialog.isVisible());
        child<QLineEdit>(multiDialog, "cutCount")->setText("0");
        child<QCheckBox>(multiDialog, "digitsOnly")->click();
        clickOk(multiDialog);
        QCOMPARE(multi.cutCount + (multi.digitsOnly ? "+" : "-"), std::string("0+"));
    }

    void findIsPressableOnlyWithAText() {
        FindCallForm form;
        FindCallDialog dialog(form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("コールサイン検索"));
        auto* next = child<QPushButton>(dialog, "ok");
        QCOMPARE(next->text(), QString::fromUtf8("次を検索(&F)"));
        QVERIFY(!next->isEnabled());
        QTest::keyClicks(child<QLineEdit>(dialog, "text"), "ja1");
        QVERIFY(next->isEnabled());
        QTest::keyClick(child<QLineEdit>(dialog, "text"), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(form.text, std::string("JA1"));
        FindCallDialog again(form);
        QCOMPARE(child<QLineEdit>(again, "text")->text(), QString("JA1"));
        QVERIFY(child<QPushButton>(again, "ok")->isEnabled());
    }

    void contestDataShowsTheVersionReadOnly() {
        CSorvakDoc doc;
        ContestDataForm form = ContestDataForm::prefilledFrom(doc);
        ScriptedUi ui;
        ContestDataDialog dialog(form, ui);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("ｺﾝﾃｽﾄﾃﾞｰﾀ"));
        QCOMPARE(child<QLineEdit>(dialog, "version")->text(), QString("1"));
        QVERIFY(child<QLineEdit>(dialog, "version")->isReadOnly());
        QVERIFY(child<QRadioButton>(dialog, "jst")->isChecked());
        child<QRadioButton>(dialog, "utc")->click();
        child<QLineEdit>(dialog, "coefficient")->setText("1.5");
        clickOk(dialog);
        QCOMPARE(ui.messageTexts(), std::vector<std::string>{"整数を入力してください。"});
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(dialog, "coefficient"));
        child<QLineEdit>(dialog, "coefficient")->setText("2");
        clickOk(dialog);
        QVERIFY(form.utc);
        QCOMPARE(form.coefficient, std::string("2"));
    }
};

QTEST_MAIN(EditingDialogsTest)
#include "test_editing_dialogs.moc"
