#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "CliCommand.h"
#include "commands/FileLoad.h"
#include "editing/JarlLogForm.h"
#include "formats/BinaryLog.h"
#include "formats/ExportSample.h"
#include "formats/Writers.h"
#include "platform/Cp932.h"
#include "reports/JarlScore.h"
#include "support/TempDir.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

struct CliOutcome {
    int status;
    std::string err;
};

CliOutcome cli(std::vector<std::string> args) {
    args.insert(args.begin(), "sorvak-cli");
    std::vector<const char*> argv;
    for (const auto& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out, err;
    int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, err.str()};
}

class Convert : public ::testing::Test {
  protected:
    Convert() {
        CSorvakDoc source;
        source.contest().contestName = "ALLJA1";
        source.contest().stationCall = "JA1ZZZ";
        test::addExportSample(source);
        log = dir.write("log.qgb", writeBinaryLog(source));
        ScriptedUi ui;
        FileLoad(loaded, ui, log, LoadMode::Load);
    }
    test::TempDir dir;
    std::string log;
    CSorvakDoc loaded;  // the log as the command line reads it
};

TEST_F(Convert, EveryFormatIsTheWritersBytes) {
    for (auto [format, kind] : std::vector<std::pair<std::string, FileKind>>{
             {"qgb", KIND_QGB},
             {"all", KIND_ALL},
             {"txt", KIND_DOS_TXT},
             {"spc", KIND_SUPERCHECK},
             {"hamlog-old", KIND_HAMLOG_OLD},
             {"hamlog445", KIND_HAMLOG_445},
             {"hamlog500", KIND_HAMLOG_500},
             {"logtaro", KIND_LOGTARO},
         }) {
        std::string out = dir.file("out." + format);
        CliOutcome run = cli({"convert", log, out, "--to", format});
        EXPECT_EQ(run.status, 0) << format << run.err;
        EXPECT_EQ(test::readFile(out), writeLogFile(loaded, kind).value()) << format;
    }
}

TEST_F(Convert, CabrilloTakesItsHeaderFromTheCommandLine) {
    std::string out = dir.file("out.cbr");
    CliOutcome run =
        cli({"convert", log, out, "--cabrillo-version", "2", "--category", "MULTI-ONE", "--name",
             "山田", "--address", "Tokyo", "--location", "", "--cat-band", "40M"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::string file = test::readFile(out);
    EXPECT_EQ(file.substr(0, file.find("QSO:")),
              "START-OF-LOG: 2.0\r\nCONTEST: ALLJA1\r\nCALLSIGN: JA1ZZZ\r\n"
              "CATEGORY: MULTI-ONE\r\nCREATED-BY: sorvak(Quog)\r\n"
              "NAME: \x8E\x52\x93\x63\r\nADDRESS: Tokyo\r\n");
    CabrilloHeader& h = loaded.cabrilloHeader();
    h = CabrilloHeader{.contest = "ALLJA1",
                       .callSign = "JA1ZZZ",
                       .category = "MULTI-ONE",
                       .name = "\x8E\x52\x93\x63",
                       .address = "Tokyo",
                       .catBand = "40M",
                       .location = ""};
    loaded.setCabrilloVersion(2);
    EXPECT_EQ(file, writeLogFile(loaded, KIND_CABRILLO).value());

    CliOutcome overridden = cli({"convert", log, out, "--contest", "JIDX-CW", "--callsign",
                                 "JA1YYY", "--name", "N", "--address", "A"});
    ASSERT_EQ(overridden.status, 0) << overridden.err;
    file = test::readFile(out);
    EXPECT_EQ(file.substr(0, file.find("CREATED-BY")),
              "START-OF-LOG: 3.0\r\nCONTEST: JIDX-CW\r\nCALLSIGN: JA1YYY\r\n");
}

TEST_F(Convert, ARefusedCabrilloHeaderWritesNoFile) {
    std::string out = dir.file("out.cbr");
    EXPECT_EQ(cli({"convert", log, out, "--name", "N"}).err,
              "sorvak-cli: 住所が記入されていません。\n");
    EXPECT_EQ(
        cli({"convert", log, out, "--cabrillo-version", "2", "--name", "N", "--address", "A"}).err,
        "sorvak-cli: カテゴリーが記入されていません。\n");
    EXPECT_EQ(cli({"convert", log, out, "--contest", "", "--name", "N", "--address", "A"}).status,
              1);
    EXPECT_EQ(cli({"convert", log, out, "--cabrillo-version", "4"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(Convert, AdifByNameOrFormatAndBackAgain) {
    std::string adi = dir.file("out.Adi"), adx = dir.file("out.ADX"), again = dir.file("a.qgb");
    CliOutcome toAdi = cli({"convert", log, adi});
    EXPECT_EQ(toAdi.status, 0);
    EXPECT_EQ(toAdi.err, "ADIFに書けない値を2個省きました。\n");  // the operator and memo in kana
    EXPECT_TRUE(test::readFile(adi).starts_with("SORVAK ADIF export\r\n<ADIF_VER:5>3.1.6\r\n"));
    EXPECT_EQ(cli({"convert", log, adx}).err, "ADIFに書けない値を1個省きました。\n");
    EXPECT_TRUE(
        test::readFile(adx).starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ADX>"));
    EXPECT_EQ(cli({"convert", log, dir.file("x.txt"), "--to", "adx"}).status, 0);
    EXPECT_EQ(test::readFile(dir.file("x.txt")).substr(0, 50), test::readFile(adx).substr(0, 50));

    // ADIF is read like any other log.
    ASSERT_EQ(cli({"convert", adx, again}).status, 0);
    CSorvakDoc reread;
    ScriptedUi ui;
    FileLoad(reread, ui, again, LoadMode::Load);
    ASSERT_EQ(reread.count(), loaded.count());
    EXPECT_EQ(reread.contest().utcFlag, 1);
    EXPECT_EQ(reread.at(0).callSign(), loaded.at(0).callSign());
    CliOutcome empty = cli({"convert", dir.write("empty.adi", "<EOH>"), again});
    EXPECT_EQ(empty.status, 1);
}

TEST_F(Convert, AWriteFailureExitsWithOneAndLeavesTheOldFile) {
    std::filesystem::create_directory(dir.file("folder.spc"));
    CliOutcome run = cli({"convert", log, dir.file("folder.spc")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "ﾌｧｲﾙに書き込めませんでした。 " + dir.file("folder.spc") + "\n");
    CSorvakDoc empty;
    std::string emptyLog = dir.write("empty.qgb", writeBinaryLog(empty));
    std::string out = dir.write("kept.spc", "kept");
    EXPECT_EQ(cli({"convert", emptyLog, out}).status, 1);
    EXPECT_EQ(test::readFile(out), "kept");
}

TEST_F(Convert, JarlLogTakesItsSummaryFromTheCommandLine) {
    std::string out = dir.file("out_JARL.TXT");
    const std::vector<std::string> fields = {"category=XMAH", "address=東京都\\n千代田区",
                                             "name=大塚",     "email=ja1zzz@example.jp",
                                             "power=50",      "date=2026年12月9日"};
    std::vector<std::string> args = {"convert", log, out, "--to", "jarl"};
    for (const std::string& field : fields) {
        args.insert(args.end(), {"--jarl", field});
    }
    CliOutcome run = cli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    JarlLogHeader& h = loaded.jarlLogHeader();
    for (auto [field, value] : std::vector<std::pair<JarlField, std::string>>{
             {JarlField::Contest, "ALLJA1"},
             {JarlField::Category, "XMAH"},
             {JarlField::CallSign, "JA1ZZZ"},
             {JarlField::Address, "東京都\n千代田区"},
             {JarlField::Name, "大塚"},
             {JarlField::Email, "ja1zzz@example.jp"},
             {JarlField::Power, "50"},
             {JarlField::Oath, JarlLogForm::kOath},
             {JarlField::MultiOpList, "OP1 ｵﾍﾟ"},
             {JarlField::Date, "2026年12月9日"},
             {JarlField::Signature, "大塚"},
         }) {
        h[field] = utf8ToCp932(value);
    }
    h.totalScore = claimedScore(scoreOf(loaded.qsoList()), "", false);
    EXPECT_EQ(test::readFile(out), writeLogFile(loaded, KIND_JARL).value());

    args.insert(args.end(), {"--jarl", "time=utc"});
    ASSERT_EQ(cli(args).status, 0);
    h.utcLogSheet = true;
    EXPECT_EQ(test::readFile(out), writeLogFile(loaded, KIND_JARL).value());

    args.insert(args.end(), {"--jarl", "name=大塚</NAME>"});
    std::string refused = dir.file("refused.TXT");
    args[2] = refused;
    EXPECT_EQ(cli(args).err, "sorvak-cli: 氏名に「<」や「>」は使えません。\n");
    EXPECT_EQ(cli({"convert", log, refused, "--to", "jarl", "--jarl", "nick=x"}).status, 2);
    args.back() = "name=大塚";
    args.insert(args.end(), {"--jarl", "multioplist=", "--answer", "no"});
    CliOutcome declined = cli(args);
    EXPECT_EQ(declined.status, 1);
    EXPECT_EQ(
        declined.err,
        "運用者リストが記入されていませんが、ログには JA1ZZZ 以外の運用者が記録されています。 "
        "このまま書き出しますか?\n");
    EXPECT_FALSE(std::filesystem::exists(refused));
}

}  // namespace
}  // namespace sorvak
