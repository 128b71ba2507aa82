#include "editing/JarlLogForm.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/CSorvakDoc.h"
#include "platform/Cp932.h"

namespace sorvak {
namespace {

using F = JarlField;

const ClockParts kToday{.year = 2026, .month = 12, .day = 9};

TEST(JarlLogForm, OpensWithTheContestDataAndLaterWithWhatWasAccepted) {
    CSorvakDoc doc;
    doc.contest().contestName = "ALL JA";
    doc.contest().stationCall = "JA1ZZZ";
    JarlLogForm form = JarlLogForm::prefilledFrom(doc, kToday);
    EXPECT_EQ(form[F::Contest], "ALL JA");
    EXPECT_EQ(form[F::CallSign], "JA1ZZZ");
    EXPECT_EQ(form[F::FdCoeff], "");  // coefficient 0
    EXPECT_EQ(form[F::Date], "2026年12月9日");
    EXPECT_EQ(form[F::Oath], JarlLogForm::kOath);
    EXPECT_EQ(form[F::Signature], "");

    form.setName("大塚");
    EXPECT_EQ(form[F::Signature], "大塚");
    form.setName("大塚 太郎");
    EXPECT_EQ(form[F::Signature], "大塚 太郎");  // still following the name
    form[F::Signature] = "T. Otsuka";
    form.setName("大塚 次郎");
    EXPECT_EQ(form[F::Signature], "T. Otsuka");  // typed over: kept
    form[F::Contest] = "6m AND DOWN";
    form.checkLog = true;
    form.apply(doc);

    JarlLogForm again = JarlLogForm::prefilledFrom(doc, kToday);
    EXPECT_EQ(again.values, form.values);
    EXPECT_TRUE(again.checkLog);
    doc.contest().coefficient = 3;
    EXPECT_EQ(JarlLogForm::prefilledFrom(doc, kToday)[F::FdCoeff], "3");
}

TEST(JarlLogForm, ScoreFollowsTheCoefficientAndTheCheckLogFlag) {
    CSorvakDoc doc;
    for (const char* call : {"JA1AAA", "JA2BBB"}) {
        doc.add(std::make_unique<QsoRecord>(QsoParts{.callSign = call,
                                                     .multi = "13",
                                                     .multi2 = "X",
                                                     .bandText = "7",
                                                     .modeText = "CW",
                                                     .points = 3}));
    }
    JarlLogForm form = JarlLogForm::prefilledFrom(doc, kToday);
    form[F::FdCoeff] = "2";
    EXPECT_EQ(form.totalScore(), 6 * 4 * 2);
    EXPECT_EQ(form.scoreLines(), (std::vector<std::string>{
                                     "　バンド　　交信局数　　得点　　マルチ",
                                     "    7 MHz        2         6       4",
                                     "  合　計         2         6 ×    4  × 2  ＝  48",
                                 }));
    form.checkLog = true;
    EXPECT_EQ(form.totalScore(), 0);
}

TEST(JarlLogForm, OperatorListComesFromTheLogAndIsAskedForWhenOthersOperated) {
    CSorvakDoc doc;
    doc.contest().stationCall = "JA1ZZZ/1";
    auto log = [&doc](std::initializer_list<const char*> operators) {
        doc.mutableQsoList().clear();
        for (const char* name : operators) {
            doc.add(std::make_unique<QsoRecord>(QsoParts{.operatorName = utf8ToCp932(name)}));
        }
        return JarlLogForm::prefilledFrom(doc, kToday);
    };
    // A log of the holder alone, under the call proper or the full call,
    // needs no list.
    JarlLogForm alone = log({"JA1ZZZ", "", "JA1ZZZ/1"});
    EXPECT_EQ(alone[F::MultiOpList], "");
    EXPECT_FALSE(alone.operatorListQuestion());

    JarlLogForm team = log({"JR1WWW", "", "JA1ZZZ", "JR1WWW", "ｵﾍﾟ"});
    EXPECT_EQ(team[F::MultiOpList], "JR1WWW JA1ZZZ ｵﾍﾟ");
    EXPECT_FALSE(team.operatorListQuestion());
    team[F::MultiOpList] = " ";
    EXPECT_EQ(team.operatorListQuestion(),
              "運用者リストが記入されていませんが、ログには JA1ZZZ/1 以外の運用者が記録されて"
              "います。\nこのまま書き出しますか?");
}

TEST(JarlLogForm, ChecksTheFieldsInOrderAndKeepsTagsOutOfValues) {
    JarlLogForm form;
    struct Step {
        F field;
        const char* message;
        const char* fill;
    };
    const Step steps[] = {
        {F::Contest, "コンテスト名が記入されていません。", "ALL JA"},
        {F::Category, "参加部門コードが記入されていません。", "XMAH"},
        {F::CallSign, "コールサインが記入されていません。", "JA1ZZZ"},
        {F::Address, "住所が記入されていません。", "東京都\n千代田区"},
        {F::Name, "氏名が記入されていません。", "大塚</NAME>"},
        {F::Email, "電子メールアドレスが記入されていません。", "a@b.jp"},
        {F::Power, "空中線電力が記入されていません。", "50"},
        {F::Oath, "宣誓文が記入されていません。", JarlLogForm::kOath},
        {F::Signature, "署名が記入されていません。", "大塚"},
        {F::Name, "氏名に「<」や「>」は使えません。", "大塚"},
        {F::Tel, "電話番号は1行で記入してください。", "03"},
        {F::Comments, "意見にシフトJIS(CP932)で表せない文字が含まれています。", "ＯＫ\n了解"},
        {F::FdCoeff, "1 から 99 までの整数を入力してください。", "2"},
    };
    form[F::Power] = "　 ";  // blanks only count as empty
    form[F::Oath] = "\n";
    form[F::Tel] = "03\r\n";
    form[F::Comments] = "🙂";
    form[F::FdCoeff] = "0";
    for (const Step& step : steps) {
        auto failure = form.check();
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->field, step.field);
        EXPECT_EQ(failure->message, step.message);
        form[step.field] = step.fill;
    }
    EXPECT_FALSE(form.check());

    form[F::Category].clear();
    form.checkLog = true;
    EXPECT_FALSE(form.check());
}

}  // namespace
}  // namespace sorvak
