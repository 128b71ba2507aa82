#include "commands/SortCommands.h"

#include <gtest/gtest.h>

#include "model/CSorvakDoc.h"
#include "model/Sorting.h"
#include "support/QsoFactory.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

using test::addCalls;

TEST(SortQsos, RefusesFewerThanTwoQsos) {
    CSorvakDoc doc;
    ScriptedUi ui;
    addCalls(doc, {"JA1AA"});
    sortQsos(doc, ui, SORT_TIME);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"ソートすべきデータがありません。"});
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(ui.waitCount, 0);
}

TEST(SortQsos, SetsModifiedAndShowsTheWaitCursor) {
    CSorvakDoc doc;
    ScriptedUi ui;
    addCalls(doc, {"JA1AA", "JA1AB"});
    sortQsos(doc, ui, SORT_TIME);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(ui.waitCount, 1);
    EXPECT_EQ(ui.waitDepth, 0);
    EXPECT_TRUE(ui.events.empty());
}

}  // namespace
}  // namespace sorvak
