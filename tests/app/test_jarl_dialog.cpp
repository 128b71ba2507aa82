// The JARL electronic log dialog over its form, run from the export menu.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "AppTestSupport.h"
#include "JarlLogDialog.h"
#include "formats/JarlLogWriter.h"

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

}  // namespace

class JarlDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void followsTheNameAndTheScoreAsTheyAreTyped() {
        CSorvakDoc doc;
        doc.contest().contestName = "ALL JA";
        doc.contest().coefficient = 2;
        QsoParts parts = test::qso(905, "JA1ABC", 3);
        parts.multi = "13";
        doc.add(std::make_unique<QsoRecord>(parts));
        JarlLogForm form = JarlLogForm::prefilledFrom(doc, ClockParts{2026, 12, 9});
        ScriptedUi ui;
        JarlLogDialog dialog(form, ui);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("JARL電子ログの作成"));
        QCOMPARE(child<QLineEdit>(dialog, "contest")->text(), QString("ALL JA"));
        QCOMPARE(child<QLineEdit>(dialog, "date")->text(), QString::fromUtf8("2026年12月9日"));
        QCOMPARE(child<QLineEdit>(dialog, "score")->text(), QString("6"));  // 3 × 1 × 2
        QVERIFY(child<QLineEdit>(dialog, "score")->isReadOnly());
        QVERIFY(child<QPlainTextEdit>(dialog, "scoreTable")
                    ->toPlainText()
                    .contains(QString::fromUtf8("    7 MHz        1         3       1")));

        QTest::keyClicks(child<QLineEdit>(dialog, "name"), "Otsuka");
        QCOMPARE(child<QLineEdit>(dialog, "signature")->text(), QString("Otsuka"));
        auto* coefficient = child<QLineEdit>(dialog, "fdcoeff");
        coefficient->selectAll();
        QTest::keyClicks(coefficient, "20");
        QCOMPARE(child<QLineEdit>(dialog, "score")->text(), QString("60"));
        child<QCheckBox>(dialog, "checkLog")->click();
        QCOMPARE(child<QLineEdit>(dialog, "score")->text(), QString("0"));
    }

    void exportMenuRunsTheDialogAndWritesTheFile() {
        test::Window w;
        QTemporaryDir dir;
        QsoParts byAnother = test::qso(906, "JA1ABD", 1);
        byAnother.operatorName = "JR1WWW";
        std::string log = test::writeLog(dir, "log.qgb", {test::qso(905, "JA1ABC", 1), byAnother});
        FileLoad(w.doc, w.ui, log, LoadMode::Load);
        std::string out = dir.filePath("log_JARL.TXT").toStdString();
        w.ui.paths.push_back(out);
        bool stayedOpenOnTheEmptyField = false;
        bool stayedOpenOnTheOperatorList = false;
        w.ui.dialogHandler = [&](DialogForm& form) -> bool {
            JarlLogDialog dialog(dynamic_cast<JarlLogForm&>(form), w.ui);
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            auto* ok = child<QPushButton>(dialog, "ok");
            ok->click();
            stayedOpenOnTheEmptyField =
                w.ui.messageTexts().back() == "参加部門コードが記入されていません。" &&
                dialog.isVisible() && dialog.focusWidget() == child<QWidget>(dialog, "category");
            child<QLineEdit>(dialog, "category")->setText("XMAH");
            child<QPlainTextEdit>(dialog, "address")
                ->setPlainText(QString::fromUtf8("東京都\n千代田区"));
            QTest::keyClicks(child<QLineEdit>(dialog, "name"), "Otsuka");
            child<QLineEdit>(dialog, "email")->setText("ja1yaa@example.jp");
            child<QLineEdit>(dialog, "power")->setText("50");
            auto* operators = child<QLineEdit>(dialog, "multioplist");
            operators->clear();
            w.ui.answers.push_back(Answer::Cancel);
            ok->click();
            stayedOpenOnTheOperatorList = dialog.isVisible() && dialog.focusWidget() == operators;
            child<QRadioButton>(dialog, "timeUtc")->click();
            ok->click();
            return dialog.result() == QDialog::Accepted;
        };
        w.doc.setModified(true);
        w.trigger("ID_EXPORT_JARL");
        QVERIFY(stayedOpenOnTheEmptyField);
        QVERIFY(stayedOpenOnTheOperatorList);
        QCOMPARE(w.ui.events.back().dialog.proposedName,
                 log.substr(0, log.rfind('.')) + "_JARL.TXT");
        std::string file = test::readAll(out);
        QCOMPARE(file, writeJarlLog(w.doc, w.doc.jarlLogHeader().totalScore).value());
        QVERIFY(file.find("<CONTESTNAME>TEST</CONTESTNAME>\r\n<CATEGORYCODE>XMAH") !=
                std::string::npos);
        QVERIFY(file.find("<CALLSIGN>JA1YAA</CALLSIGN>\r\n") != std::string::npos);
        QVERIFY(file.find("<ADDRESS>\x93\x8C\x8B\x9E\x93\x73\r\n") != std::string::npos);
        QVERIFY(file.find("<SIGNATURE>Otsuka</SIGNATURE>") != std::string::npos);
        QVERIFY(file.find("DATE(UTC) TIME BAND MODE CALLSIGN SENTNo RCVNo Multi PTS\r\n"
                          "2026-11-03 00:05 7 CW JA1ABC ") != std::string::npos);
        QVERIFY(w.doc.isModified());  // the JARL log cannot give the log back
    }
};

QTEST_MAIN(JarlDialogTest)
#include "test_jarl_dialog.moc"
