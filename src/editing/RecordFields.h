#pragma once

#include <string>

#include "model/QsoRecord.h"
#include "platform/Cp932.h"

namespace sorvak {

// Fills the fields that the QSO and bulk change dialogs share from a stored
// QSO: the date, both reports, the sent number, band, mode, power, points,
// TX number, operator and memo, as the dialogs show them.
template <typename Form>
void fillSharedFields(Form& form, const QsoRecord& r) {
    ClockParts parts = r.clockFace();
    form.year = std::to_string(parts.year);
    form.month = std::to_string(parts.month);
    form.day = std::to_string(parts.day);
    form.srst = std::to_string(r.srst());
    form.sent = cp932ToUtf8(r.sent());
    form.rrst = std::to_string(r.rrst());
    form.band = std::string(r.bandText());
    form.mode = std::string(r.modeText());
    char letter = r.powerLetter();
    form.power = letter == '\0' ? std::string() : std::string(1, letter);
    form.points = std::to_string(r.points());
    form.txNumber = std::to_string(r.txNumber());
    form.operatorName = cp932ToUtf8(r.operatorName());
    form.memo = cp932ToUtf8(r.memo());
}

}  // namespace sorvak
