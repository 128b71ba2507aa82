#include "commands/ListCommands.h"

#include <gtest/gtest.h>

#include "editing/ListSelection.h"
#include "model/CSorvakDoc.h"
#include "support/QsoFactory.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

TEST(DeleteCommand, AsksFirstThenDeletesTheSelectedRowsOrTellsThereAreNone) {
    CSorvakDoc doc;
    test::addCalls(doc, {"JA1AAA", "JA1BBB", "JA1CCC", "JA1DDD"});
    ScriptedUi ui;
    RowSelection list;
    list.selectRows({0, 2});
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(OnDelete(doc, ui, list));
    EXPECT_EQ(doc.count(), 4u);

    RowSelection none;
    ui.answers = {Answer::Ok};
    EXPECT_FALSE(OnDelete(doc, ui, none));
    EXPECT_EQ(ui.messageTexts().back(), "削除したいQSO行の左端の番号を選択してください。");
    EXPECT_FALSE(doc.isModified());

    ui.answers = {Answer::Ok};
    EXPECT_TRUE(OnDelete(doc, ui, list));
    EXPECT_EQ(test::callSigns(doc), (std::vector<std::string>{"JA1BBB", "JA1DDD"}));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(list.refreshCount, 1);
    EXPECT_EQ(ui.waitDepth, 0);
}

}  // namespace
}  // namespace sorvak
