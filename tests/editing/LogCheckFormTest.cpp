#include "editing/LogCheckForm.h"

#include <gtest/gtest.h>

#include "model/CSorvakDoc.h"
#include "reports/ReportTestLog.h"

namespace sorvak {
namespace {

using Field = LogCheckForm::Field;

std::string firstFailure(const LogCheckForm& form) {
    auto failure = form.check();
    return failure ? std::to_string(int(failure->field)) + " " + failure->message : "ok";
}

std::string failure(Field field, const std::string& message) {
    return std::to_string(int(field)) + " " + message;
}

TEST(LogCheckForm, OpensWithThePeriodOfTheLogOrTheKeptSettings) {
    CSorvakDoc doc;
    EXPECT_EQ(LogCheckForm::prefilledFrom(doc, {}).start, "");
    doc.add(test::qsoAt(2, 1230));
    doc.add(test::qsoAt(1, 2100));  // the earliest need not come first
    doc.add(test::qsoAt(2, 2059));
    doc.at(2).setSecondsOfDay(doc.at(2).secondsOfDay() + 30);
    LogCheckForm form = LogCheckForm::prefilledFrom(doc, {});
    EXPECT_EQ(form.start, "2026-11-01 21:00");
    EXPECT_EQ(form.end, "2026-11-02 21:00");  // a minute after the last QSO
    EXPECT_EQ(form.offTime, "60");
    EXPECT_EQ(form.maxHours, "0");

    LogCheckSettings kept;
    kept.end = makeClockTime({2026, 11, 3, 12, 0, 0});
    kept.offTimeMinutes = 30;
    kept.dupeRule = DupeRule::Contest;
    kept.useMasterCalls = false;
    form = LogCheckForm::prefilledFrom(doc, kept);
    EXPECT_EQ(form.start, "2026-11-01 21:00");
    EXPECT_EQ(form.end, "2026-11-03 12:00");
    EXPECT_EQ(form.offTime, "30");
    EXPECT_EQ(form.dupeRule, DupeRule::Contest);
    EXPECT_FALSE(form.useMasterCalls);
}

TEST(LogCheckForm, ChecksTheFieldsInTheirOrder) {
    const std::string moment = "日時は YYYY-MM-DD HH:MM の形で入力してください。";
    LogCheckForm form;
    form.start = "2026-02-30 21:00";
    EXPECT_EQ(firstFailure(form), failure(Field::Start, moment));
    form.start = "2026-11-01T21:00";
    form.end = "2026-11-01 2100";
    EXPECT_EQ(firstFailure(form), failure(Field::End, moment));
    form.end = "2026-11-01 21:00";
    EXPECT_EQ(firstFailure(form), failure(Field::End, "終了日時は開始日時より後にしてください。"));
    form.end = "2038-11-02 21:00";
    EXPECT_EQ(firstFailure(form), failure(Field::End, moment));
    form.end = " 2026-11-02 21:00 ";
    form.offTime = "0";
    EXPECT_EQ(firstFailure(form),
              failure(Field::OffTime, "1 から 1440 までの整数を入力してください。"));
    form.offTime = "30";
    form.maxHours = "-1";
    EXPECT_EQ(firstFailure(form), failure(Field::MaxHours, "正の整数を入力してください。"));
    form.maxHours = "24";
    EXPECT_EQ(firstFailure(form), "ok");

    CSorvakDoc doc;
    doc.contest().utcFlag = 1;
    LogCheckSettings settings = form.settings(doc, 12345);
    EXPECT_EQ(settings.start, makeClockTime({2026, 11, 1, 21, 0, 0}));
    EXPECT_EQ(settings.end, makeClockTime({2026, 11, 2, 21, 0, 0}));
    EXPECT_EQ(settings.offTimeMinutes, 30);
    EXPECT_EQ(settings.maxHours, 24);
    EXPECT_EQ(settings.utcFlag, 1);
    EXPECT_EQ(settings.now, 12345);
    form.start = "";  // an open side
    EXPECT_EQ(firstFailure(form), "ok");
    EXPECT_EQ(form.settings(doc, kNoTime).start, kNoTime);
}

}  // namespace
}  // namespace sorvak
