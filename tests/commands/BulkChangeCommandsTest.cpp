#include <gtest/gtest.h>

#include "commands/ListCommands.h"
#include "editing/BulkChangeForm.h"
#include "model/CSorvakDoc.h"
#include "model/Vocabulary.h"
#include "support/QsoFactory.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
namespace {

std::unique_ptr<QsoRecord> at(int year, int month, int day, int seconds, const char* band) {
    auto q = test::qso("JA1AAA");
    q->setDate(year, month, day);
    q->setSecondsOfDay(seconds);
    q->setBand(bandCodeOf(band));
    return q;
}

std::string stamp(const QsoRecord& r) {
    char text[32];
    auto p = *breakDownClockTime(r.time());
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    return text;
}

class BulkChange : public ::testing::Test {
  protected:
    // Runs the change over every row with the form's fields set by `fill`;
    // the dialog is cancelled on its second showing.
    bool change(const std::function<void(BulkChangeForm&)>& fill) {
        std::vector<size_t> rows;
        for (size_t i = 0; i < doc.count(); ++i) {
            rows.push_back(i);
        }
        int shown = 0;
        ui.dialogHandler = [&](DialogForm& form) {
            auto& bulk = dynamic_cast<BulkChangeForm&>(form);
            seen.push_back(bulk);
            if (shown++ > 0) {
                return false;
            }
            fill(bulk);
            return true;
        };
        return bulkChange(doc, ui, rows);
    }

    CSorvakDoc doc;
    ScriptedUi ui;
    std::vector<BulkChangeForm> seen;
};

TEST_F(BulkChange, ShiftsTimesAcrossMidnightAndSetsTheDateDroppingSeconds) {
    doc.add(at(2008, 11, 16, 5 * 3600, "7"));
    doc.add(at(2008, 11, 16, 10 * 3600 + 30 * 60, "7"));
    doc.add(at(2008, 11, 16, 23 * 3600 + 50 * 60, "7"));
    EXPECT_TRUE(change([](BulkChangeForm& f) {
        f.changeTime = true;
        f.shiftHours = "-9";
    }));
    EXPECT_EQ(stamp(doc.at(0)), "2008-11-15 20:00:00");
    EXPECT_EQ(stamp(doc.at(1)), "2008-11-16 01:30:00");
    EXPECT_EQ(seen[0].year + "-" + seen[0].month + "-" + seen[0].day, "2008-11-16");

    doc.at(2).setSecondsOfDay(23 * 3600 + 50 * 60 + 17);
    change([](BulkChangeForm& f) {
        f.changeDate = true;
        f.year = "2009";
        f.month = "2";
        f.day = "1";
    });
    EXPECT_EQ(stamp(doc.at(2)), "2009-02-01 23:50:00");
    EXPECT_EQ(stamp(doc.at(0)), "2009-02-01 20:00:00");

    change([](BulkChangeForm& f) {
        f.changeTime = true;
        f.shiftHours = "0";
        f.shiftMinutes = "20";
    });
    EXPECT_EQ(stamp(doc.at(0)), "2009-02-01 20:20:00");
    doc.at(0).setSecondsOfDay(23 * 3600 + 50 * 60);
    change([](BulkChangeForm& f) {
        f.changeTime = true;
        f.shiftMinutes = "20";
    });
    EXPECT_EQ(stamp(doc.at(0)), "2009-02-02 00:10:00");
}

TEST_F(BulkChange, ConditionsLimitTheChangeToOneBand) {
    doc.add(at(2008, 11, 16, 0, "7"));
    doc.add(at(2008, 11, 16, 0, "14"));
    doc.add(at(2008, 11, 16, 0, "7"));
    change([](BulkChangeForm& f) {
        f.changePower = true;
        f.power = "L";
        f.onlyBand = true;
        f.onlyBandText = "7";
    });
    std::string powers;
    for (size_t row = 0; row < doc.count(); ++row) {
        powers += doc.at(row).powerLetter();
    }
    EXPECT_EQ(powers, "LHL");
}

TEST_F(BulkChange, ARefusedTextChangesNoRowAndAnotherOkAppliesOnce) {
    doc.add(at(2008, 11, 16, 5 * 3600, "7"));
    doc.add(at(2008, 11, 16, 6 * 3600, "14"));
    int shown = 0;
    ui.dialogHandler = [&](DialogForm& form) {
        auto& f = dynamic_cast<BulkChangeForm&>(form);
        seen.push_back(f);
        if (shown++ == 0) {
            f.changeTime = true;
            f.shiftHours = "1";
            f.changePower = true;
            f.power = "p";
        } else {
            f.power = "M";
        }
        return true;
    };
    EXPECT_TRUE(bulkChange(doc, ui, {0, 1}));
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"ﾊﾟﾜｰ p は不正です。"});
    EXPECT_EQ(seen[1].power, "p");
    EXPECT_EQ(stamp(doc.at(0)), "2008-11-16 06:00:00");
    EXPECT_EQ(stamp(doc.at(1)), "2008-11-16 07:00:00");
    EXPECT_EQ(doc.at(1).powerLetter(), 'M');
}

TEST_F(BulkChange, ChecksItsFieldsInOrderAndConditionsAloneStillMarkModified) {
    doc.add(at(2008, 11, 16, 0, "7"));
    BulkChangeForm form = BulkChangeForm::prefilledFrom(doc.at(0));
    form.shiftMinutes = "60";
    form.shiftHours = "x";
    form.txNumber = "256";
    form.onlyModeText = "SSB-CW";
    EXPECT_EQ(form.check()->field, BulkChangeForm::Field::OnlyMode);
    form.onlyModeText = "";
    EXPECT_EQ(form.check()->message, "-59 から 59 までの整数を入力してください。");
    form.shiftMinutes = "-59";
    EXPECT_EQ(form.check()->message, "整数を入力してください。");
    form.shiftHours = "-23";
    EXPECT_EQ(form.check()->message, "0 から 255 までの整数を入力してください。");

    change([](BulkChangeForm& f) {
        f.onlyBand = true;
        f.onlyBandText = "14";
        f.changeBand = true;
        f.band = "1.8";  // no row meets the condition: nothing to refuse
    });
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(ui.messageTexts().empty());
    EXPECT_EQ(doc.at(0).bandText(), "7");
}

}  // namespace
}  // namespace sorvak
