#include "model/LogHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "formats/BinaryLog.h"
#include "model/CSorvakDoc.h"
#include "support/QsoFactory.h"

namespace sorvak {
namespace {

// A log of random QSOs and its history, started on it.
class LogHistoryTest : public ::testing::Test {
  protected:
    LogHistoryTest() {
        std::mt19937 random(11);
        for (int i = 0; i < 50; ++i) {
            doc.add(test::randomQso(random));
        }
        history.reset(doc);
    }

    // Runs `change` as one step and checks that undo gives back the log's
    // exact bytes before it, and redo those after it.
    static std::string named(const char* name, size_t rows) {
        return rows == 0 ? name : std::string(name) + " (" + std::to_string(rows) + " QSO)";
    }

    template <typename Change>
    void checkStep(const char* name, size_t rows, Change change) {
        std::string before = writeBinaryLog(doc);
        change(doc);
        std::string after = writeBinaryLog(doc);
        ASSERT_TRUE(history.record(doc, name));
        EXPECT_EQ(history.undoName(), named(name, rows));
        ASSERT_TRUE(history.undo(doc));
        EXPECT_EQ(writeBinaryLog(doc), before) << name;
        EXPECT_EQ(history.redoName(), named(name, rows));
        ASSERT_TRUE(history.redo(doc));
        EXPECT_EQ(writeBinaryLog(doc), after) << name;
    }

    CSorvakDoc doc;
    LogHistory history;
};

TEST_F(LogHistoryTest, EveryKindOfChangeIsUndoneAndRedoneExactly) {
    checkStep("QSO行編集", 1, [](CSorvakDoc& d) {
        d.at(3).setCallSign("JA1\x82\xA0LONGER-CALL");
        d.at(3).setMemo(std::string(200, 'm'));
        d.at(3).setTime(kNoTime);
    });
    checkStep("新規QSO入力", 2, [](CSorvakDoc& d) {
        d.insertAt(0, test::qso("JA1NEW", 5));
        d.add(test::qso("JA1END", 9));
    });
    checkStep("削除", 3, [](CSorvakDoc& d) { d.removeRows({0, 7, 8}); });
    // 49 rows turned round: all but the middle one move.
    checkStep("並べ替え", 48, [](CSorvakDoc& d) {
        std::reverse(d.mutableQsoList().begin(), d.mutableQsoList().end());
    });
    checkStep("送信ナンバー一括変更", 49, [](CSorvakDoc& d) {
        for (auto& q : d.mutableQsoList()) {
            q->setSent("1\x8A\xBF");
        }
    });
    checkStep("コンテストデータ編集", 0, [](CSorvakDoc& d) {
        d.contest().stationCall = "JA1ZZZ";
        d.contest().utcFlag = 1;
    });
    checkStep("マージ", 2, [](CSorvakDoc& d) {
        d.add(test::qso("JA9ZZ", 1));
        d.insertAt(4, test::qso("JA8ZZ", 2));
        std::reverse(d.mutableQsoList().begin(), d.mutableQsoList().end());
    });
    EXPECT_EQ(history.stepCount(), 7u);
    EXPECT_FALSE(history.record(doc, "何もしない"));
}

TEST_F(LogHistoryTest, UndoWalksBackToTheStartAndANewStepDropsWhatWasUndone) {
    std::string start = writeBinaryLog(doc);
    doc.at(0).setPoints(5);
    history.record(doc, "A");
    doc.removeRows({1});
    history.record(doc, "B");
    EXPECT_TRUE(history.undo(doc));
    EXPECT_TRUE(history.undo(doc));
    EXPECT_FALSE(history.undo(doc));
    EXPECT_EQ(writeBinaryLog(doc), start);
    doc.at(2).setPoints(7);
    history.record(doc, "C");
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoName(), "C (1 QSO)");
}

TEST_F(LogHistoryTest, TheModifiedFlagFollowsTheSavedStep) {
    doc.at(0).setPoints(5);
    history.record(doc, "A");
    history.markSaved();
    doc.setModified(false);
    doc.at(1).setPoints(5);
    history.record(doc, "B");
    history.undo(doc);
    EXPECT_FALSE(doc.isModified());
    history.undo(doc);
    EXPECT_TRUE(doc.isModified());
    history.redo(doc);
    EXPECT_FALSE(doc.isModified());
    history.redo(doc);
    EXPECT_TRUE(doc.isModified());
    // Once the saved state is dropped with the undone steps, nothing is it.
    history.undo(doc);
    history.undo(doc);
    doc.at(2).setPoints(9);
    history.record(doc, "C");
    history.undo(doc);
    EXPECT_TRUE(doc.isModified());
}

TEST(LogHistory, KeepsAtMostItsStepsAndItsMemory) {
    CSorvakDoc doc;
    test::addCalls(doc, {"JA1A", "JA1B"});
    LogHistory history(LogHistory::Limits{.maxSteps = 3, .maxBytes = size_t{1} << 30});
    history.reset(doc);
    for (int points = 1; points <= 5; ++points) {
        doc.at(0).setPoints(points);
        history.record(doc, "P");
    }
    EXPECT_EQ(history.stepCount(), 3u);
    while (history.undo(doc)) {
    }
    EXPECT_EQ(doc.at(0).points(), 2);

    LogHistory small(LogHistory::Limits{.maxSteps = 100, .maxBytes = 1});
    small.reset(doc);
    for (int points = 1; points <= 3; ++points) {
        doc.at(1).setPoints(points);
        small.record(doc, "P");
    }
    EXPECT_EQ(small.stepCount(), 1u);  // the newest is always kept
}

}  // namespace
}  // namespace sorvak
