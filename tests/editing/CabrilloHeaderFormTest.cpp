#include "editing/CabrilloHeaderForm.h"

#include <gtest/gtest.h>

#include "model/CSorvakDoc.h"

namespace sorvak {
namespace {

using Field = CabrilloHeaderForm::Field;

// The field and message of the first failing check, or "ok".
std::string firstFailure(const CabrilloHeaderForm& form) {
    auto failure = form.check();
    return failure ? std::to_string(int(failure->field)) + " " + failure->message : "ok";
}

std::string failure(Field field, const std::string& message) {
    return std::to_string(int(field)) + " " + message;
}

TEST(CabrilloHeaderForm, OpensWithTheContestDataOnlyAndVersion3) {
    CSorvakDoc doc;
    doc.contest().contestName = "\x83\x65\x83\x58\x83\x67";  // テスト
    doc.contest().stationCall = "JA1ZZZ";
    doc.cabrilloHeader().name = "earlier run";
    doc.setCabrilloVersion(2);
    CabrilloHeaderForm form = CabrilloHeaderForm::prefilledFrom(doc);
    EXPECT_EQ(form.contest, "テスト");
    EXPECT_EQ(form.callSign, "JA1ZZZ");
    EXPECT_EQ(form.name, "");
    EXPECT_EQ(form.location, "");
    EXPECT_EQ(form.version, 3);
    EXPECT_EQ(form.locationLabel(), "&LOCATION:");
    EXPECT_FALSE(form.categoryEnabled());
    EXPECT_TRUE(form.categoryGroupEnabled());
    form.version = 2;
    EXPECT_EQ(form.locationLabel(), "A&RRL-SECTION:");
    EXPECT_TRUE(form.categoryEnabled());
    EXPECT_FALSE(form.categoryGroupEnabled());
}

TEST(CabrilloHeaderForm, ChecksTheFieldsInTheirOrder) {
    CabrilloHeaderForm form;
    form.version = 2;
    EXPECT_EQ(firstFailure(form), failure(Field::Contest, "コンテスト名が記入されていません。"));
    form.contest = "JIDX-CW";
    EXPECT_EQ(firstFailure(form), failure(Field::CallSign, "コールサインが記入されていません。"));
    form.callSign = "JA1ZZZ";
    EXPECT_EQ(firstFailure(form), failure(Field::Category, "カテゴリーが記入されていません。"));
    form.version = 3;
    EXPECT_EQ(firstFailure(form), failure(Field::Name, "名前が記入されていません。"));
    form.name = "Taro";
    EXPECT_EQ(firstFailure(form), failure(Field::Address, "住所が記入されていません。"));
    form.address = "Tokyo";
    EXPECT_EQ(firstFailure(form), "ok");
    form.version = 2;
    EXPECT_EQ(firstFailure(form), failure(Field::Category, "カテゴリーが記入されていません。"));
}

TEST(CabrilloHeaderForm, ApplyStoresEveryFieldAsCp932) {
    CabrilloHeaderForm form;
    std::string CabrilloHeaderForm::*fields[] = {
        &CabrilloHeaderForm::contest,     &CabrilloHeaderForm::callSign,
        &CabrilloHeaderForm::category,    &CabrilloHeaderForm::name,
        &CabrilloHeaderForm::address,     &CabrilloHeaderForm::catTransmitter,
        &CabrilloHeaderForm::catTime,     &CabrilloHeaderForm::catStation,
        &CabrilloHeaderForm::catPower,    &CabrilloHeaderForm::catOverlay,
        &CabrilloHeaderForm::catOperator, &CabrilloHeaderForm::catMode,
        &CabrilloHeaderForm::catBand,     &CabrilloHeaderForm::catAssisted,
        &CabrilloHeaderForm::location};
    int n = 0;
    for (auto field : fields) {
        form.*field = "F" + std::to_string(n++);
    }
    form.address = "東京都";
    form.version = 2;
    CSorvakDoc doc;
    form.apply(doc);
    const CabrilloHeader& h = doc.cabrilloHeader();
    EXPECT_EQ(
        (std::vector<std::string>{h.contest, h.callSign, h.category, h.name, h.address,
                                  h.catTransmitter, h.catTime, h.catStation, h.catPower,
                                  h.catOverlay, h.catOperator, h.catMode, h.catBand, h.catAssisted,
                                  h.location}),
        (std::vector<std::string>{"F0", "F1", "F2", "F3", "\x93\x8C\x8B\x9E\x93\x73", "F5", "F6",
                                  "F7", "F8", "F9", "F10", "F11", "F12", "F13", "F14"}));
    EXPECT_EQ(doc.cabrilloVersion(), 2);
}

}  // namespace
}  // namespace sorvak
