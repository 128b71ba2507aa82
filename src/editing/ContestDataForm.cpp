#include "editing/ContestDataForm.h"

#include <cstdio>

#include "editing/FieldChecks.h"
#include "formats/BinaryLog.h"
#include "model/CSorvakDoc.h"
#include "platform/Cp932.h"

namespace sorvak {

ContestDataForm ContestDataForm::prefilledFrom(const CSorvakDoc& doc) {
    const ContestInfo& info = doc.contest();
    ContestDataForm form;
    form.stationCall = cp932ToUtf8(info.stationCall);
    form.contestName = cp932ToUtf8(info.contestName);
    form.utc = info.utcFlag == 1;
    form.coefficient = std::to_string(info.coefficient);
    char version[64];
    std::snprintf(version, sizeof version, "%.15g", info.version);
    form.version = version;
    return form;
}

std::optional<ContestDataForm::Failure> ContestDataForm::check() const {
    if (auto message = checkText(stationCall)) {
        return Failure{Field::CallSign, *message};
    }
    if (auto message = checkText(contestName, kContestNameLimit)) {
        return Failure{Field::ContestName, *message};
    }
    // The binary log would read such a header back as a server log's and
    // drop the contest data.
    if (contestName.find(kServerLogMark) != std::string::npos) {
        return Failure{Field::ContestName, kServerLogName};
    }
    if (auto message = checkSigned(coefficient, kCoefficientMin, kCoefficientMax)) {
        return Failure{Field::Coefficient, *message};
    }
    return std::nullopt;
}

void ContestDataForm::apply(CSorvakDoc& doc) const {
    ContestInfo& info = doc.contest();
    info.utcFlag = utc ? 1 : 0;
    info.coefficient = numberOf(coefficient);
    info.stationCall = storedText(stationCall);
    info.contestName = storedText(contestName);
}

}  // namespace sorvak
