#include "commands/LogToolCommands.h"

#include <gtest/gtest.h>

#include "editing/ContestDataForm.h"
#include "editing/DupeMarking.h"
#include "editing/FindCallForm.h"
#include "editing/ListSelection.h"
#include "editing/NumberToMultiForm.h"
#include "editing/SentNumberForm.h"
#include "model/CSorvakDoc.h"
#include "model/Vocabulary.h"
#include "support/QsoFactory.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

std::string multiOf(const char* cut, bool digitsOnly, const std::string& received) {
    NumberToMultiForm form;
    form.cutCount = cut;
    form.digitsOnly = digitsOnly;
    return form.multiOf(received);
}

TEST(NumberToMulti, CutsBytesThenTheTailFromTheFirstNonDigit) {
    EXPECT_EQ(multiOf("1", false, "1234M"), "1234");
    EXPECT_EQ(multiOf("1", false, "59"), "5");
    EXPECT_EQ(multiOf("0", true, "12AB3"), "12");
    EXPECT_EQ(multiOf("0", true, "AB"), "");
    EXPECT_EQ(multiOf("5", false, "123"), "");
    EXPECT_EQ(multiOf("1", false, ""), "");
    EXPECT_EQ(multiOf("-2", false, "13M"), "13M");
    EXPECT_EQ(multiOf("1", false, "13\x93\x8C"), "13");  // 13東: no dangling lead byte
    EXPECT_EQ(multiOf("2", false,
                      "1\x93\x8C"
                      "M"),
              "1");
    NumberToMultiForm form;
    form.cutCount = "1.5";
    EXPECT_EQ(form.check(), "整数を入力してください。");
}

TEST(LogTools, SentNumberAndMultiplierChangeEveryQsoAndRefresh) {
    CSorvakDoc doc;
    test::addCalls(doc, {"JA1AAA", "JA1BBB"});
    doc.at(0).setSent("10H");
    doc.at(0).setRcvd("13M");
    doc.at(0).setNewMulti(1);
    ScriptedUi ui;
    RowSelection list;
    std::string prefill;
    ui.dialogHandler = [&prefill](DialogForm& form) {
        auto& sent = dynamic_cast<SentNumberForm&>(form);
        prefill = sent.sent;
        sent.sent = "20M";
        return true;
    };
    OnSetSentNumbers(doc, ui, list);
    EXPECT_EQ(prefill, "10H");
    EXPECT_EQ(doc.at(1).sent(), "20M");
    ui.dialogHandler = [](DialogForm&) { return true; };
    OnNumberToMulti(doc, ui, list);
    EXPECT_EQ(doc.at(0).multi(), "13");
    EXPECT_EQ(doc.at(0).newMulti(), 1);
    EXPECT_EQ(doc.at(1).multi(), "");
    EXPECT_EQ(list.refreshCount, 2);
    EXPECT_TRUE(doc.isModified());
}

// What the binary log cannot hold whole is refused where it is typed.
TEST(LogTools, TextsLongerThanTheBinaryLogKeepsAreRefused) {
    std::string kanji;
    for (int i = 0; i < 15; ++i) {
        kanji += "東";
    }
    SentNumberForm sent;
    sent.sent = "1" + kanji;
    EXPECT_EQ(sent.check(), "30 文字以内で入力してください。");
    sent.sent = kanji;
    EXPECT_EQ(sent.check(), std::nullopt);
    ContestDataForm contest;
    contest.contestName = kanji + kanji + "ABCDE";
    EXPECT_EQ(contest.check()->message, "64 文字以内で入力してください。");
    contest.contestName = kanji + kanji + "ABCD";
    EXPECT_FALSE(contest.check());
}

TEST(LogTools, FindWrapsToTheTopAfterItsNotFoundMessage) {
    CSorvakDoc doc;
    test::addCalls(doc, {"JR2AAA", "W1AW", "JA1ABC"});
    ScriptedUi ui;
    RowSelection list;
    int searches = 0;
    std::vector<std::vector<size_t>> selections;
    ui.dialogHandler = [&](DialogForm& form) {
        selections.push_back(list.selectedRows());
        dynamic_cast<FindCallForm&>(form).text = "JA1";
        return searches++ < 3;
    };
    OnFindCall(doc, ui, list);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"コールサイン 'JA1' が見つかりません。"});
    using Rows = std::vector<size_t>;
    EXPECT_EQ(selections, (std::vector<Rows>{{}, {2}, {2}, {2}}));
    EXPECT_EQ(ui.events[2].kind, ScriptedUi::Kind::Message);  // after the second search
}

class DupeMarking : public ::testing::Test {
  protected:
    std::unique_ptr<QsoRecord> qso(const char* band, const char* memo) {
        auto q = test::qso("JA1AAA");
        q->setBand(bandCodeOf(band));
        q->setMemo(memo);
        return q;
    }
    CSorvakDoc doc;
    ScriptedUi ui;
    RowSelection list;
};

TEST_F(DupeMarking, SelectsRepeatsIgnoringTheMarkerOfTheMemo) {
    doc.add(qso("7", "-DUPE- QRM"));
    doc.add(qso("7", "QRM"));
    doc.add(test::qso("JA1BBB"));
    EXPECT_EQ(OnCheckDupe(doc, ui, list), std::vector<size_t>{1});
    EXPECT_EQ(list.selectedRows(), std::vector<size_t>{1});
    EXPECT_EQ(
        ui.messageTexts(),
        (std::vector<std::string>{
            "前処理のためデータをソートします。\nよろしいですか?", "DUPE QSOデータをチェックします",
            "DUPE QSOデータが選択されました。\n不要な場合は削除して下さい。"}));
}

TEST_F(DupeMarking, ComparesOnlyWithTheLastUnrepeatedQso) {
    doc.add(qso("7", ""));
    doc.add(qso("14", ""));
    doc.add(qso("7", ""));
    EXPECT_TRUE(OnCheckDupe(doc, ui, list).empty());
    EXPECT_EQ(ui.messageTexts().back(), "DUPE QSOデータはありません。");
}

TEST_F(DupeMarking, RefusesAShortLogAndStopsOnCancel) {
    doc.add(qso("7", ""));
    OnCheckDupe(doc, ui, list);
    doc.add(qso("7", ""));
    ui.answers = {Answer::Ok, Answer::Cancel};
    EXPECT_TRUE(OnCheckDupe(doc, ui, list).empty());
    EXPECT_EQ(ui.messageTexts().front(), "削除すべきデータがありません。");
    EXPECT_EQ(ui.messageTexts().size(), 3u);
}

TEST(ContestData, ShowsTheHeaderAndStoresItOnOkOnly) {
    CSorvakDoc doc;
    ContestDataForm fresh = ContestDataForm::prefilledFrom(doc);
    EXPECT_EQ(
        fresh.stationCall + "|" + fresh.contestName + "|" + fresh.coefficient + "|" + fresh.version,
        "||0|1");
    EXPECT_FALSE(fresh.utc);
    ScriptedUi ui;
    // The binary log keeps a coefficient in 16 bits.
    std::vector<std::string> typed = {"1.5", "", "abc", "32768", " -3 "};
    size_t next = 0;
    ui.dialogHandler = [&](DialogForm& form) {
        auto& data = dynamic_cast<ContestDataForm&>(form);
        data.stationCall = "JA1ZZZ";
        data.utc = true;
        data.version = "9";
        data.coefficient = typed[next++];
        return true;
    };
    EXPECT_TRUE(OnContestData(doc, ui));
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"整数を入力してください。", "整数を入力してください。",
                                        "整数を入力してください。",
                                        "-32768 から 32767 までの整数を入力してください。"}));
    EXPECT_EQ(doc.contest().coefficient, -3);
    EXPECT_EQ(doc.contest().utcFlag, 1);
    EXPECT_EQ(doc.contest().stationCall, "JA1ZZZ");
    EXPECT_EQ(doc.contest().version, 1.0);
    EXPECT_TRUE(doc.isModified());

    CSorvakDoc other;
    ScriptedUi cancelling;
    EXPECT_FALSE(OnContestData(other, cancelling));
    EXPECT_FALSE(other.isModified());
}

// A header naming the network log server is not read back from the binary log.
TEST(ContestData, RefusesAContestNameTheBinaryLogWouldDrop) {
    ContestDataForm form;
    form.contestName = "ALL JA QServer TEST";
    auto failure = form.check();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->field, ContestDataForm::Field::ContestName);
    EXPECT_EQ(failure->message, "コンテスト名に QServer は使えません。");
    form.contestName = "ALL JA Server TEST";
    EXPECT_FALSE(form.check());
}

}  // namespace
}  // namespace sorvak
