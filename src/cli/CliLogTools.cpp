#include "CliLogTools.h"

#include <map>
#include <regex>
#include <string_view>

#include "CliArguments.h"
#include "commands/ListCommands.h"
#include "commands/LogToolCommands.h"
#include "editing/BulkChangeForm.h"
#include "editing/ContestDataForm.h"
#include "editing/ListSelection.h"
#include "editing/LogTools.h"
#include "editing/NumberToMultiForm.h"
#include "editing/SentNumberForm.h"
#include "model/CSorvakDoc.h"
#include "platform/Cp932.h"

namespace sorvak {
namespace {

using K = CliAction::Kind;

struct Assignment {
    std::string field;
    std::string value;
};

// FIELD=VALUE: the value is everything after the first '='.
std::optional<Assignment> splitAssignment(const std::string& text) {
    auto equals = text.find('=');
    if (equals == std::string::npos || equals == 0) {
        return std::nullopt;
    }
    return Assignment{text.substr(0, equals), text.substr(equals + 1)};
}

// The box and value of the bulk fields that take the value as it stands.
struct BulkField {
    bool BulkChangeForm::*box;
    std::string BulkChangeForm::*value;
};

const std::map<std::string_view, BulkField> kBulkFields = {
    {"srst", {&BulkChangeForm::changeSrst, &BulkChangeForm::srst}},
    {"sent", {&BulkChangeForm::changeSent, &BulkChangeForm::sent}},
    {"rrst", {&BulkChangeForm::changeRrst, &BulkChangeForm::rrst}},
    {"rcvd", {&BulkChangeForm::changeRcvd, &BulkChangeForm::rcvd}},
    {"band", {&BulkChangeForm::changeBand, &BulkChangeForm::band}},
    {"mode", {&BulkChangeForm::changeMode, &BulkChangeForm::mode}},
    {"power", {&BulkChangeForm::changePower, &BulkChangeForm::power}},
    {"tx", {&BulkChangeForm::changeTxNumber, &BulkChangeForm::txNumber}},
    {"points", {&BulkChangeForm::changePoints, &BulkChangeForm::points}},
    {"operator", {&BulkChangeForm::changeOperator, &BulkChangeForm::operatorName}},
    {"memo", {&BulkChangeForm::changeMemo, &BulkChangeForm::memo}},
};

// Sets the date or the shift from its command-line spelling; false when the
// spelling is wrong.
bool setDate(BulkChangeForm& form, const std::string& value) {
    static const std::regex date(R"((\d{1,9})-(\d{1,2})-(\d{1,2}))");
    std::smatch m;
    if (!std::regex_match(value, m, date)) {
        return false;
    }
    form.changeDate = true;
    form.year = m[1];
    form.month = m[2];
    form.day = m[3];
    return true;
}

bool setShift(BulkChangeForm& form, const std::string& value) {
    static const std::regex shift(R"(([+-]?)(\d{1,9}):(\d{2}))");
    std::smatch m;
    if (!std::regex_match(value, m, shift)) {
        return false;
    }
    // The sign applies to the whole amount: -0:30 is thirty minutes earlier.
    std::string sign = m[1] == "-" ? "-" : "";
    form.changeTime = true;
    form.shiftHours = sign + m[2].str();
    form.shiftMinutes = sign + m[3].str();
    return true;
}

}  // namespace

bool CliLogTools::handles(const CliAction& action) {
    switch (action.kind) {
        case K::DeleteDupes:
        case K::SentNumber:
        case K::NumberToMulti:
        case K::NumberToMultiDigits:
        case K::Bulk:
        case K::OnlyBand:
        case K::OnlyMode:
        case K::ContestData:
            return true;
        default:
            return false;
    }
}

std::optional<int> CliLogTools::refuse(const std::string& message) {
    err_ << message << '\n';
    return 1;
}

std::optional<int> CliLogTools::malformed(const std::string& message) {
    err_ << "sorvak-cli: " << message << '\n' << kCliUsage;
    return 2;
}

std::optional<int> CliLogTools::apply(const CliAction& action, CSorvakDoc& doc, Ui& ui) {
    switch (action.kind) {
        case K::DeleteDupes:
            deleteDupes(doc, ui);
            return std::nullopt;
        case K::SentNumber: {
            SentNumberForm form;
            form.sent = action.value;
            if (auto message = form.check()) {
                return refuse(*message);
            }
            applySentNumber(doc, utf8ToCp932(form.sent));
            return std::nullopt;
        }
        case K::NumberToMulti:
        case K::NumberToMultiDigits:
            return numberToMulti(action.value, action.kind == K::NumberToMultiDigits, doc);
        case K::Bulk:
            return bulk(action.value, doc, ui);
        case K::OnlyBand:
            onlyBand_ = action.value.empty() ? std::nullopt : std::optional(action.value);
            return std::nullopt;
        case K::OnlyMode:
            onlyMode_ = action.value.empty() ? std::nullopt : std::optional(action.value);
            return std::nullopt;
        case K::ContestData:
            return contestData(action.value, doc);
        default:
            return std::nullopt;
    }
}

void CliLogTools::deleteDupes(CSorvakDoc& doc, Ui& ui) {
    RowSelection list;
    std::vector<size_t> rows = OnCheckDupe(doc, ui, list);
    if (!rows.empty()) {
        deleteRows(doc, rows);
    }
}

std::optional<int> CliLogTools::numberToMulti(const std::string& count, bool digitsOnly,
                                              CSorvakDoc& doc) {
    NumberToMultiForm form;
    form.cutCount = count;
    form.digitsOnly = digitsOnly;
    if (auto message = form.check()) {
        return refuse(*message);
    }
    applyNumberToMulti(doc, form);
    return std::nullopt;
}

std::optional<int> CliLogTools::bulk(const std::string& text, CSorvakDoc& doc, Ui& ui) {
    auto assignment = splitAssignment(text);
    if (!assignment) {
        return malformed("--bulk takes FIELD=VALUE");
    }
    // Every field the change leaves alone holds an acceptable value.
    BulkChangeForm form;
    form.year = "2000";
    form.month = "1";
    form.day = "1";
    const auto& [field, value] = *assignment;
    if (field == "date") {
        if (!setDate(form, value)) {
            return malformed("--bulk date takes YYYY-MM-DD");
        }
    } else if (field == "shift") {
        if (!setShift(form, value)) {
            return malformed("--bulk shift takes +H:MM or -H:MM");
        }
    } else if (auto it = kBulkFields.find(field); it != kBulkFields.end()) {
        form.*it->second.box = true;
        form.*it->second.value = value;
    } else {
        return malformed("unknown --bulk field " + field);
    }
    form.onlyBand = onlyBand_.has_value();
    form.onlyBandText = onlyBand_.value_or("");
    form.onlyMode = onlyMode_.has_value();
    form.onlyModeText = onlyMode_.value_or("");
    if (auto failure = form.check()) {
        return refuse(failure->message);
    }
    std::vector<size_t> rows(doc.count());
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i] = i;
    }
    doc.setModified();
    if (auto refusal = form.apply(doc, rows)) {
        ui.tell(*refusal);
        return 1;
    }
    return std::nullopt;
}

std::optional<int> CliLogTools::contestData(const std::string& text, CSorvakDoc& doc) {
    auto assignment = splitAssignment(text);
    if (!assignment) {
        return malformed("--contest-data takes FIELD=VALUE");
    }
    ContestDataForm form = ContestDataForm::prefilledFrom(doc);
    const auto& [field, value] = *assignment;
    if (field == "call") {
        form.stationCall = value;
    } else if (field == "name") {
        form.contestName = value;
    } else if (field == "utc") {
        if (value != "0" && value != "1") {
            return malformed("--contest-data utc takes 0 or 1");
        }
        form.utc = value == "1";
    } else if (field == "coefficient") {
        form.coefficient = value;
    } else {
        return malformed("unknown --contest-data field " + field);
    }
    if (auto failure = form.check()) {
        return refuse(failure->message);
    }
    form.apply(doc);
    doc.setModified();
    return std::nullopt;
}

}  // namespace sorvak
