#include "commands/QsoEntryCommands.h"

#include <gtest/gtest.h>

#include "commands/ListCommands.h"
#include "editing/BulkChangeForm.h"
#include "editing/ListSelection.h"
#include "editing/QsoEditForm.h"
#include "model/CSorvakDoc.h"
#include "support/QsoFactory.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

// The dialog answered by a list of steps: each fills the form and says OK
// (true) or Cancel (false); the forms seen are kept.
struct DialogScript {
    std::vector<std::function<bool(QsoEditForm&)>> steps;
    std::vector<QsoEditForm> seen;
    size_t next = 0;

    void install(ScriptedUi& ui) {
        ui.dialogHandler = [this](DialogForm& form) {
            auto& qso = dynamic_cast<QsoEditForm&>(form);
            seen.push_back(qso);
            return next < steps.size() && steps[next++](qso);
        };
    }
};

TEST(EditQso, WritesTheFieldsAndKeepsARefusedBandUntilCorrected) {
    CSorvakDoc doc;
    test::addCalls(doc, {"JA1AAA", "JA1BBB"});
    ScriptedUi ui;
    DialogScript script;
    script.steps = {[](QsoEditForm& f) {
                        f.callSign = "JA1XYZ";
                        f.hour = "23";
                        f.minute = "59";
                        f.second = "30";
                        f.band = "1.8";
                        f.power = "H";
                        return true;
                    },
                    [](QsoEditForm&) { return false; }};
    script.install(ui);
    EXPECT_TRUE(editQso(doc, ui, 1));
    EXPECT_EQ(script.seen[0].qsoNumber, "2");
    EXPECT_EQ(script.seen[0].callSign, "JA1BBB");
    EXPECT_EQ(script.seen[1].band, "1.8");  // shown again as typed
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"ﾊﾞﾝﾄﾞ 1.8 は不正です。"});
    const QsoRecord& r = doc.at(1);
    EXPECT_EQ(r.callSign(), "JA1XYZ");
    EXPECT_EQ(r.secondsOfDay(), 23 * 3600 + 59 * 60 + 30);
    EXPECT_EQ(r.bandText(), "7");
    EXPECT_EQ(r.powerLetter(), 'H');
    EXPECT_TRUE(doc.isModified());
}

// 31 January given 15 February is 15 February, in both dialogs.
TEST(EditQso, ANewDateNeverPassesThroughAnotherMonth) {
    CSorvakDoc doc;
    test::addCalls(doc, {"JA1AAA", "JA1BBB"});
    ScriptedUi ui;
    ui.dialogHandler = [](DialogForm& form) {
        if (auto* bulk = dynamic_cast<BulkChangeForm*>(&form)) {
            bulk->changeDate = true;
            bulk->month = "2";
            bulk->day = "15";
        } else {
            auto& qso = dynamic_cast<QsoEditForm&>(form);
            qso.month = "2";
            qso.day = "15";
        }
        return true;
    };
    for (size_t row : {0, 1}) {
        doc.at(row).setDate(2026, 1, 31);
    }
    editQso(doc, ui, 0);
    bulkChange(doc, ui, {1});
    EXPECT_EQ(doc.at(0).month() * 100 + doc.at(0).day(), 215);
    EXPECT_EQ(doc.at(1).month() * 100 + doc.at(1).day(), 215);
}

TEST(EditQso, CancelChangesNothing) {
    CSorvakDoc doc;
    test::addCalls(doc, {"JA1AAA"});
    ScriptedUi ui;
    EXPECT_FALSE(editQso(doc, ui, 0));
    EXPECT_FALSE(doc.isModified());
}

class EnterNewQsos : public ::testing::Test {
  protected:
    void SetUp() override { script.install(ui); }

    void enter(size_t position) { enterNewQsos(doc, ui, list, position, memory); }

    static std::function<bool(QsoEditForm&)> qso(const std::string& call) {
        return [call](QsoEditForm& f) {
            f.clock = [] { return ClockParts{2026, 11, 3, 9, 5, 42}; };
            f.takeCurrentTime();
            f.callSign = call;
            f.rcvd = "13M";
            return true;
        };
    }
    static bool cancel(QsoEditForm&) { return false; }

    CSorvakDoc doc;
    ScriptedUi ui;
    RowSelection list;
    NewQsoMemory memory;
    DialogScript script;
};

TEST_F(EnterNewQsos, InsertsAtThePositionThenAfterTheLastAndRemembersTheRunsValues) {
    test::addCalls(doc, {"JA1AAA", "JA1BBB"});
    script.steps = {[](QsoEditForm& f) {
                        f.sent = "10H";
                        f.band = "7";
                        f.mode = "SSB";
                        f.srst = "59";
                        f.rrst = "59";
                        f.operatorName = "OP1";
                        f.power = "M";
                        return qso("JA2AAA")(f);
                    },
                    qso("JA2BBB"), cancel};
    enter(0);
    EXPECT_EQ(test::callSigns(doc),
              (std::vector<std::string>{"JA2AAA", "JA2BBB", "JA1AAA", "JA1BBB"}));
    const QsoEditForm& second = script.seen[1];
    EXPECT_EQ(second.title(), "新規QSO入力");
    EXPECT_EQ(second.qsoNumber, "2");
    EXPECT_EQ(second.callSign + "|" + second.rcvd, "|");
    EXPECT_EQ(
        second.sent + second.band + second.mode + second.srst + second.operatorName + second.power,
        "10H7SSB59OP1M");
    EXPECT_EQ(list.selectedRows(), std::vector<size_t>{1});
    EXPECT_EQ(list.refreshCount, 2);
    EXPECT_EQ(doc.at(0).secondsOfDay(), 9 * 3600 + 5 * 60);

    script = DialogScript{};
    script.steps = {cancel};
    script.install(ui);
    enter(doc.count());
    const QsoEditForm& later = script.seen[0];
    EXPECT_EQ(later.sent + later.band + later.operatorName + later.power, "10H7OP1M");
    EXPECT_EQ(later.mode + later.srst + later.rrst, "CW599599");
    EXPECT_EQ(later.qsoNumber, "5");
}

TEST_F(EnterNewQsos, RefusesAnEmptyCallAndABadBandInOneBox) {
    script.steps = {[](QsoEditForm& f) {
                        qso("")(f);
                        f.band = "1.8";
                        return true;
                    },
                    cancel};
    enter(0);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"ｺｰﾙｻｲﾝ \"\" は不正です。\n"
                                                          "ﾊﾞﾝﾄﾞ \"1.8\" は不正です。\n"});
    EXPECT_TRUE(doc.empty());
    EXPECT_EQ(script.seen[1].band, "1.8");
}

TEST_F(EnterNewQsos, RefusesAQsoAlreadyInTheLog) {
    script.steps = {qso("JA1AAA"), qso("JA1AAA"), cancel};
    enter(0);
    EXPECT_EQ(doc.count(), 1u);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"既存データです"});
    EXPECT_EQ(script.seen[2].callSign, "JA1AAA");
}

TEST_F(EnterNewQsos, AnEmptyPowerIsRefusedAndABadFieldKeepsTheDialogOpen) {
    script.steps = {[](QsoEditForm& f) {
                        qso("JA1AAA")(f);
                        f.points = "300";
                        return true;
                    },
                    [](QsoEditForm& f) {
                        f.points = "1";
                        f.power = "";
                        return true;
                    },
                    cancel};
    enter(0);
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"0 から 255 までの整数を入力してください。",
                                        "ﾊﾟﾜｰ \"\" は不正です。\n"}));
    EXPECT_TRUE(doc.empty());
}

}  // namespace
}  // namespace sorvak
