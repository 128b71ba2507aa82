#include "commands/LoadCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "commands/FileLoad.h"
#include "commands/SaveCommands.h"
#include "formats/BinaryLog.h"
#include "formats/LogSource.h"
#include "support/QsoFactory.h"
#include "support/TempDir.h"
#include "testsupport/ScriptedUi.h"

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
    OnFileOpen(doc, ui);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, Kind::OpenFile);
    EXPECT_EQ(ui.events[0].dialog.title, "ファイルのロード");
    EXPECT_EQ(ui.events[0].dialog.filter,
              "Quog関連のﾌｧｲﾙ (*.QGB;*.ALL;*.TXT)|*.QGB;*.ALL;*.TXT|Quog for Windows "
              "ﾊﾞｲﾅﾘﾌｧｲﾙ (*.QGB)|*.QGB|Quog for Windows ﾃｷｽﾄﾌｧｲﾙ (*.ALL)|*.ALL|Quog for DOS "
              "ﾃｷｽﾄﾌｧｲﾙ (*.TXT)|*.TXT|Cabrilloﾌｫｰﾏｯﾄﾌｧｲﾙ (*.LOG;*.CBR)|*.LOG;*.CBR|N1MM File "
              "(*.TXT)|*.TXT|ADIFﾌｧｲﾙ (*.ADI;*.ADX)|*.ADI;*.ADX|すべてのﾌｧｲﾙ (*.*)|*.*||");
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
        OnFileOpen(doc, ui);
        expectQuestion(1, kReplaceQuestion, Buttons::YesNoCancel, Icon::Exclamation, Answer::No);
        EXPECT_EQ(test::callSigns(doc), std::vector<std::string>{"OLD"});
        EXPECT_EQ(doc.title(), "old.qgb");
    }
    ui.paths.push_back(path);
    ui.answers.push_back(Answer::Yes);
    OnFileOpen(doc, ui);
    EXPECT_EQ(test::callSigns(doc), std::vector<std::string>{"JA1AA"});
}

TEST_F(LoadCommands, CancelledDialogAndUnopenableFilesDoNothing) {
    test::addCalls(doc, {"OLD"});
    OnFileOpen(doc, ui);  // no path scripted: cancelled
    EXPECT_EQ(ui.events.size(), 1u);
    ui.paths.push_back(dir.file("missing.qgb"));
    ui.answers.push_back(Answer::Yes);
    OnFileOpen(doc, ui);
    ui.paths.push_back(dir.path());  // a folder is no log
    ui.answers.push_back(Answer::Yes);
    OnFileOpen(doc, ui);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kReplaceQuestion, kReplaceQuestion}));
    EXPECT_EQ(test::callSigns(doc), std::vector<std::string>{"OLD"});
    EXPECT_FALSE(doc.isModified());
}

// Files no reader reads: a Turbo HAMLOG CSV (refused by name), an unknown
// format, a file too short, and one of comment lines only (their own
// messages). None may touch the log the user had, in any mode.
TEST_F(LoadCommands, AFileWithoutAReaderLeavesTheLogAsItWas) {
    std::string csv = dir.write("hamlog.txt",
                                "\"JA1AA\",\"\",\"\",\"\",\"7\",\"CW\",\"\",\"J\",\"\",\"\","
                                "\"261103\",\"0905J\",\"599\",\"599\",\"\",\"\",\"\"\r\n");
    const std::pair<std::string, std::string> files[] = {
        {csv, "このﾌｧｲﾙの形式は読み込めません。\n" + csv},
        {dir.write("x.dat", "hello world\r\n"), "ファイルの形式が不明です。"},
        {dir.write("short.qgb", "ab"), "ﾌｧｲﾙが短すぎます。"},
        {dir.write("notes.cbr", ";only\r\n;comments\r\n"), ""},
    };
    for (const auto& [path, said] : files) {
        for (LoadMode mode : {LoadMode::Load, LoadMode::Append, LoadMode::Merge}) {
            CSorvakDoc mine;
            test::addCalls(mine, {"JA1BB", "JA1AA"});
            mine.at(1).setTime(mine.at(0).time());
            mine.setTitle("/logs/mine.qgb");
            mine.setModified(false);
            ScriptedUi asked;
            asked.answers.push_back(mode == LoadMode::Merge ? Answer::Ok : Answer::Yes);
            asked.paths.push_back(path);
            switch (mode) {
                case LoadMode::Load:
                    OnFileOpen(mine, asked);
                    break;
                case LoadMode::Append:
                    OnFileAppend(mine, asked);
                    break;
                case LoadMode::Merge:
                    OnFileMerge(mine, asked);
                    break;
            }
            std::vector<std::string> expected;
            if (mode == LoadMode::Load) {
                expected.push_back(kReplaceQuestion);
            } else if (mode == LoadMode::Merge) {
                expected.push_back("前処理のためデータをソートします。\nよろしいですか?");
            }
            if (!said.empty()) {
                expected.push_back(said);
            }
            EXPECT_EQ(asked.messageTexts(), expected) << path;
            // A merge keeps the sort the user agreed to.
            EXPECT_EQ(test::callSigns(mine),
                      (mode == LoadMode::Merge ? std::vector<std::string>{"JA1AA", "JA1BB"}
                                               : std::vector<std::string>{"JA1BB", "JA1AA"}))
                << path;
            EXPECT_EQ(mine.title(), "/logs/mine.qgb");
            // Only the sort of a merge changed the log.
            EXPECT_EQ(mine.isModified(), mode == LoadMode::Merge) << path;
        }
    }
}

TEST_F(LoadCommands, AFileThatCannotBeReadIsNamed) {
    std::string path = logFile("locked.qgb", {"JA1AA"});
    FileOpener real = openFileForReading;
    openFileForReading = [](const char*) -> std::FILE* {
        errno = EACCES;
        return nullptr;
    };
    test::addCalls(doc, {"OLD"});
    ui.answers.push_back(Answer::Yes);
    FileLoad(doc, ui, path, LoadMode::Load);
    ui.paths.push_back(path);
    OnImportContestData(doc, ui);
    openFileForReading = real;
    const std::string said = "ﾌｧｲﾙを読み込めませんでした。\n" + path;
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kReplaceQuestion, said, said}));
    EXPECT_EQ(test::callSigns(doc), std::vector<std::string>{"OLD"});
}

// A stream that gives a file's bytes up to kReadable and then fails, as a
// disk that goes away in the middle of a read does.
constexpr off64_t kReadable = 600;

ssize_t readUpToTheFault(void* file, char* buffer, size_t size) {
    auto* f = static_cast<std::FILE*>(file);
    off64_t left = kReadable - ftello(f);
    if (left <= 0) {
        errno = EIO;
        return -1;
    }
    return static_cast<ssize_t>(std::fread(buffer, 1, std::min<size_t>(size, left), f));
}

int seekTo(void* file, off64_t* offset, int whence) {
    auto* f = static_cast<std::FILE*>(file);
    if (fseeko(f, *offset, whence) != 0) {
        return -1;
    }
    *offset = ftello(f);
    return 0;
}

int closeFile(void* file) {
    return std::fclose(static_cast<std::FILE*>(file));
}

std::FILE* openFailingStream(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    return fopencookie(file, "r", {readUpToTheFault, nullptr, seekTo, closeFile});
}

// A read that fails part way is no end of the file: the log the user had
// stays as it was, in every mode.
TEST_F(LoadCommands, AReadErrorKeepsTheLogTheUserHad) {
    std::string binary = logFile("big.qgb", {"JA1AA", "JA1BB", "JA1CC"}, "JA9XXX");
    std::string cabrillo = "START-OF-LOG: 3.0\r\nCALLSIGN: JA9XXX\r\n";
    while (cabrillo.size() < 2 * kReadable) {
        cabrillo += "QSO: 7000 CW 2026-11-22 1234 JA9XXX 599 1 JA1ABC 599 2\r\n";
    }
    FileOpener real = openFileForReading;
    openFileForReading = openFailingStream;
    for (const std::string& path : {binary, dir.write("big.cbr", cabrillo)}) {
        for (LoadMode mode : {LoadMode::Load, LoadMode::Append, LoadMode::Merge}) {
            CSorvakDoc mine;
            test::addCalls(mine, {"OLD"});
            mine.contest().stationCall = "JA1ZZZ";
            mine.setTitle("/logs/mine.qgb");
            ScriptedUi asked;
            asked.answers.push_back(Answer::Yes);
            auto result = FileLoad(mine, asked, path, mode);
            ASSERT_TRUE(result);
            EXPECT_FALSE(result->taken);
            EXPECT_EQ(asked.messageTexts().back(), "ﾌｧｲﾙを読み込めませんでした。\n" + path);
            EXPECT_EQ(test::callSigns(mine), std::vector<std::string>{"OLD"});
            EXPECT_EQ(mine.contest().stationCall, "JA1ZZZ");
            EXPECT_EQ(mine.title(), "/logs/mine.qgb");
            EXPECT_FALSE(mine.isModified());
        }
    }
    openFileForReading = real;
}

// A text file that gives no QSO (a header cut short, lines ended by CR
// alone) is refused and names the file; the log stays.
TEST_F(LoadCommands, ATextFileWithoutAQsoIsRefused) {
    test::addCalls(doc, {"OLD"});
    doc.setTitle("/logs/mine.qgb");
    for (const std::string& path :
         {dir.write("cut.cbr", "START-OF-LOG: 3.0\r\nCALLSIGN: JA1ZZZ\r\nCONTE"),
          dir.write("cr.cbr",
                    "START-OF-LOG: 3.0\rCALLSIGN: JA1ZZZ\r"
                    "QSO: 7000 CW 2026-11-22 1234 JA1ZZZ 599 1 JA1ABC 599 2\rEND-OF-LOG:\r")}) {
        ScriptedUi asked;
        asked.answers.push_back(Answer::Yes);
        EXPECT_FALSE(FileLoad(doc, asked, path, LoadMode::Load)->taken);
        EXPECT_EQ(asked.messageTexts(),
                  (std::vector<std::string>{
                      kReplaceQuestion, "このﾌｧｲﾙから読み込めるQSOﾃﾞｰﾀがありません。\n" + path}));
        EXPECT_EQ(test::callSigns(doc), std::vector<std::string>{"OLD"});
        EXPECT_EQ(doc.title(), "/logs/mine.qgb");
        EXPECT_EQ(doc.contest().stationCall, "");
    }
}

// A date or time that is no calendar moment leaves the QSO without a time,
// and every reader's load says how many QSOs have none.
TEST_F(LoadCommands, QsosWithoutATimeAreCountedAfterTheLoad) {
    std::string cabrillo = dir.write("log.cbr",
                                     "START-OF-LOG: 3.0\r\n"
                                     "QSO: 7000 CW 2024-13-40 2460 JA1ZZZ 599 1 JA1ABC 599 2\r\n"
                                     "QSO: 7000 CW 2024-02-29 2359 JA1ZZZ 599 1 JA1ABD 599 2\r\n"
                                     "QSO: 7000 CW 2024-02-30 0000 JA1ZZZ 599 1 JA1ABE 599 2\r\n");
    std::string adif = dir.write("log.adi",
                                 "<EOH>\n<CALL:6>JA1ABC<BAND:3>40m<MODE:2>CW<EOR>\n"
                                 "<CALL:6>JA1ABD<BAND:3>40m<MODE:2>CW<QSO_DATE:8>20241122"
                                 "<TIME_ON:4>1234<EOR>\n");
    for (auto [path, without] : {std::pair{cabrillo, 2}, std::pair{adif, 1}}) {
        CSorvakDoc loaded;
        ScriptedUi asked;
        ASSERT_TRUE(FileLoad(loaded, asked, path, LoadMode::Load)->taken);
        EXPECT_EQ(asked.messageTexts(),
                  std::vector<std::string>{"日時が不明なQSOが" + std::to_string(without) +
                                           "件あります。\n日時は空欄にしました。"});
        int counted = 0;
        for (const auto& q : loaded.qsoList()) {
            counted += q->time() == kNoTime ? 1 : 0;
        }
        EXPECT_EQ(counted, without) << path;
    }
}

TEST_F(LoadCommands, AppendAddsEveryQsoAndSetsModified) {
    doc.setTitle("first.qgb");
    test::addCalls(doc, {"JA1AA"});
    std::string path = logFile("b.qgb", {"JA1AA", "JA1BB"}, "JA9XXX");
    ui.paths.push_back(path);
    OnFileAppend(doc, ui);
    EXPECT_EQ(ui.events[0].dialog.title, "ファイルのアペンド");
    EXPECT_EQ(ui.events.size(), 1u);  // no question
    EXPECT_EQ(test::callSigns(doc), (std::vector<std::string>{"JA1AA", "JA1AA", "JA1BB"}));
    EXPECT_EQ(doc.title(), "first.qgb");
    EXPECT_EQ(doc.contest().stationCall, "");
    EXPECT_TRUE(doc.isModified());
    ui.paths.push_back(dir.write("empty.qgb", writeBinaryLog(CSorvakDoc{})));
    doc.setModified(false);
    OnFileAppend(doc, ui);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(LoadCommands, MergeSortsAddsOnlyNewQsosAndCounts) {
    std::string path = logFile("m.qgb", {"JA1CC", "JA1DD", "JA1DD"});
    test::addCalls(doc, {"JA1BB", "JA1CC", "JA1AA"});
    doc.at(1).setTime(test::qso("", 0)->time());  // the same QSO as the file's first
    ui.paths.push_back(path);
    OnFileMerge(doc, ui);
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
    OnFileMerge(doc, ui);
    EXPECT_EQ(ui.messageTexts().back(), "0個のQSOデータをマージしました。");
}

TEST_F(LoadCommands, MergeCancelledAtTheSortQuestion) {
    test::addCalls(doc, {"B", "A"});
    ui.answers.push_back(Answer::Cancel);
    OnFileMerge(doc, ui);
    EXPECT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(test::callSigns(doc), (std::vector<std::string>{"B", "A"}));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(LoadCommands, MergeIntoOneQsoNeitherAsksNorSorts) {
    test::addCalls(doc, {"JA1ZZ"});
    doc.at(0).setTime(test::qso("", 50)->time());
    ui.paths.push_back(logFile("m.qgb", {"JA1AA"}));
    OnFileMerge(doc, ui);
    EXPECT_EQ(ui.events[0].kind, Kind::OpenFile);
    EXPECT_EQ(test::callSigns(doc), (std::vector<std::string>{"JA1ZZ", "JA1AA"}));
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"1個のQSOデータをマージしました。"});
}

TEST_F(LoadCommands, MergeDropsDuplicatesWithinTheFileToo) {
    CSorvakDoc source;
    source.add(test::qso("JA1AA", 3));
    source.add(test::qso("JA1AA", 3));
    ui.paths.push_back(dir.write("dup.qgb", writeBinaryLog(source)));
    OnFileMerge(doc, ui);
    EXPECT_EQ(doc.count(), 1u);
}

TEST_F(LoadCommands, NewAsksOnlyWithQsosAndKeepsTheModifiedFlag) {
    OnFileNew(doc, ui);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(updates, 1);

    test::addCalls(doc, {"JA1AA"});
    doc.setTitle("/x/log.qgb");
    doc.contest().stationCall = "JA1ZZZ";
    doc.setModified(true);
    ui.answers.push_back(Answer::No);
    OnFileNew(doc, ui);
    expectQuestion(0, kReplaceQuestion, Buttons::YesNoCancel, Icon::Exclamation, Answer::No);
    EXPECT_EQ(doc.count(), 1u);

    ui.answers.push_back(Answer::Yes);
    OnFileNew(doc, ui);
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
        {OnImportCcc, "CCC TXT Fileの読み込み",
         "CCC File (*.TXT)|*.TXT|すべてのファイル (*.*)|*.*||"},
        {OnImportCabrillo, "キャブリロフォーマットファイルの読み込み",
         "キャブリロフォーマットファイル (*.CBR)|*.CBR|すべてのファイル (*.*)|*.*||"},
        {OnImportN1mm, "N1MM Logger Generic Log Fileの読み込み",
         "N1MM File (*.TXT)|*.TXT|すべてのファイル (*.*)|*.*||"},
        {OnImportAdif, "ADIFﾌｧｲﾙの読み込み",
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
    OnImportContestData(doc, ui);
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
    OnImportContestData(doc, ui);
    OnImportContestData(doc, ui);
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"このファイルのコンテストデータは使えません。",
                                        "このファイルのコンテストデータは使えません。"}));
    EXPECT_EQ(doc.contest().stationCall, "");
    EXPECT_EQ(doc.rawHeader(), RawRecord{});
}

TEST_F(LoadCommands, LogDialogsStartInTheFolderOfTheLog) {
    for (auto [title, folder] : {std::pair{"/logs/2026/mine.qgb", "/logs/2026"},
                                 std::pair{"mine.qgb", "."}, std::pair{"SORVAK", ""}}) {
        CSorvakDoc titled;
        titled.setTitle(title);
        ScriptedUi asked;
        OnFileOpen(titled, asked);
        OnFileAppend(titled, asked);
        OnImportCabrillo(titled, asked);
        test::addCalls(titled, {"JA1AA"});
        exportLog(titled, asked, KIND_SUPERCHECK);
        for (const auto& event : asked.events) {
            EXPECT_EQ(event.dialog.startFolder, folder) << title << " " << event.dialog.title;
        }
    }
}

TEST_F(LoadCommands, DroppedFiles) {
    std::string path = logFile("d.qgb", {"JA1AA"});
    OnDropFiles(doc, ui, {path, path});
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"複数ファイルは読み込めません。"});
    EXPECT_TRUE(doc.empty());
    OnDropFiles(doc, ui, {path});
    EXPECT_EQ(doc.count(), 1u);
    EXPECT_EQ(doc.title(), path);
}

}  // namespace
}  // namespace sorvak
