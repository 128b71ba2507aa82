#include "editing/BulkChangeForm.h"

#include "editing/FieldChecks.h"
#include "editing/RecordFields.h"
#include "model/CSorvakDoc.h"
#include "model/FieldCapacities.h"
#include "model/QsoRecord.h"
#include "model/Vocabulary.h"
#include "platform/Cp932.h"

namespace sorvak {

BulkChangeForm BulkChangeForm::prefilledFrom(const QsoRecord& r) {
    BulkChangeForm form;
    fillSharedFields(form, r);
    return form;
}

std::optional<BulkChangeForm::Failure> BulkChangeForm::check() const {
    struct Check {
        Field field;
        std::optional<std::string> message;
    };
    const Check checks[] = {
        {Field::Band, checkText(band, kBandTextCapacity)},
        {Field::Day, checkUnsigned(day, 1, 31)},
        {Field::Memo, checkText(memo, kMemoCapacity)},
        {Field::Mode, checkText(mode, kModeTextCapacity)},
        {Field::Month, checkUnsigned(month, 1, 12)},
        {Field::Operator, checkText(operatorName, kOperatorCapacity)},
        {Field::Power, checkText(power, kPowerTextCapacity)},
        {Field::Points, checkUnsigned(points, 0, kMaxPoints)},
        {Field::Rrst, checkUnsigned(rrst, 0, kMaxRst)},
        {Field::Sent, checkText(sent, kExchangeCapacity)},
        {Field::Srst, checkUnsigned(srst, 0, kMaxRst)},
        {Field::Year, checkUnsigned(year, kFirstYear, kLastYear)},
        {Field::OnlyBand, checkText(onlyBandText, kBandTextCapacity)},
        {Field::OnlyMode, checkText(onlyModeText, kModeTextCapacity)},
        {Field::ShiftMinutes, checkSigned(shiftMinutes, -59, 59)},
        {Field::ShiftHours, checkSigned(shiftHours, -23, 23)},
        {Field::TxNumber, checkUnsigned(txNumber, 0, kMaxTxNumber)},
        {Field::Rcvd, checkText(rcvd, kExchangeCapacity)},
    };
    for (const Check& c : checks) {
        if (c.message) {
            return Failure{c.field, *c.message};
        }
    }
    return std::nullopt;
}

bool BulkChangeForm::meetsConditions(const QsoRecord& r) const {
    if (onlyBand && r.bandText() != storedText(onlyBandText)) {
        return false;
    }
    return !onlyMode || r.modeText() == storedText(onlyModeText);
}

void BulkChangeForm::change(QsoRecord& r) const {
    if (changeDate) {
        r.setDate(numberOf(year), numberOf(month), numberOf(day));
    }
    // A QSO without a time has no time of day to shift.
    if (changeTime && r.secondsOfDay() >= 0) {
        r.setSecondsOfDay(r.secondsOfDay() + numberOf(shiftMinutes) * 60 +
                          numberOf(shiftHours) * 3600);
    }
    if (changeSrst) {
        r.setSrst(numberOf(srst));
    }
    if (changeSent) {
        r.setSent(storedText(sent));
    }
    if (changeRrst) {
        r.setRrst(numberOf(rrst));
    }
    if (changeRcvd) {
        r.setRcvd(storedText(rcvd));
    }
    if (changeBand) {
        r.setBand(bandCodeOf(storedText(band)));
    }
    if (changeMode) {
        r.setMode(modeCodeOf(storedText(mode)));
    }
    if (changePower) {
        r.setPower(powerCodeOf(power[0]));
    }
    if (changePoints) {
        r.setPoints(numberOf(points));
    }
    if (changeTxNumber) {
        r.setTxNumber(numberOf(txNumber));
    }
    if (changeOperator) {
        r.setOperatorName(storedText(operatorName));
    }
    if (changeMemo) {
        r.setMemo(storedText(memo));
    }
}

std::optional<std::string> BulkChangeForm::apply(CSorvakDoc& doc,
                                                 const std::vector<size_t>& rows) const {
    bool anyRow = false;
    for (size_t row : rows) {
        anyRow = anyRow || meetsConditions(doc.at(row));
    }
    // The texts are tried before the first record changes, so a refused text
    // never leaves half the rows changed for a later OK to change again.
    if (anyRow) {
        if (changeBand && bandCodeOf(storedText(band)) < 0) {
            return "ﾊﾞﾝﾄﾞ " + band + " は不正です。";
        }
        if (changeMode && modeCodeOf(storedText(mode)) < 0) {
            return "ﾓｰﾄﾞ " + mode + " は不正です。";
        }
        if (changePower && (power.empty() || powerCodeOf(power[0]) < 0)) {
            return "ﾊﾟﾜｰ " + power + " は不正です。";
        }
    }
    for (size_t row : rows) {
        if (meetsConditions(doc.at(row))) {
            change(doc.at(row));
        }
    }
    return std::nullopt;
}

}  // namespace sorvak
