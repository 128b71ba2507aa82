#include "editing/CheckListForm.h"

#include <algorithm>
#include <charconv>

#include "model/CSorvakDoc.h"

namespace sorvak {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// An integer as the dialogs read one: an optional sign and digits, blanks
// around them allowed. Nothing when the text is no integer.
std::optional<long long> parseInteger(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    if (begin < end && text[begin] == '+') {
        ++begin;
    }
    long long value = 0;
    auto [ptr, error] = std::from_chars(text.data() + begin, text.data() + end, value);
    if (begin == end || error != std::errc() || ptr != text.data() + end) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> rangeMessage(const std::string& text) {
    std::optional<long long> value = parseInteger(text);
    if (!value) {
        return "整数を入力してください。";
    }
    if (*value < CheckListForm::kMinimum || *value > CheckListForm::kMaximum) {
        return std::to_string(CheckListForm::kMinimum) + " から " +
               std::to_string(CheckListForm::kMaximum) + " までの整数を入力してください。";
    }
    return std::nullopt;
}

}  // namespace

CheckListForm CheckListForm::prefilledFrom(const CSorvakDoc& doc) {
    ReportSettings settings = doc.reportSettings();
    size_t longest = 0;
    for (const auto& qso : doc.qsoList()) {
        longest = std::max(longest, qso->callSign().size());
    }
    CheckListForm form;
    form.stationsPerLine = std::to_string(settings.stationsPerLine);
    form.charsPerStation = std::to_string(std::max(static_cast<long long>(settings.charsPerStation),
                                                   static_cast<long long>(longest) + 1));
    form.showPortable = settings.showPortable != 0;
    return form;
}

std::optional<CheckListForm::Failure> CheckListForm::check() const {
    if (auto message = rangeMessage(stationsPerLine)) {
        return Failure{Field::StationsPerLine, *message};
    }
    if (auto message = rangeMessage(charsPerStation)) {
        return Failure{Field::CharsPerStation, *message};
    }
    return std::nullopt;
}

void CheckListForm::apply(CSorvakDoc& doc) const {
    ReportSettings settings = doc.reportSettings();
    settings.stationsPerLine = static_cast<int>(parseInteger(stationsPerLine).value_or(1));
    settings.charsPerStation = static_cast<int>(parseInteger(charsPerStation).value_or(1));
    settings.showPortable = showPortable ? 1 : 0;
    doc.setReportSettings(settings);
}

}  // namespace sorvak
