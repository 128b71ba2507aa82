// The QSO dialog driven by its keys and buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "QsoEditDialog.h"
#include "QsoKeyStrokes.h"
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

QString textOf(QDialog& dialog, const char* name) {
    return child<QLineEdit>(dialog, name)->text();
}

QsoEditForm newEntryForm() {
    QsoEditForm form;
    form.newMode = true;
    form.clock = [] { return ClockParts{2026, 11, 3, 0, 0, 0}; };
    form.takeCurrentTime();
    return form;
}

}  // namespace

class QsoEditDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensForEditingOrEntry() {
        QsoEditForm edited;
        ScriptedUi ui;
        QsoEditDialog edit(edited, ui);
        edit.show();
        QCOMPARE(edit.windowTitle(), QString::fromUtf8("QSO編集"));
        QVERIFY(!child<QCheckBox>(edit, "useCurrentTime")->isVisible());
        QVERIFY(child<QLineEdit>(edit, "qsoNumber")->isReadOnly());

        QsoEditForm form = newEntryForm();
        QsoEditDialog entry(form, ui);
        entry.show();
        QVERIFY(QTest::qWaitForWindowActive(&entry));
        QCOMPARE(entry.windowTitle(), QString::fromUtf8("新規QSO入力"));
        auto* now = child<QCheckBox>(entry, "useCurrentTime");
        QVERIFY(now->isVisible() && now->isChecked());
        QCOMPARE(now->toolTip(),
                 QString::fromUtf8("交信日時に現在時刻を使用する場合はチェックします"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(entry, "callSign"));
        QCOMPARE(child<QComboBox>(entry, "band")->currentText(), QString("1.9"));
        QCOMPARE(textOf(entry, "year") + "/" + textOf(entry, "month"), QString("2026/11"));
    }

    void typingAndTheSpaceBarMoveBetweenCallAndNumber() {
        QsoEditForm form = newEntryForm();
        ScriptedUi ui;
        QsoEditDialog dialog(form, ui);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* call = child<QLineEdit>(dialog, "callSign");
        auto* rcvd = child<QLineEdit>(dialog, "rcvd");
        QTest::keyClicks(call, "ja1abc");
        QCOMPARE(call->text(), QString("JA1ABC"));
        form.clock = [] { return ClockParts{2026, 11, 3, 9, 5, 0}; };
        QTest::keyClick(call, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), rcvd);
        QCOMPARE(textOf(dialog, "hour") + ":" + textOf(dialog, "minute"), QString("9:5"));
        QTest::keyClicks(rcvd, "13m");
        QTest::keyClick(rcvd, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), call);
        QCOMPARE(call->text() + "|" + rcvd->text(), QString("JA1ABC|13M"));
        QVERIFY(!call->hasSelectedText());

        auto* sent = child<QLineEdit>(dialog, "sent");
        sent->setFocus();
        QTest::keyClicks(sent, "1 0");
        QCOMPARE(sent->text(), QString("10"));
        QTest::keyClick(sent, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), call);
        QVERIFY(dialog.isVisible());
        auto* srst = child<QLineEdit>(dialog, "srst");
        srst->setFocus();
        srst->selectAll();
        QTest::keyClicks(srst, "5a9");
        QCOMPARE(srst->text(), QString("59"));

        call->setFocus();
        QTest::keyClick(call, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(call->text() + "|" + rcvd->text(), QString("|"));
        QTest::keyClick(call, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void fastEntryKeysStepAndCycle() {
        QsoEditForm form = newEntryForm();
        ScriptedUi ui;
        QsoEditDialog dialog(form, ui);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* call = child<QLineEdit>(dialog, "callSign");
        QTest::keyClick(call, Qt::Key_R, Qt::ShiftModifier);
        QCOMPARE(textOf(dialog, "rrst"), QString("199"));
        QTest::keyClick(call, Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(textOf(dialog, "srst"), QString("519"));
        QCOMPARE(call->text(), QString());
        // A held key acts once.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_R, Qt::ShiftModifier, "R", true);
        QApplication::sendEvent(call, &repeat);
        QCOMPARE(textOf(dialog, "rrst") + call->text(), QString("199"));
        QTest::keyClick(call, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(
            textOf(dialog, "hour") + ":" + textOf(dialog, "minute") + " " + textOf(dialog, "day"),
            QString("0:59 3"));
        QTest::keyClick(call, Qt::Key_B, Qt::ShiftModifier);
        QCOMPARE(child<QComboBox>(dialog, "band")->currentText(), QString("3.5"));
        QTest::keyClick(call, Qt::Key_M, Qt::ShiftModifier);
        QCOMPARE(child<QComboBox>(dialog, "mode")->currentText() + textOf(dialog, "rrst"),
                 QString("SSB59"));
        QTest::keyClick(call, Qt::Key_T, Qt::ShiftModifier);
        QCOMPARE(textOf(dialog, "rrst"), QString("59"));
        QTest::keyClick(call, Qt::Key_P, Qt::ShiftModifier);
        QCOMPARE(child<QComboBox>(dialog, "power")->currentText(), QString("L"));
        auto* memo = child<QLineEdit>(dialog, "memo");
        memo->setFocus();
        QTest::keyClicks(memo, "Rx ok");
        QCOMPARE(memo->text(), QString("Rx ok"));
    }

    void bandAndModeChoicesSetTheRsts() {
        QsoEditForm form;
        form.mode = "SSB";
        form.srst = form.rrst = "59";
        ScriptedUi ui;
        QsoEditDialog dialog(form, ui);
        dialog.show();
        auto* band = child<QComboBox>(dialog, "band");
        auto* mode = child<QComboBox>(dialog, "mode");
        band->setCurrentIndex(band->findText("10"));
        QCOMPARE(mode->currentText() + textOf(dialog, "srst") + textOf(dialog, "rrst"),
                 QString("CW599599"));
        mode->setCurrentIndex(mode->findText("SSB"));
        QCOMPARE(textOf(dialog, "srst") + textOf(dialog, "rrst"), QString("5959"));
        band->setCurrentIndex(band->findText("14"));
        QCOMPARE(mode->currentText(), QString("SSB"));
    }

    void okReportsAndFocusesTheFirstBadField() {
        QsoEditForm form = newEntryForm();
        ScriptedUi ui;
        QsoEditDialog dialog(form, ui);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        child<QLineEdit>(dialog, "points")->setText("256");
        child<QLineEdit>(dialog, "memo")->setText(QString(65, 'x'));
        child<QPushButton>(dialog, "ok")->click();
        QCOMPARE(ui.messageTexts(), std::vector<std::string>{"64 文字以内で入力してください。"});
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(dialog, "memo"));
        QVERIFY(dialog.isVisible());
        child<QLineEdit>(dialog, "memo")->setText("ok");
        child<QLineEdit>(dialog, "points")->setText("2");
        child<QLineEdit>(dialog, "callSign")->setText("JA1ABC");
        child<QPushButton>(dialog, "ok")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(form.callSign + form.points + form.memo, std::string("JA1ABC2ok"));
    }

    void lettersGoByTheirPlaceOnTheKeyboard() {
        // X11 reports the PC scan code plus 8: W's place is 25 whatever it types.
        QKeyEvent onW(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier, 25, 0, 0, "z");
        QCOMPARE(qsoKeyStrokeOf(onW, "xcb").key, QsoKey::W);
        QCOMPARE(qsoKeyStrokeOf(onW, "offscreen").key, QsoKey::Other);
        QKeyEvent synthetic(QEvent::KeyPress, Qt::Key_W, Qt::ControlModifier, 0, 0, 0, "w");
        QCOMPARE(qsoKeyStrokeOf(synthetic, "xcb").key, QsoKey::W);
    }
};

QTEST_MAIN(QsoEditDialogTest)
#include "test_qso_edit_dialog.moc"
