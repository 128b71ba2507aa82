#include "formats/LoadCommands.h"

#include <gtest/gtest.h>

#include "formats/BinaryLog.h"
#include "formats/FileLoad.h"
#include "platform/ScriptedUi.h"
#include "support/QsoFactory.h"
#include "support/TempDir.h"

namespace sorvak {
namespace {

using Kind = ScriptedUi::Kind;

const std::string kReplaceQuestion = "既存データは失われます。続けますか?";

class LoadCommands : public ::testing::Test {
  protected:
    // A binary log file of the given calls, one minute apart, and its path.
    std::string logFile(const std::string& name, const std::vector<std::string>& calls,
                        const std::string& station = "JA1ZZZ") {
        CSorvakDoc source;
        source.contest().stationCall = station;
        test::addCalls(source, calls);
        return dir.write(name, writeBinaryLog(source));
    }
    void expectQuestion(size_t index, const std::string& text, Buttons buttons, Icon icon,
                        Answer defaultButton) {
        ASSERT_LT(index, ui.events.size());
        const auto& event = ui.events[index];
        EXPECT_EQ(event.kind, Kind::Message);
        EXPECT_EQ(event.message.text, text);
        EXPECT_EQ(event.message.buttons, buttons);
        EXPECT_EQ(event.message.icon, icon);
        EXPECT_EQ(event.message.defaultButton, defaultButton);
    }

    test::TempDir dir;
    CSorvakDoc doc;
    ScriptedUi ui;
    int updates = 0;

    void SetUp() override {
        doc.setViewUpdater([this] { ++updates; });
    }
};

TEST_F(LoadCommands, OpenShowsTheLogDialogAndLoads) {
    std::string path = logFile("a.qgb", {"JA1AA", "JA1BB"});
    ui.paths.push_back(path);
    onFileOpen(doc, ui);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, Kind::OpenFile);
    EXPECT_EQ(ui.events[0].dialog.title, "ファイルのロード");
    EXPECT_EQ(ui.events[0].dialog.filter,
              "Quog関連のﾌｧｲﾙ (*.QGB;*.ALL;*.TXT)|*.QGB;*.ALL;*.TXT|Quog for Windows "
              "ﾊﾞｲﾅﾘﾌｧｲﾙ (*.QGB)|*.QGB|Quog for Windows ﾃｷｽﾄﾌｧｲﾙ (*.ALL)|*.ALL|Quog for DOS "
              "ﾃｷｽﾄﾌｧｲﾙ (*.TXT)|*.TXT|すべてのﾌｧｲﾙ (*.*)|*.*||");
    EXPECT_EQ(test::callSigns(doc), (std::vector<std::string>{"JA1AA", "JA1BB"}));
    EXPECT_EQ(doc.title(), path);
    EXPECT_EQ(doc.contest().stationCall, "JA1ZZZ");
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(LoadCommands, OpenOverALogAsksAndOnlyYesReplacesIt) {
    test::addCalls(doc, {"OLD"});
    doc.setTitle("old.qgb");
    std::string path = logFile("a.qgb", {"JA1AA"});
    for (Answer answer : {Answer::No, Answer::Cancel}) {
        ui.events.clear();
        ui.paths.push_back(path);
        ui.answers.push_back(answer);
        onFileOpen(doc, ui);
        expectQuestion(1, kReplaceQuestion, Buttons::YesNoCancel, Icon::Exclamation, Answer::No);
        EXPECT_EQ(test::callSigns(doc), std::vector<std::string>{"OLD"});
        EXPECT_EQ(doc.title(), "old.qgb");
    }
    ui.paths.push_back(path);
    ui.answers.push_back(Answer::Yes);
    onFileOpen(doc, ui);
    EXPECT_EQ(test::callSigns(doc), std::vector<std::string>{"JA1AA"});
}

TEST_F(LoadCommands, CancelledDialogAndUnopenableFilesDoNothing) {
    test::addCalls(doc, {"OLD"});
    onFileOpen(doc, ui);  // no path scripted: cancelled
    EXPECT_EQ(ui.events.size(), 1u);
    ui.paths.push_back(dir.file("missing.qgb"));
    ui.answers.push_back(Answer::Yes);
    onFileOpen(doc, ui);
    ui.paths.push_back(dir.path());  // a folder is no log
    ui.answers.push_back(Answer::Yes);
    onFileOpen(doc, ui);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kReplaceQuestion, kReplaceQuestion}));
    EXPECT_EQ(test::callSigns(doc), std::vector<std::string>{"OLD"});
    EXPECT_FALSE(doc.isModified());
}

TEST_F(LoadCommands, UnknownFormatClearsAndTitlesSorvak) {
    doc.setTitle("old.qgb");
    test::addCalls(doc, {"OLD"});
    ui.answers.push_back(Answer::Yes);
    FileLoad(doc, ui, dir.write("x.dat", "hello world\r\n"), LoadMode::Load);
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{kReplaceQuestion, "ファイルの形式が不明です。"}));
    EXPECT_TRUE(doc.empty());
    EXPECT_EQ(doc.title(), "SORVAK");
}

TEST_F(LoadCommands, CsvFirstLineClearsAndTitlesWithThePath) {
    std::string path = dir.write("x.csv", "1,2,3,4,5,6,7,8,9,10,11\r\n");
    FileLoad(doc, ui, path, LoadMode::Load);
    EXPECT_TRUE(doc.empty());
    EXPECT_EQ(doc.title(), path);
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(LoadCommands, AppendAddsEveryQsoAndSetsModified) {
    doc.setTitle("first.qgb");
    test::addCalls(doc, {"JA1AA"});
    std::string path = logFile("b.qgb", {"JA1AA", "JA1BB"}, "JA9XXX");
    ui.paths.push_back(path);
    onFileAppend(doc, ui);
    EXPECT_EQ(ui.events[0].dialog.title, "ファイルのアペンド");
    EXPECT_EQ(ui.events.size(), 1u);  // no question
    EXPECT_EQ(test::callSigns(doc), (std::vector<std::string>{"JA1AA", "JA1AA", "JA1BB"}));
    EXPECT_EQ(doc.title(), "first.qgb");
    EXPECT_EQ(doc.contest().stationCall, "");
    EXPECT_TRUE(doc.isModified());
    ui.paths.push_back(dir.write("empty.qgb", writeBinaryLog(CSorvakDoc{})));
    doc.setModified(false);
    onFileAppend(doc, ui);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(LoadCommands, MergeSortsAddsOnlyNewQsosAndCounts) {
    std::string path = logFile("m.qgb", {"JA1CC", "JA1DD", "JA1DD"});
    test::addCalls(doc, {"JA1BB", "JA1CC", "JA1AA"});
    doc.at(1).setTime(test::qso("", 0)->time());  // the same QSO as the file's first
    ui.paths.push_back(path);
    onFileMerge(doc, ui);
    expectQuestion(0, "前処理のためデータをソートします。\nよろしいですか?", Buttons::OkCancel,
                   Icon::Exclamation, Answer::Ok);
    EXPECT_EQ(ui.events[1].dialog.title, "ファイルのマージﾞ");
    EXPECT_EQ(ui.messageTexts().back(), "2個のQSOデータをマージしました。");
    // Time order; the equal times of JA1BB and JA1CC in call-sign order.
    EXPECT_EQ(test::callSigns(doc),
              (std::vector<std::string>{"JA1BB", "JA1CC", "JA1DD", "JA1AA", "JA1DD"}));
    EXPECT_TRUE(doc.isModified());

    ui.events.clear();
    ui.paths.push_back(path);
    onFileMerge(doc, ui);
    EXPECT_EQ(ui.messageTexts().back(), "0個のQSOデータをマージしました。");
}

TEST_F(LoadCommands, MergeCancelledAtTheSortQuestion) {
    test::addCalls(doc, {"B", "A"});
    ui.answers.push_back(Answer::Cancel);
    onFileMerge(doc, ui);
    EXPECT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(test::callSigns(doc), (std::vector<std::string>{"B", "A"}));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(LoadCommands, MergeIntoOneQsoNeitherAsksNorSorts) {
    test::addCalls(doc, {"JA1ZZ"});
    doc.at(0).setTime(test::qso("", 50)->time());
    ui.paths.push_back(logFile("m.qgb", {"JA1AA"}));
    onFileMerge(doc, ui);
    EXPECT_EQ(ui.events[0].kind, Kind::OpenFile);
    EXPECT_EQ(test::callSigns(doc), (std::vector<std::string>{"JA1ZZ", "JA1AA"}));
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"1個のQSOデータをマージしました。"});
}

TEST_F(LoadCommands, MergeDropsDuplicatesWithinTheFileToo) {
    CSorvakDoc source;
    source.add(test::qso("JA1AA", 3));
    source.add(test::qso("JA1AA", 3));
    ui.paths.push_back(dir.write("dup.qgb", writeBinaryLog(source)));
    onFileMerge(doc, ui);
    EXPECT_EQ(doc.count(), 1u);
}

TEST_F(LoadCommands, NewAsksOnlyWithQsosAndKeepsTheModifiedFlag) {
    onFileNew(doc, ui);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(updates, 1);

    test::addCalls(doc, {"JA1AA"});
    doc.setTitle("/x/log.qgb");
    doc.contest().stationCall = "JA1ZZZ";
    doc.setModified(true);
    ui.answers.push_back(Answer::No);
    onFileNew(doc, ui);
    expectQuestion(0, kReplaceQuestion, Buttons::YesNoCancel, Icon::Exclamation, Answer::No);
    EXPECT_EQ(doc.count(), 1u);

    ui.answers.push_back(Answer::Yes);
    onFileNew(doc, ui);
    EXPECT_TRUE(doc.empty());
    EXPECT_EQ(doc.title(), "SORVAK");
    EXPECT_EQ(doc.contest().stationCall, "");
    EXPECT_TRUE(doc.isModified());
}

TEST_F(LoadCommands, ImportsDifferOnlyInTheirDialogs) {
    std::string path = logFile("c.qgb", {"JA1AA"});
    struct Import {
        void (*command)(CSorvakDoc&, Ui&);
        const char* title;
        const char* filter;
    };
    const Import imports[] = {
        {onImportCcc, "CCC TXT Fileの読み込み",
         "CCC File (*.TXT)|*.TXT|すべてのファイル (*.*)|*.*||"},
        {onImportCabrillo, "キャブリロフォーマットファイルの読み込み",
         "キャブリロフォーマットファイル (*.CBR)|*.CBR|すべてのファイル (*.*)|*.*||"},
        {onImportN1mm, "N1MM Logger Generic Log Fileの読み込み",
         "N1MM File (*.TXT)|*.TXT|すべてのファイル (*.*)|*.*||"},
        {onImportAdif, "ADIFﾌｧｲﾙの読み込み",
         "ADIFﾌｧｲﾙ (*.adi;*.adx)|*.adi;*.adx;*.ADI;*.ADX|すべてのファイル (*.*)|*.*||"},
    };
    for (const auto& import : imports) {
        CSorvakDoc target;
        ScriptedUi dialogs;
        dialogs.paths.push_back(path);
        import.command(target, dialogs);
        EXPECT_EQ(dialogs.events[0].dialog.title, import.title);
        EXPECT_EQ(dialogs.events[0].dialog.filter, import.filter);
        EXPECT_EQ(test::callSigns(target), std::vector<std::string>{"JA1AA"});
    }
}

TEST_F(LoadCommands, ContestDataImport) {
    CSorvakDoc source;
    source.contest() = ContestInfo{2.0, 1, 4, "JA1ZZZ", "TEST"};
    source.rawHeader()[100] = 7;
    test::addCalls(source, {"JA1AA"});
    std::string bytes = writeBinaryLog(source);
    test::addCalls(doc, {"KEEP"});
    doc.setTitle("mine.qgb");
    ui.paths.push_back(dir.write("c.qgb", bytes));
    onImportContestData(doc, ui);
    EXPECT_EQ(ui.events[0].dialog.title, "コンテストデータのインポート");
    EXPECT_EQ(ui.events[0].dialog.filter, "Quog for Windows ﾊﾞｲﾅﾘﾌｧｲﾙ (*.QGB)|*.QGB||");
    EXPECT_EQ(doc.contest().stationCall, "JA1ZZZ");
    EXPECT_EQ(doc.contest().utcFlag, 1);
    EXPECT_EQ(doc.contest().coefficient, 4);
    EXPECT_EQ(doc.rawHeader()[100], 7);
    EXPECT_EQ(test::callSigns(doc), std::vector<std::string>{"KEEP"});
    EXPECT_EQ(doc.title(), "mine.qgb");
    EXPECT_FALSE(doc.isModified());
}

TEST_F(LoadCommands, ContestDataImportRefusesServerLogsAndShortFiles) {
    CSorvakDoc source;
    source.contest() = ContestInfo{2.0, 1, 4, "JA1ZZZ", "QServer"};
    ui.paths.push_back(dir.write("s.qgb", writeBinaryLog(source)));
    ui.paths.push_back(dir.write("short.qgb", std::string(100, 'x')));
    onImportContestData(doc, ui);
    onImportContestData(doc, ui);
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"このファイルのコンテストデータは使えません。",
                                        "このファイルのコンテストデータは使えません。"}));
    EXPECT_EQ(doc.contest().stationCall, "");
    EXPECT_EQ(doc.rawHeader(), RawRecord{});
}

TEST_F(LoadCommands, DroppedFiles) {
    std::string path = logFile("d.qgb", {"JA1AA"});
    onDropFiles(doc, ui, {path, path});
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"複数ファイルは読み込めません。"});
    EXPECT_TRUE(doc.empty());
    onDropFiles(doc, ui, {path});
    EXPECT_EQ(doc.count(), 1u);
    EXPECT_EQ(doc.title(), path);
}

}  // namespace
}  // namespace sorvak
