// Start-up: the command line, the file it names, read-only mode and the
// recent-file list.
#include <QSettings>
#include <QtTest>
#include <fstream>

#include "AppTestSupport.h"
#include "CommandLine.h"
#include "RecentFiles.h"
#include "StartUp.h"

using namespace sorvak;
using namespace sorvak::test;

class StartUpTest : public QObject {
    Q_OBJECT

  private slots:
    void commandLineTakesTheSwitchAndTheFileInAnyOrder();
    void slashNamesAPathUnlessItIsASwitch();
    void unopenableFileIsNamedAndEndsTheProgram();
    void namedFileIsLoadedAndShown();
    void readOnlySwitchMakesSaveRefuse();
    void capitalSwitchLoadsWithoutReadOnly();
    void recentFileListKeepsFourEntries();
};

void StartUpTest::commandLineTakesTheSwitchAndTheFileInAnyOrder() {
    QString absolute = QDir::current().absoluteFilePath("log.qgb");
    for (const QStringList& line : {QStringList{"-ro", "log.qgb"}, QStringList{"log.qgb", "-ro"},
                                    QStringList{"/ro", "log.qgb", "other.qgb"}}) {
        CommandLineInfo info = parseCommandLine(line);
        QVERIFY(info.readOnly);
        QCOMPARE(QString::fromStdString(info.fileName.value_or("")), absolute);
    }
    CommandLineInfo none = parseCommandLine({"-RO", "-r", "-rox", "/Ro"});
    QVERIFY(!none.readOnly);
    QVERIFY(!none.fileName);
}

void StartUpTest::slashNamesAPathUnlessItIsASwitch() {
    QTemporaryDir dir;
    std::string path = writeLog(dir, "log.qgb", numberedQsos(1));
    CommandLineInfo info = parseCommandLine({QString::fromStdString(path), "/ro"});
    QCOMPARE(info.fileName.value_or(""), path);
    QVERIFY(info.readOnly);
}

void StartUpTest::unopenableFileIsNamedAndEndsTheProgram() {
    QTemporaryDir dir;
    ScriptedUi ui;
    std::string missing = dir.filePath("missing.qgb").toStdString();
    QVERIFY(!checkCommandLineFile(parseCommandLine({QString::fromStdString(missing)}), ui));
    QVERIFY(!checkCommandLineFile(parseCommandLine({dir.path()}), ui));
    QCOMPARE(ui.messageTexts(), (std::vector<std::string>{
                                    "ファイル「" + missing + "」を開けません。",
                                    "ファイル「" + dir.path().toStdString() + "」を開けません。"}));
    QVERIFY(checkCommandLineFile(parseCommandLine({}), ui));
}

void StartUpTest::namedFileIsLoadedAndShown() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    std::string path = writeLog(dir, "log.qgb", numberedQsos(3));
    Window w;
    CommandLineInfo info = parseCommandLine({QString::fromStdString(path)});
    QVERIFY(checkCommandLineFile(info, w.ui));
    loadCommandLineFile(info, w.doc, w.ui, settings);
    QCOMPARE(w.rowCount(), 3);
    QCOMPARE(w.cell(2, 3), QString("JA1AC"));
    QCOMPARE(w.caption(), QString::fromStdString(path + " - SORVAK"));
    QVERIFY(w.doc.readOnlyPath().empty());
    QVERIFY(w.ui.messageTexts().empty());
}

void StartUpTest::readOnlySwitchMakesSaveRefuse() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    std::string path = writeLog(dir, "log.qgb", numberedQsos(3));
    std::string before = readAll(path);
    Window w;
    loadCommandLineFile(parseCommandLine({"-ro", QString::fromStdString(path)}), w.doc, w.ui,
                        settings);
    QCOMPARE(w.doc.readOnlyPath(), path);
    w.doc.setModified();
    w.ui.paths = {path};
    w.trigger("ID_FILE_SAVE");
    QCOMPARE(w.ui.messageTexts(), std::vector<std::string>{"ﾘｰﾄﾞｵﾝﾘｰﾓｰﾄﾞで起動されています。\n"
                                                           "別のﾌｧｲﾙ名でｾｰﾌﾞしてください。"});
    QCOMPARE(readAll(path), before);
    QVERIFY(w.doc.isModified());
}

void StartUpTest::capitalSwitchLoadsWithoutReadOnly() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    std::string path = writeLog(dir, "log.qgb", numberedQsos(2));
    Window w;
    loadCommandLineFile(parseCommandLine({"/RO", QString::fromStdString(path)}), w.doc, w.ui,
                        settings);
    QCOMPARE(w.rowCount(), 2);
    QVERIFY(w.doc.readOnlyPath().empty());
}

void StartUpTest::recentFileListKeepsFourEntries() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    for (const char* file : {"/a", "/b", "/c", "/d", "/e", "/c"}) {
        addRecentFile(settings, file);
    }
    QCOMPARE(recentFiles(settings), (QStringList{"/c", "/e", "/d", "/b"}));
}

QTEST_MAIN(StartUpTest)
#include "test_start_up.moc"
