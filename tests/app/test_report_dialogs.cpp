// The check-list and analysis settings dialogs over their forms, and the
// report commands of the window writing beside the log.
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <filesystem>

#include "AnalysisDialog.h"
#include "AppTestSupport.h"
#include "CheckListDialog.h"
#include "StartUp.h"
#include "commands/AnalysisCommands.h"
#include "commands/CheckListCommands.h"
#include "platform/ProgramDirectory.h"

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

class ReportDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void checkListDialogChecksItsNumbersAndStoresThemOnOk() {
        CSorvakDoc doc;
        doc.add(std::make_unique<QsoRecord>(test::qso(1000, "JA1ABCDEFGHI", 1)));
        ScriptedUi ui;
        ui.dialogHandler = [&ui](DialogForm& form) {
            CheckListDialog dialog(dynamic_cast<CheckListForm&>(form), ui);
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            [&] {
                QCOMPARE(dialog.windowTitle(), QString::fromUtf8("重複ﾁｪｯｸﾘｽﾄの設定"));
                auto* perLine = child<QLineEdit>(dialog, "stationsPerLine");
                auto* width = child<QLineEdit>(dialog, "charsPerStation");
                QCOMPARE(perLine->text(), QString("8"));
                QCOMPARE(width->text(), QString("13"));
                QVERIFY(child<QCheckBox>(dialog, "showPortable")->isChecked());
                auto* ok = child<QPushButton>(dialog, "ok");
                perLine->setText("0");
                ok->click();
                QVERIFY(dialog.isVisible());
                QCOMPARE(dialog.focusWidget(), perLine);
                perLine->setText("4");
                width->setText("x");
                ok->click();
                QCOMPARE(dialog.focusWidget(), width);
                width->setText("12");
                child<QCheckBox>(dialog, "showPortable")->setChecked(false);
                ok->click();
            }();
            return dialog.result() == QDialog::Accepted;
        };
        QVERIFY(checkListSettings(doc, ui));
        QCOMPARE(ui.messageTexts(),
                 (std::vector<std::string>{"1 から 999 までの整数を入力してください。",
                                           "整数を入力してください。"}));
        QCOMPARE(doc.reportSettings().stationsPerLine, 4);
        QCOMPARE(doc.reportSettings().charsPerStation, 12);
        QCOMPARE(doc.reportSettings().showPortable, 0);
    }

    void analysisDialogShowsTheSettingsAndBrowsesFromTheProgramFolder() {
        AnalysisForm form{ReportSettings{}};
        ScriptedUi ui;
        AnalysisDialog dialog(form, ui);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("交信データの解析"));
        auto* group = dialog.findChild<QGroupBox*>();
        QCOMPARE(group->title(), QString::fromUtf8("出力するファイル"));
        QCOMPARE(group->findChildren<QCheckBox*>().size(), 8);
        QStringList checked;
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
            if (box->isChecked()) {
                checked << box->objectName();
            }
        }
        QCOMPARE(checked,
                 (QStringList{"outQAF", "outQAQ", "includeZeroHours", "cumulative", "cwSubcount"}));
        QCOMPARE(child<QCheckBox>(dialog, "includeZeroHours")->text(),
                 QString::fromUtf8("交信局数\"0\"の時間帯を出力に含める"));
        QCOMPARE(child<QLineEdit>(dialog, "multiDataFile")->maxLength(), 256);

        ui.paths = {std::string("/data/ja.dat")};
        child<QPushButton>(dialog, "browse")->click();
        QCOMPARE(ui.events.back().dialog.title, std::string("DATファイルのロード"));
        QCOMPARE(ui.events.back().dialog.filter,
                 std::string("Quog Multi Data Files (*.dat)|*.dat|All Files (*.*)|*.*||"));
        QCOMPARE(ui.events.back().dialog.startFolder, programDirectory());
        QCOMPARE(child<QLineEdit>(dialog, "multiDataFile")->text(), QString("/data/ja.dat"));

        child<QCheckBox>(dialog, "outQAF")->setChecked(false);
        child<QCheckBox>(dialog, "outQAG")->setChecked(true);
        child<QCheckBox>(dialog, "doubleScore")->setChecked(true);
        child<QPushButton>(dialog, "ok")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(form.settings.outQAF, 0);
        QCOMPARE(form.settings.outQAG, 1);
        QCOMPARE(form.settings.outQAQ, 1);
        QCOMPARE(form.settings.doubleScore, 1);
        QCOMPARE(form.settings.multiDataFile, std::string("/data/ja.dat"));
    }

    void reportCommandsWriteBesideTheLog() {
        QTemporaryDir dir;
        std::string path = test::writeLog(dir, "log.qgb", test::numberedQsos(3));
        QDir::setCurrent(QDir::tempPath());
        test::Window w;
        w.ui.dialogHandler = [](DialogForm&) { return true; };
        FileLoad(w.doc, w.ui, path, LoadMode::Load);
        w.trigger("ID_LIST_CHECK_LIST");
        w.trigger("ID_LIST_ANALYSIS");
        QVERIFY(QFile::exists(dir.filePath("log.7D.TXT")));
        QVERIFY(QFile::exists(dir.filePath("log.QAF")));
        QVERIFY(QFile::exists(dir.filePath("log.QAQ")));
        QCOMPARE(QDir::currentPath(), QDir::tempPath());  // never left
        QCOMPARE(w.ui.messageTexts().back(),
                 std::string("交信データ解析ファイルを出力しました。\nlog.QAF   \nlog.QAQ   \n"));
        // A log without a file yet writes where the last one was.
        w.ui.answers = {Answer::Yes};
        w.trigger("ID_FILE_NEW");
        w.doc.add(std::make_unique<QsoRecord>(test::qso(1000, "JA1ZZZ", 1)));
        w.trigger("ID_LIST_CHECK_LIST");
        QVERIFY(QFile::exists(dir.filePath("SORVAK.7D.TXT")));
        w.ui.dialogHandler = [](DialogForm& form) {
            dynamic_cast<AnalysisForm&>(form).settings.outQAA = 1;
            return true;
        };
        w.trigger("ID_SET_ANALYSIS");
        QCOMPARE(w.doc.reportSettings().outQAA, 1);
        QDir::setCurrent(QDir::tempPath());
    }

    void allEightReportsTickedInTheDialogGiveEightFiles() {
        QTemporaryDir dir;
        std::vector<QsoParts> qsos = test::numberedQsos(3);
        qsos[0].callSign = "W1AW";
        std::string path = test::writeLog(dir, "log.qgb", qsos);
        // The country file where the user puts one: beside the program.
        std::string countryFile = programDirectory() + "/CQWW.DAT";
        QVERIFY(!QFile::exists(QString::fromStdString(countryFile)));
        QFile file(QString::fromStdString(countryFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "cqww.dat\nUnited States              5   K      NA\n    K,W;\n"
            "Japan                     25   JA\n    JA;\n");
        file.close();
        test::Window w;
        w.ui.dialogHandler = [&w](DialogForm& form) {
            AnalysisDialog dialog(dynamic_cast<AnalysisForm&>(form), w.ui);
            for (const char* name :
                 {"outQAF", "outQAA", "outQAG", "outQAM", "outQAQ", "outQAD", "outQCN", "outQOP"}) {
                child<QCheckBox>(dialog, name)->setChecked(true);
            }
            dialog.accept();
            return dialog.result() == QDialog::Accepted;
        };
        FileLoad(w.doc, w.ui, path, LoadMode::Load);
        w.trigger("ID_LIST_ANALYSIS");
        QFile::remove(QString::fromStdString(countryFile));
        QStringList written;
        for (const char* extension : {"QAF", "QAA", "QAG", "QAM", "QAQ", "QAD", "QCN", "QOP"}) {
            if (QFile::exists(dir.filePath(QString("log.") + extension))) {
                written << extension;
            }
        }
        QCOMPARE(written.size(), 8);
        QCOMPARE(w.ui.messageTexts().back(),
                 std::string("交信データ解析ファイルを出力しました。\nlog.QAF   \nlog.QAA   \n"
                             "log.QAG   \nlog.QAM   \nlog.QAQ   \nlog.QAD   \nlog.QCN   \n"
                             "log.QOP   \n"));
        QDir::setCurrent(QDir::tempPath());
    }

    void aRelativeCommandLinePathIsMadeWhole() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("logs");
        std::string path = test::writeLog(dir, "logs/log.qgb", test::numberedQsos(2));
        QDir::setCurrent(dir.path());
        QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
        test::Window w;
        loadCommandLineFile(parseCommandLine({"-ro", "logs/log.qgb"}), w.doc, w.ui, settings);
        QCOMPARE(w.doc.title(), path);
        QCOMPARE(w.doc.readOnlyPath(), path);
        QCOMPARE(QDir::currentPath(), dir.path());
        QDir::setCurrent(QDir::tempPath());
    }
};

QTEST_MAIN(ReportDialogsTest)
#include "test_report_dialogs.moc"
