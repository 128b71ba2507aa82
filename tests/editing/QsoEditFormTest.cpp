#include "editing/QsoEditForm.h"

#include <gtest/gtest.h>

#include "editing/QsoKeyRules.h"
#include "model/QsoRecord.h"

namespace sorvak {
namespace {

using Field = QsoEditForm::Field;
using Text = std::string QsoEditForm::*;

Text memberOf(Field field) {
    using F = QsoEditForm;
    const std::pair<Field, Text> members[] = {
        {Field::Band, &F::band},           {Field::CallSign, &F::callSign},
        {Field::Hour, &F::hour},           {Field::Day, &F::day},
        {Field::Memo, &F::memo},           {Field::Minute, &F::minute},
        {Field::Mode, &F::mode},           {Field::Month, &F::month},
        {Field::Multi, &F::multi},         {Field::Operator, &F::operatorName},
        {Field::Power, &F::power},         {Field::Points, &F::points},
        {Field::Rrst, &F::rrst},           {Field::Second, &F::second},
        {Field::Srst, &F::srst},           {Field::Year, &F::year},
        {Field::Rcvd, &F::rcvd},           {Field::Sent, &F::sent},
        {Field::QsoNumber, &F::qsoNumber}, {Field::Multi2, &F::multi2},
        {Field::TxNumber, &F::txNumber},
    };
    for (const auto& [f, member] : members) {
        if (f == field) {
            return member;
        }
    }
    return &F::memo;
}

TEST(QsoEditForm, ChecksEveryFieldInItsOrderWithTheFrameworkMessages) {
    QsoEditForm form;
    form.band = "12345";
    form.callSign = "JA1ABCDEFGHIJ";  // 13 bytes
    form.hour = "24";
    form.day = "x";
    form.memo = std::string(65, 'M');
    form.minute = "60";
    form.mode = "RTTY-X";
    form.month = "13";
    form.multi = std::string(31, '1');
    form.operatorName = "東京都の運用者です";  // 18 bytes
    form.power = "HH";
    form.points = "256";
    form.rrst = "600";
    form.second = "-1";
    form.srst = "";
    form.year = "20x6";
    form.rcvd = "😀";
    form.sent = std::string(31, 'S');
    form.qsoNumber = "a";
    form.multi2 = std::string(31, '2');
    form.txNumber = "256";
    QsoEditForm valid;
    valid.year = "2026";
    valid.month = "1";
    valid.day = "1";
    std::vector<std::pair<Field, std::string>> seen;
    while (auto failure = form.check()) {
        seen.emplace_back(failure->field, failure->message);
        ASSERT_LT(seen.size(), 30u);
        form.*memberOf(failure->field) = valid.*memberOf(failure->field);
    }
    const std::string range599 = "0 から 599 までの整数を入力してください。";
    const std::string positive = "正の整数を入力してください。";
    std::vector<std::pair<Field, std::string>> expected = {
        {Field::Band, "4 文字以内で入力してください。"},
        {Field::CallSign, "12 文字以内で入力してください。"},
        {Field::Hour, "0 から 23 までの整数を入力してください。"},
        {Field::Day, positive},
        {Field::Memo, "64 文字以内で入力してください。"},
        {Field::Minute, "0 から 59 までの整数を入力してください。"},
        {Field::Mode, "5 文字以内で入力してください。"},
        {Field::Month, "1 から 12 までの整数を入力してください。"},
        {Field::Multi, "30 文字以内で入力してください。"},
        {Field::Operator, "14 文字以内で入力してください。"},
        {Field::Power, "1 文字以内で入力してください。"},
        {Field::Points, "0 から 255 までの整数を入力してください。"},
        {Field::Rrst, range599},
        {Field::Second, positive},
        {Field::Srst, positive},
        {Field::Year, positive},
        {Field::Rcvd, "この欄には使用できない文字が含まれています。"},
        {Field::Sent, "30 文字以内で入力してください。"},
        {Field::QsoNumber, positive},
        {Field::Multi2, "30 文字以内で入力してください。"},
        {Field::TxNumber, "0 から 255 までの整数を入力してください。"},
    };
    EXPECT_EQ(seen, expected);
}

TEST(QsoEditForm, LimitsCountStoredBytesAndAcceptBlanksAroundNumbers) {
    QsoEditForm form = QsoEditForm::fromRecord(QsoRecord(QsoValues{}), 0);
    form.year = "2026";
    form.operatorName = "東京都の運用者";  // 14 bytes in CP932
    form.points = " 3 ";
    EXPECT_FALSE(form.check());
    form.callSign = "ｱｲｳｴｵｶｷｸｹｺｻｼ";  // half-width kana: one byte each
    EXPECT_FALSE(form.check());
    form.callSign += "ｽ";
    EXPECT_EQ(form.check()->field, Field::CallSign);
    form.callSign = "JA1ABC";
    form.year = "2038";  // past what a QSO time can hold
    EXPECT_EQ(form.check()->message, "1970 から 2037 までの整数を入力してください。");
}

TEST(QsoKeyRules, StepTheRstDigitsForCwAndPhone) {
    EXPECT_EQ(stepRst(599, QsoKey::R, true), 199);
    EXPECT_EQ(stepRst(199, QsoKey::R, true), 299);
    EXPECT_EQ(stepRst(599, QsoKey::S, true), 519);
    EXPECT_EQ(stepRst(519, QsoKey::S, true), 529);
    EXPECT_EQ(stepRst(599, QsoKey::T, true), 591);
    EXPECT_EQ(stepRst(591, QsoKey::T, true), 592);
    EXPECT_EQ(stepRst(59, QsoKey::R, false), 19);
    EXPECT_EQ(stepRst(59, QsoKey::S, false), 51);
    EXPECT_EQ(stepRst(51, QsoKey::S, false), 52);
    EXPECT_EQ(stepRst(59, QsoKey::T, false), 59);
}

TEST(QsoKeyRules, KeysActByTheFocusedField) {
    QsoEditForm form;
    form.rrst = "599";
    form.srst = "599";
    auto press = [&form](QsoKey key, bool ctrl, bool shift, Field focus) {
        return applyQsoKey(form, QsoKeyStroke{key, ctrl, shift}, focus);
    };
    EXPECT_TRUE(press(QsoKey::R, false, true, Field::CallSign).swallowed);
    EXPECT_EQ(form.rrst, "199");
    press(QsoKey::S, true, true, Field::Points);
    EXPECT_EQ(form.srst, "519");
    EXPECT_FALSE(press(QsoKey::R, false, true, Field::Memo).swallowed);
    EXPECT_EQ(form.rrst, "199");
    // The largest number a field takes steps past what an int holds.
    form.rrst = "2147483647";
    form.mode = "SSB";
    press(QsoKey::S, false, true, Field::Rcvd);
    EXPECT_EQ(form.rrst, "2147483648");
    EXPECT_FALSE(press(QsoKey::S, false, true, Field::Rcvd).fieldsChanged);
    form.mode = "CW";

    form.hour = "0";
    form.minute = "0";
    press(QsoKey::O, true, false, Field::Rcvd);
    EXPECT_EQ(form.hour + ":" + form.minute, "0:59");
    form.hour = "23";
    form.minute = "59";
    form.day = "31";
    press(QsoKey::P, true, false, Field::CallSign);
    EXPECT_EQ(form.hour + ":" + form.minute + " " + form.day, "23:0 31");
    EXPECT_FALSE(press(QsoKey::P, true, false, Field::Sent).swallowed);

    form.callSign = "JA1";
    form.rcvd = "13M";
    press(QsoKey::W, true, false, Field::Rcvd);
    EXPECT_EQ(form.callSign + "|" + form.rcvd, "JA1|");
    form.rcvd = "13M";
    auto k = press(QsoKey::K, true, false, Field::Rcvd);
    EXPECT_EQ(form.callSign + "|" + form.rcvd, "|");
    EXPECT_EQ(k.focus, Field::CallSign);

    EXPECT_EQ(press(QsoKey::Space, false, false, Field::CallSign).focus, Field::Rcvd);
    EXPECT_EQ(press(QsoKey::Space, false, false, Field::Rcvd).focus, Field::CallSign);
    EXPECT_FALSE(press(QsoKey::Space, false, false, Field::Memo).swallowed);
    auto inSent = press(QsoKey::Space, false, false, Field::Sent);
    EXPECT_TRUE(inSent.swallowed && !inSent.focus);
    EXPECT_FALSE(press(QsoKey::Escape, false, false, Field::CallSign).swallowed);
    EXPECT_EQ(press(QsoKey::Escape, false, false, Field::Points).focus, Field::CallSign);
}

TEST(QsoKeyRules, SpaceInTheCallSignTakesTheClockOnlyForNewEntries) {
    QsoEditForm form;
    form.clock = [] { return ClockParts{2026, 11, 3, 9, 5, 42}; };
    applyQsoKey(form, QsoKeyStroke{QsoKey::Space}, Field::CallSign);
    EXPECT_EQ(form.year, "0");
    form.newMode = true;
    applyQsoKey(form, QsoKeyStroke{QsoKey::Space}, Field::CallSign);
    EXPECT_EQ(form.year + form.month + form.day + form.hour + form.minute + form.second,
              "2026113950");
}

TEST(QsoKeyRules, CyclingAndBandAndModeRules) {
    QsoEditForm form;
    form.mode = "SSB";
    form.band = "7";
    applyQsoKey(form, QsoKeyStroke{QsoKey::B, false, true}, Field::CallSign);
    EXPECT_EQ(form.band + " " + form.mode, "10 CW");
    EXPECT_EQ(form.srst + form.rrst, "599599");
    applyQsoKey(form, QsoKeyStroke{QsoKey::M, false, true}, Field::CallSign);
    EXPECT_EQ(form.mode + " " + form.srst + form.rrst, "SSB 5959");
    form.band = "10G";
    applyQsoKey(form, QsoKeyStroke{QsoKey::B, false, true}, Field::Band);
    EXPECT_EQ(form.band + " " + form.mode, "1.9 CW");
    form.band = "14";
    form.mode = "SSB";
    OnBandChanged(form);
    EXPECT_EQ(form.mode, "SSB");
    form.power = "x";
    applyQsoKey(form, QsoKeyStroke{QsoKey::P, false, true}, Field::Rcvd);
    EXPECT_EQ(form.power, "P");
    form.power = "H";
    applyQsoKey(form, QsoKeyStroke{QsoKey::P, false, true}, Field::Rcvd);
    EXPECT_EQ(form.power, "P");
}

}  // namespace
}  // namespace sorvak
