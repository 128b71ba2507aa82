#include "editing/JarlLogForm.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "model/CSorvakDoc.h"
#include "platform/Cp932.h"
#include "platform/TextFormat.h"

namespace sorvak {
namespace {

using F = JarlField;

// The fields that must be filled in, in the order they are checked.
constexpr JarlField kRequired[] = {F::Contest, F::Category, F::CallSign, F::Address,  F::Name,
                                   F::Email,   F::Power,    F::Oath,     F::Signature};

// True when the text holds nothing but blanks and line ends.
bool isBlank(std::string_view text) {
    constexpr std::string_view kWideSpace = "　";
    while (!text.empty()) {
        if (text.front() == ' ' || text.front() == '\t' || text.front() == '\r' ||
            text.front() == '\n') {
            text.remove_prefix(1);
        } else if (text.substr(0, kWideSpace.size()) == kWideSpace) {
            text.remove_prefix(kWideSpace.size());
        } else {
            return false;
        }
    }
    return true;
}

// A typed line end ("\r\n" or a lone '\r') as the '\n' the header keeps.
std::string withNewlines(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<std::string> badCharacterMessage(const JarlFieldInfo& info,
                                               const std::string& value) {
    std::string label = info.label;
    if (value.find_first_of("<>") != std::string::npos) {
        return label + "に「<」や「>」は使えません。";
    }
    if (!info.multiLine && value.find_first_of("\r\n") != std::string::npos) {
        return label + "は1行で記入してください。";
    }
    if (!utf8ToCp932Exact(value)) {
        return label + "にシフトJIS(CP932)で表せない文字が含まれています。";
    }
    return std::nullopt;
}

// The log's operator names, distinct, in the order they first appear; QSOs
// without one are passed over.
std::vector<std::string> operatorsOf(const CSorvakDoc& doc) {
    std::vector<std::string> names;
    std::unordered_set<std::string_view> seen;
    for (const auto& qso : doc.qsoList()) {
        const std::string& name = qso->operatorName();
        if (seen.insert(name).second) {
            std::string utf8 = cp932ToUtf8(name);
            if (!isBlank(utf8)) {
                names.push_back(std::move(utf8));
            }
        }
    }
    return names;
}

// The call proper of a call sign that may carry a portable prefix or suffix
// ("KH0/JA1ZZZ", "JA1ZZZ/1"): its longest part between slashes.
std::string_view callProper(std::string_view call) {
    std::string_view longest;
    while (true) {
        size_t slash = call.find('/');
        std::string_view part = call.substr(0, slash);
        if (part.size() > longest.size()) {
            longest = part;
        }
        if (slash == std::string_view::npos) {
            return longest;
        }
        call.remove_prefix(slash + 1);
    }
}

// True when an operator of the log is someone other than the holder of the
// call sign.
bool othersOperated(const std::vector<std::string>& operators, const std::string& callSign) {
    std::string_view holder = callProper(callSign);
    return std::any_of(operators.begin(), operators.end(),
                       [holder](const std::string& name) { return callProper(name) != holder; });
}

std::string joinedWithBlanks(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : " ") + name;
    }
    return text;
}

}  // namespace

const char* const JarlLogForm::kOath =
    "私は、JARL制定のコンテスト規約および電波法令にしたがい運用した結果、ここに提出するサマリーシ"
    "ートおよびログシートなどが事実と相違ないものであることを、私の名誉において誓います。";

std::string JarlLogForm::dateText(const ClockParts& day) {
    return formatText("%d年%d月%d日", day.year, day.month, day.day);
}

JarlLogForm JarlLogForm::prefilledFrom(const CSorvakDoc& doc, const ClockParts& today) {
    JarlLogForm form;
    const JarlLogHeader& header = doc.jarlLogHeader();
    for (const JarlFieldInfo& info : jarlFields()) {
        form[info.field] = cp932ToUtf8(header[info.field]);
    }
    form.checkLog = header.checkLog;
    form.utcLogSheet = header.utcLogSheet;
    form.logOperators = operatorsOf(doc);
    const ContestInfo& contest = doc.contest();
    auto offer = [&form](JarlField field, const std::string& value) {
        if (form[field].empty()) {
            form[field] = value;
        }
    };
    offer(F::Contest, cp932ToUtf8(contest.contestName));
    offer(F::CallSign, cp932ToUtf8(contest.stationCall));
    if (othersOperated(form.logOperators, form[F::CallSign])) {
        offer(F::MultiOpList, joinedWithBlanks(form.logOperators));
    }
    if (contest.coefficient >= 1) {
        offer(F::FdCoeff, std::to_string(contest.coefficient));
    }
    offer(F::Oath, kOath);
    offer(F::Date, dateText(today));
    offer(F::Signature, form[F::Name]);
    form.score = scoreOf(doc.qsoList());
    return form;
}

void JarlLogForm::setName(const std::string& name) {
    std::string& signature = (*this)[F::Signature];
    if (signature.empty() || signature == (*this)[F::Name]) {
        signature = name;
    }
    (*this)[F::Name] = name;
}

int64_t JarlLogForm::totalScore() const {
    return claimedScore(score, (*this)[F::FdCoeff], checkLog);
}

std::vector<std::string> JarlLogForm::scoreLines() const {
    return scoreTableLines(score, (*this)[F::FdCoeff], checkLog);
}

std::optional<JarlLogForm::Failure> JarlLogForm::check() const {
    for (JarlField field : kRequired) {
        if ((field != F::Category || !checkLog) && isBlank((*this)[field])) {
            return Failure{field,
                           std::string(jarlFieldInfo(field).label) + "が記入されていません。"};
        }
    }
    for (const JarlFieldInfo& info : jarlFields()) {
        if (auto message = badCharacterMessage(info, (*this)[info.field])) {
            return Failure{info.field, *message};
        }
    }
    const std::string& coefficient = (*this)[F::FdCoeff];
    if (!coefficient.empty() && !fieldDayCoefficient(coefficient)) {
        return Failure{F::FdCoeff, formatText("%d から %d までの整数を入力してください。", 1,
                                              kMaxFieldDayCoefficient)};
    }
    return std::nullopt;
}

std::optional<std::string> JarlLogForm::operatorListQuestion() const {
    const std::string& callSign = (*this)[F::CallSign];
    if (!isBlank((*this)[F::MultiOpList]) || !othersOperated(logOperators, callSign)) {
        return std::nullopt;
    }
    return "運用者リストが記入されていませんが、ログには " + callSign +
           " 以外の運用者が記録されています。\nこのまま書き出しますか?";
}

void JarlLogForm::apply(CSorvakDoc& doc) const {
    JarlLogHeader& header = doc.jarlLogHeader();
    for (const JarlFieldInfo& info : jarlFields()) {
        header[info.field] = utf8ToCp932(withNewlines((*this)[info.field]));
    }
    header.checkLog = checkLog;
    header.utcLogSheet = utcLogSheet;
    header.totalScore = totalScore();
}

}  // namespace sorvak
