#include "commands/SaveCommands.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>
#include <functional>

#include "commands/FileLoad.h"
#include "editing/CabrilloHeaderForm.h"
#include "formats/BinaryLog.h"
#include "formats/CabrilloWriter.h"
#include "formats/ExportSample.h"
#include "formats/SupercheckWriter.h"
#include "formats/Writers.h"
#include "platform/FullDisk.h"
#include "support/QsoFactory.h"
#include "support/TempDir.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

using Kind = ScriptedUi::Kind;

const std::string kNoData = "データがありません。";
const std::string kReadOnly = "ﾘｰﾄﾞｵﾝﾘｰﾓｰﾄﾞで起動されています。\n別のﾌｧｲﾙ名でｾｰﾌﾞしてください。";
const std::string kRecalculate =
    "保存されたログファイルは更新されています。\n整合のためにQuogで再計算する必要があります。";
const std::string kBinaryFilter = "Quog for Windows ﾊﾞｲﾅﾘﾌｧｲﾙ (*.QGB)|*.QGB||";
const std::string kSaveAsFilter =
    "すべてのﾌｧｲﾙ (*.*)|*.*|Quog for Windows ﾊﾞｲﾅﾘﾌｧｲﾙ (*.QGB)|*.QGB|Quog for Windows "
    "ﾃｷｽﾄﾌｧｲﾙ (*.ALL)|*.ALL|Quog for DOS ﾃｷｽﾄﾌｧｲﾙ (*.TXT)|*.TXT||";

// One line per event, so a test compares the whole conversation at once.
std::vector<std::string> conversation(const ScriptedUi& ui) {
    std::vector<std::string> lines;
    for (const auto& e : ui.events) {
        if (e.kind == Kind::Message) {
            const Message& m = e.message;
            lines.push_back("message|" + m.text + "|" + std::to_string(int(m.buttons)) + "|" +
                            std::to_string(int(m.icon)) + "|" +
                            std::to_string(int(m.defaultButton)));
        } else if (e.kind == Kind::SaveFile) {
            const FileDialog& d = e.dialog;
            lines.push_back("save|" + d.title + "|" + d.filter + "|" + d.proposedName + "|" +
                            d.defaultExtension + "|" + (d.confirmOverwrite ? "ask" : "no"));
        } else {
            lines.push_back(e.kind == Kind::Dialog ? "dialog" : "open");
        }
    }
    return lines;
}

std::string tell(const std::string& text, Icon icon = Icon::Exclamation) {
    return "message|" + text + "|" + std::to_string(int(Buttons::Ok)) + "|" +
           std::to_string(int(icon)) + "|" + std::to_string(int(Answer::Ok));
}

std::string binaryDialog(const std::string& proposed) {
    return "save|Quog for Windows ﾊﾞｲﾅﾘﾌｧｲﾙのｾｰﾌﾞ|" + kBinaryFilter + "|" + proposed + "|QGB|ask";
}

// The export sample's 13-byte call sign does not fit the binary log.
const std::string kOneCut = "message|ﾊﾞｲﾅﾘﾌｧｲﾙの欄に収まらない値を1個切り詰めました。|0|1|0";

std::string writeFailed(const std::string& path) {
    return tell("ﾌｧｲﾙに書き込めませんでした。\n" + path);
}

class SaveCommands : public ::testing::Test {
  protected:
    SaveCommands() {
        test::addExportSample(doc);
        doc.setModified(true);
    }
    // Gives the document a file of its own holding `bytes`.
    std::string titledFile(const std::string& name, const std::string& bytes = "old") {
        std::string path = dir.write(name, bytes);
        doc.setTitle(path);
        return path;
    }

    test::TempDir dir;
    CSorvakDoc doc;
    ScriptedUi ui;
};

TEST_F(SaveCommands, AnUntitledLogIsOfferedAsSorvakQgb) {
    std::string out = dir.file("SORVAK.QGB");
    ui.paths.push_back(out);
    OnFileSave(doc, ui);
    EXPECT_EQ(conversation(ui), (std::vector<std::string>{binaryDialog("SORVAK.QGB"), kOneCut,
                                                          tell(kRecalculate, Icon::Information)}));
    EXPECT_EQ(test::readFile(out), writeBinaryLog(doc));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.title(), "SORVAK");

    ScriptedUi saveAs;
    OnFileSaveAs(doc, saveAs);
    EXPECT_EQ(conversation(saveAs), std::vector<std::string>{binaryDialog("SORVAK.QGB")});
}

TEST_F(SaveCommands, SaveWritesTheFormatOfTheTitlesEnding) {
    for (auto [name, kind] : {std::pair{"log.all", KIND_ALL}, std::pair{"log.Txt", KIND_DOS_TXT},
                              std::pair{"log.qgb", KIND_QGB}}) {
        std::string path = titledFile(name);
        doc.setModified(false);
        OnFileSave(doc, ui);
        EXPECT_EQ(test::readFile(path), writeLogFile(doc, kind).value()) << name;
    }
    EXPECT_EQ(conversation(ui), std::vector<std::string>{kOneCut});
}

TEST_F(SaveCommands, ALogFromAFileNoWriterMakesIsOfferedAsBinary) {
    std::string cabrillo = titledFile("contest.cbr", "START-OF-LOG: 3.0\r\n");
    OnFileSave(doc, ui);
    OnFileSaveAs(doc, ui);
    std::string proposed = dir.file("contest.QGB");
    EXPECT_EQ(conversation(ui),
              (std::vector<std::string>{binaryDialog(proposed), binaryDialog(proposed)}));
    EXPECT_EQ(test::readFile(cabrillo), "START-OF-LOG: 3.0\r\n");
    EXPECT_TRUE(doc.isModified());
}

// Save follows the format the log was read as, not the name's ending: an
// N1MM or CCC log named .TXT is offered as binary and its file is kept, and
// a binary log named .TXT is saved as binary.
TEST_F(SaveCommands, SaveWritesTheFormatTheLogWasReadAs) {
    std::string n1mm = dir.write(
        "n1mm.TXT",
        "CREATED-BY: N1MM Logger 1.0\r\n"
        "Date     Time   Freq   Mode MyCall       Snt Exch   HisCall         Rcvd Exch     Mult   "
        "Pts\r\n20261122 1234 7010 CW JA1ZZZ 599 10H JA1ABC 599 12M\r\n");
    std::string ccc = dir.write("ccc.TXT", "CCC TXT file\r\n11 22 1234 40 JA1ABC 599\r\n");
    for (const std::string& path : {n1mm, ccc}) {
        CSorvakDoc foreign;
        ScriptedUi asked;
        ASSERT_TRUE(FileLoad(foreign, asked, path, LoadMode::Load)->taken) << path;
        std::string bytes = test::readFile(path);
        foreign.setModified(true);
        std::string proposed = path.substr(0, path.size() - 3) + "QGB";
        asked.paths = {proposed};
        OnFileSave(foreign, asked);
        OnFileSaveAs(foreign, asked);
        EXPECT_EQ(
            conversation(asked),
            (std::vector<std::string>{binaryDialog(proposed), tell(kRecalculate, Icon::Information),
                                      binaryDialog(proposed)}));
        EXPECT_EQ(test::readFile(path), bytes);
        EXPECT_EQ(test::readFile(proposed), writeBinaryLog(foreign));
        EXPECT_FALSE(foreign.isModified());  // the binary log holds all of it
    }

    CSorvakDoc source;
    source.contest().stationCall = "JA1ZZZ";
    test::addCalls(source, {"JA1ABC"});
    std::string binary = dir.write("binary.TXT", writeBinaryLog(source));
    CSorvakDoc loaded;
    ScriptedUi quiet;
    ASSERT_EQ(FileLoad(loaded, quiet, binary, LoadMode::Load)->kind, KIND_QGB);
    loaded.add(test::qso("JA1NEW"));
    OnFileSave(loaded, quiet);
    EXPECT_EQ(test::readFile(binary), writeBinaryLog(loaded));
}

TEST_F(SaveCommands, SaveAsKeepsTheCurrentFormatForAnotherEnding) {
    titledFile("log.qgb");
    std::string out = dir.file("copy.xyz");
    ui.paths.push_back(out);
    OnFileSaveAs(doc, ui);
    EXPECT_EQ(conversation(ui),
              (std::vector<std::string>{"save|ファイルを名前を付けて保存|" + kSaveAsFilter + "|" +
                                            dir.file("log") + "|QGB|ask",
                                        kOneCut, tell(kRecalculate, Icon::Information)}));
    EXPECT_EQ(test::readFile(out), writeBinaryLog(doc));
    EXPECT_EQ(doc.title(), out);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(SaveCommands, SaveAsTakesTheFormatOfTheChosenEnding) {
    titledFile("log.all");
    std::string out = dir.file("dos.TXT");
    ui.paths.push_back(out);
    OnFileSaveAs(doc, ui);
    EXPECT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].dialog.defaultExtension, "ALL");
    EXPECT_EQ(test::readFile(out), writeLogFile(doc, KIND_DOS_TXT).value());
    EXPECT_EQ(doc.title(), out);

    ui.paths.push_back(dir.file("nodot"));
    doc.setModified(true);
    OnFileSaveAs(doc, ui);
    EXPECT_FALSE(std::filesystem::exists(dir.file("nodot")));
    EXPECT_TRUE(doc.isModified());
}

// The proposal names the file the log came from when the format written is
// the one its extension names, whatever the letter case of the name, so the
// user's Enter writes that file and not a second one beside it.
TEST_F(SaveCommands, TheTitlesOwnFormatIsProposedAsTheTitleIsSpelled) {
    std::string big = titledFile("big.qgb", "old");
    ui.answers = {Answer::Yes};
    ui.paths.push_back(big);
    EXPECT_TRUE(saveModified(doc, ui));
    EXPECT_EQ(conversation(ui)[1], binaryDialog(big));
    EXPECT_EQ(test::readFile(big), writeBinaryLog(doc));
    EXPECT_FALSE(std::filesystem::exists(dir.file("big.QGB")));

    std::string cabrillo = titledFile("test.cbr");
    ScriptedUi exports;
    exportLog(doc, exports, KIND_SUPERCHECK);
    exportLog(doc, exports, KIND_CABRILLO);
    titledFile("log.txt");
    exportLog(doc, exports, KIND_HAMLOG_500);
    exportLog(doc, exports, KIND_DOS_TXT);
    std::vector<std::string> proposals;
    for (const auto& event : exports.events) {
        proposals.push_back(event.dialog.proposedName);
    }
    EXPECT_EQ(proposals, (std::vector<std::string>{dir.file("test.SPC"), cabrillo,
                                                   dir.file("log.TXT"), dir.file("log.txt")}));
}

TEST_F(SaveCommands, ATargetWithoutWritePermissionIsLeftAsItWas) {
    std::string path = dir.write("locked.qgb", "old");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    ui.paths.push_back(path);
    EXPECT_FALSE(exportLog(doc, ui, KIND_QGB));
    EXPECT_EQ(conversation(ui).back(), writeFailed(path));
    EXPECT_EQ(test::readFile(path), "old");
    EXPECT_TRUE(doc.isModified());
}

TEST_F(SaveCommands, TheReadOnlyFileIsNeverWritten) {
    std::string path = titledFile("log.qgb");
    std::string upper = dir.path() + "/LOG.QGB";
    doc.setReadOnlyPath(upper);
    OnFileSave(doc, ui);
    ui.paths.push_back(path);
    OnFileSaveAs(doc, ui);
    ui.paths.push_back(upper);
    EXPECT_FALSE(exportLog(doc, ui, KIND_QGB));
    std::vector<std::string> said = ui.messageTexts();
    EXPECT_EQ(said, (std::vector<std::string>{kReadOnly, kReadOnly, kReadOnly}));
    EXPECT_EQ(test::readFile(path), "old");
    EXPECT_TRUE(doc.isModified());
}

// Another spelling of the read-only file is still that file.
TEST_F(SaveCommands, TheReadOnlyFileIsKnownByAnyOfItsNames) {
    std::string ro = dir.write("ro.qgb", "old");
    doc.setReadOnlyPath(ro);
    std::filesystem::create_directory(dir.file("sub"));
    std::filesystem::create_symlink(ro, dir.file("rolink.qgb"));
    std::filesystem::create_hard_link(ro, dir.file("hard.qgb"));
    for (const std::string& name : {dir.file("rolink.qgb"), dir.file("hard.qgb"),
                                    dir.file("sub/../ro.qgb"), dir.file("RO.QGB")}) {
        ScriptedUi asked;
        asked.paths.push_back(name);
        EXPECT_FALSE(exportLog(doc, asked, KIND_QGB)) << name;
        EXPECT_EQ(asked.messageTexts(), std::vector<std::string>{kReadOnly}) << name;
    }
    EXPECT_EQ(test::readFile(ro), "old");
    ui.paths.push_back(dir.file("other.qgb"));
    EXPECT_TRUE(exportLog(doc, ui, KIND_QGB));
}

TEST_F(SaveCommands, AnEmptyLogIsNotWritten) {
    CSorvakDoc empty;
    for (auto command : {std::function<void()>([&] { OnFileSave(empty, ui); }),
                         std::function<void()>([&] { OnFileSaveAs(empty, ui); }),
                         std::function<void()>([&] { exportLog(empty, ui, KIND_SUPERCHECK); })}) {
        command();
    }
    EXPECT_EQ(conversation(ui),
              (std::vector<std::string>{tell(kNoData), tell(kNoData), tell(kNoData)}));
}

// Only a file that gives the whole log back, the log's own, takes the edits:
// after any other export the close still asks.
TEST_F(SaveCommands, OnlyTheLogsOwnFileClearsTheFlagAndExportsKeepTheTitle) {
    std::string path = titledFile("log.qgb");
    ui.paths.push_back(dir.file("log.SPC"));
    EXPECT_TRUE(exportLog(doc, ui, KIND_SUPERCHECK));
    EXPECT_EQ(conversation(ui),
              std::vector<std::string>{"save|Quogｽｰﾊﾟｰﾁｪｯｸ用ﾌｧｲﾙのｾｰﾌﾞ|Quogｽｰﾊﾟｰﾁｪｯｸ用ﾌｧｲﾙ "
                                       "(*.SPC)|*.SPC|||" +
                                       dir.file("log.SPC") + "|SPC|ask"});
    EXPECT_EQ(test::readFile(dir.file("log.SPC")), writeSupercheck(doc));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.title(), path);
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(saveModified(doc, ui));

    // The title's own format elsewhere, or another format over the title,
    // is not the log's own file either.
    ScriptedUi exports;
    exports.paths = {dir.file("copy.qgb"), path};
    EXPECT_TRUE(exportLog(doc, exports, KIND_QGB));
    EXPECT_TRUE(exportLog(doc, exports, KIND_ALL));
    EXPECT_TRUE(doc.isModified());
    exports.paths = {path};
    EXPECT_TRUE(exportLog(doc, exports, KIND_QGB));
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(saveModified(doc, ui));

    // An unmodified log saved as binary needs no recalculation.
    ScriptedUi quiet;
    OnFileSave(doc, quiet);
    EXPECT_EQ(conversation(quiet), std::vector<std::string>{kOneCut});
    EXPECT_EQ(test::readFile(path), writeBinaryLog(doc));
}

TEST_F(SaveCommands, AdifExportsTellHowManyValuesWereLeftOut) {
    titledFile("log.qgb");
    ui.paths = {dir.file("log.ADI"), dir.file("log.ADX")};
    EXPECT_TRUE(exportLog(doc, ui, KIND_ADI));
    doc.setModified(true);
    EXPECT_TRUE(exportLog(doc, ui, KIND_ADX));
    EXPECT_EQ(conversation(ui),
              (std::vector<std::string>{"save|ADIFﾌｧｲﾙのｾｰﾌﾞ|ADIFﾌｧｲﾙ (*.ADI)|*.ADI|||" +
                                            dir.file("log.ADI") + "|ADI|ask",
                                        tell("ADIFに書けない値を2個省きました。"),
                                        "save|ADIF XMLﾌｧｲﾙのｾｰﾌﾞ|ADIF XMLﾌｧｲﾙ (*.ADX)|*.ADX|||" +
                                            dir.file("log.ADX") + "|ADX|ask",
                                        tell("ADIFに書けない値を1個省きました。")}));
    EXPECT_TRUE(test::readFile(dir.file("log.ADI")).starts_with("SORVAK ADIF export\r\n"));
    EXPECT_TRUE(doc.isModified());
}

TEST_F(SaveCommands, ATargetThatCannotBeMadeIsReportedAndKeepsTheFlag) {
    std::filesystem::create_directory(dir.file("folder.qgb"));
    std::string missing = dir.file("no/such/log.qgb");
    for (const std::string& target : {dir.file("folder.qgb"), missing}) {
        ScriptedUi failing;
        failing.paths.push_back(target);
        EXPECT_FALSE(exportLog(doc, failing, KIND_QGB));
        EXPECT_EQ(conversation(failing).back(), writeFailed(target));
        EXPECT_TRUE(doc.isModified());
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("folder.qgb")));

    std::string all = dir.file("folder.all");
    std::filesystem::create_directory(all);
    doc.setTitle(all);
    OnFileSave(doc, ui);
    EXPECT_EQ(conversation(ui), std::vector<std::string>{writeFailed(all)});
    EXPECT_EQ(doc.title(), all);
}

TEST_F(SaveCommands, AFullDiskIsReportedAndTheOldFileStays) {
    std::string path = titledFile("log.qgb", "old log");
    EXPECT_TRUE(test::holdsOnAFullDisk(512, [&] {
        OnFileSave(doc, ui);
        return conversation(ui) == std::vector<std::string>{writeFailed(path)} && doc.isModified();
    }));
    EXPECT_EQ(test::readFile(path), "old log");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(SaveCommands, SaveModifiedAsksOnlyForAModifiedLogWithQsos) {
    CSorvakDoc empty;
    empty.setModified(true);
    EXPECT_TRUE(saveModified(empty, ui));
    doc.setModified(false);
    EXPECT_TRUE(saveModified(doc, ui));
    EXPECT_TRUE(ui.events.empty());

    doc.setModified(true);
    ui.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(saveModified(doc, ui));
    EXPECT_TRUE(saveModified(doc, ui));
    std::string question = conversation(ui)[0];
    EXPECT_EQ(question, "message|SORVAK への変更を保存しますか?|3|1|2");
    EXPECT_EQ(conversation(ui), (std::vector<std::string>{question, question}));
    EXPECT_TRUE(doc.isModified());
}

TEST_F(SaveCommands, SaveModifiedYesRunsTheExportOfTheTitlesFormatAndGoesOnOnlyOnceSaved) {
    struct Case {
        std::string name;
        std::vector<std::string> dialogs;  // the save dialogs shown after the question
    };
    std::string allLabel = "Quog for Windows ﾃｷｽﾄﾌｧｲﾙ";
    for (const Case& c : std::vector<Case>{
             {"log.qgb", {binaryDialog(dir.file("log.qgb"))}},
             {"log.All",
              {"save|" + allLabel + "のｾｰﾌﾞ|" + allLabel + " (*.ALL)|*.ALL||" + "|" +
               dir.file("log.All") + "|ALL|ask"}},
             // A title no log writer makes is offered the binary export.
             {"log.CBR", {binaryDialog(dir.file("log.QGB"))}},
         }) {
        ScriptedUi asked;
        asked.answers = {Answer::Yes};
        titledFile(c.name);
        EXPECT_FALSE(saveModified(doc, asked)) << c.name;  // the save dialog cancelled
        std::vector<std::string> after = conversation(asked);
        after.erase(after.begin());
        EXPECT_EQ(after, c.dialogs) << c.name;
    }
    ScriptedUi untitled;
    untitled.answers = {Answer::Yes, Answer::Yes};
    doc.setTitle("SORVAK");
    std::string unwritable = dir.file("no-such-folder/SORVAK.QGB");
    std::string out = dir.file("SORVAK.QGB");
    untitled.paths = {unwritable, out};
    EXPECT_FALSE(saveModified(doc, untitled));
    EXPECT_EQ(conversation(untitled).back(), writeFailed(unwritable));
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(saveModified(doc, untitled));
    EXPECT_EQ(test::readFile(out), writeBinaryLog(doc));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(SaveCommands, CabrilloExportRunsTheHeaderDialogFirst) {
    doc.contest().contestName = "ALLJA1";
    doc.contest().stationCall = "JA1ZZZ";
    OnExportCabrillo(doc, ui);
    EXPECT_EQ(conversation(ui), std::vector<std::string>{"dialog"});
    EXPECT_EQ(doc.cabrilloHeader().contest, "");

    ScriptedUi accepted;
    accepted.dialogHandler = [](DialogForm& form) {
        auto& header = dynamic_cast<CabrilloHeaderForm&>(form);
        EXPECT_EQ(header.contest, "ALLJA1");
        EXPECT_EQ(header.callSign, "JA1ZZZ");
        header.version = 2;
        header.category = "MULTI-ONE";
        header.name = "Taro";
        header.address = "Tokyo";
        return true;
    };
    std::string out = dir.file("log.CBR");
    accepted.paths.push_back(out);
    OnExportCabrillo(doc, accepted);
    EXPECT_EQ(
        conversation(accepted)[1],
        "save|Cabrilloﾌｫｰﾏｯﾄﾌｧｲﾙのｾｰﾌﾞ|Cabrilloﾌｫｰﾏｯﾄﾌｧｲﾙ (*.CBR)|*.CBR|||SORVAK.CBR|CBR|ask");
    EXPECT_EQ(doc.cabrilloVersion(), 2);
    EXPECT_EQ(doc.cabrilloHeader().category, "MULTI-ONE");
    EXPECT_EQ(test::readFile(out), writeCabrillo(doc));
    EXPECT_TRUE(doc.isModified());

    CSorvakDoc empty;
    ScriptedUi refused;
    refused.dialogHandler = accepted.dialogHandler;
    empty.contest() = doc.contest();
    OnExportCabrillo(empty, refused);
    EXPECT_EQ(conversation(refused), (std::vector<std::string>{"dialog", tell(kNoData)}));
    EXPECT_EQ(empty.cabrilloHeader().name, "Taro");
}

}  // namespace
}  // namespace sorvak

namespace sorvak {
namespace {

// A name in kanji is not refused, but the user may go back to the dialog
// before it reaches a sponsor; incomplete lines are told before writing.
TEST_F(SaveCommands, TheCabrilloExportWarnsOfKanjiAndIncompleteLinesAndWrites) {
    int shown = 0;
    ui.dialogHandler = [&shown](DialogForm& form) {
        auto& header = dynamic_cast<CabrilloHeaderForm&>(form);
        if (shown++ == 0) {
            header.contest = "ALLJA1";
            header.callSign = "JA1ZZZ";
            header.name = "山田 太郎";
            header.address = "東京都";
        } else {
            EXPECT_EQ(header.name, "山田 太郎");  // as the user left it
            header.name = "Taro Yamada";
        }
        return true;
    };
    ui.answers = {Answer::No, Answer::Yes};
    doc.at(1).setCallSign("");
    std::string out = dir.file("log.CBR");
    ui.paths.push_back(out);
    OnExportCabrillo(doc, ui);
    const std::string question =
        "message|%s にASCII以外の文字があります。\n"
        "ｺﾝﾃｽﾄの受付で受け付けられないことがあります。\nこのまま書き出しますか?\n"
        "\"いいえ\"を選択した場合は、入力に戻ります。|2|1|3";
    auto asked = [&question](const std::string& tags) {
        std::string text = question;
        return text.replace(text.find("%s"), 2, tags);
    };
    std::vector<std::string> said = conversation(ui);
    ASSERT_EQ(said.size(), 6u);
    EXPECT_EQ(said[0], "dialog");
    EXPECT_EQ(said[1], asked("NAME:, ADDRESS:"));
    EXPECT_EQ(said[2], "dialog");
    EXPECT_EQ(said[3], asked("ADDRESS:"));
    EXPECT_EQ(said[5], tell(cabrilloIncompleteLines(doc).value()));
    EXPECT_EQ(doc.cabrilloHeader().name, "Taro Yamada");
    EXPECT_EQ(test::readFile(out), writeCabrillo(doc));
}

}  // namespace
}  // namespace sorvak
