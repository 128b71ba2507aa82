#include "editing/CheckListForm.h"

#include <gtest/gtest.h>

#include "model/CSorvakDoc.h"
#include "reports/ReportTestLog.h"

namespace sorvak {
namespace {

using test::qsoAt;

TEST(CheckListForm, WidensToTheLongestCallAndTakesOneTo999) {
    CSorvakDoc doc;
    doc.add(qsoAt(1, 1000, "7", "CW", "JA1ABCDEFGHI"));
    CheckListForm form = CheckListForm::prefilledFrom(doc);
    EXPECT_EQ(form.stationsPerLine, "8");
    EXPECT_EQ(form.charsPerStation, "13");
    EXPECT_TRUE(form.showPortable);
    using F = CheckListForm::Field;
    const std::string range = "1 から 999 までの整数を入力してください。";
    const std::pair<std::pair<const char*, const char*>, std::optional<std::pair<F, std::string>>>
        cases[] = {
            {{"0", "8"}, std::pair{F::StationsPerLine, range}},
            {{"abc", "8"}, std::pair{F::StationsPerLine, "整数を入力してください。"}},
            {{"3", "1000"}, std::pair{F::CharsPerStation, range}},
            {{"3", "99999999999999999999"},
             std::pair{F::CharsPerStation, "整数を入力してください。"}},
            {{" 999 ", "+1"}, std::nullopt},
        };
    for (const auto& [values, expected] : cases) {
        form.stationsPerLine = values.first;
        form.charsPerStation = values.second;
        auto failure = form.check();
        ASSERT_EQ(failure.has_value(), expected.has_value()) << values.first;
        if (failure) {
            EXPECT_EQ(failure->field, expected->first);
            EXPECT_EQ(failure->message, expected->second);
        }
    }
    form.showPortable = false;
    form.apply(doc);
    EXPECT_EQ(doc.reportSettings().stationsPerLine, 999);
    EXPECT_EQ(doc.reportSettings().charsPerStation, 1);
    EXPECT_EQ(doc.reportSettings().showPortable, 0);
}

}  // namespace
}  // namespace sorvak
