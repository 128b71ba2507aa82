// Call signs that are not call signs, and calls the master call list lacks.
#include "reports/CallSignShape.h"
#include "reports/LogCheckParts.h"
#include "reports/MasterCallList.h"
#include "reports/StringIndex.h"

namespace sorvak::logcheck {
namespace {

void checkShape(Findings& findings, size_t row, const std::string& call, CallShape shape) {
    switch (shape) {
        case CallShape::Empty:
            findings.onRow(CheckKind::CallSign, CheckLevel::Warning, row, "コールサインが空です");
            break;
        case CallShape::BadCharacters:
            findings.onRow(CheckKind::CallSign, CheckLevel::Warning, row,
                           "コールサイン " + quoted(call) + " に使えない文字があります");
            break;
        case CallShape::NotACall:
            findings.onRow(CheckKind::CallSign, CheckLevel::Warning, row,
                           quoted(call) + " はコールサインの形ではありません");
            break;
        case CallShape::SpecialEvent:
            findings.onRow(CheckKind::CallSign, CheckLevel::Information, row,
                           quoted(call) + " は特別局の長いコールサインです");
            break;
        case CallShape::Regular:
            break;
    }
}

}  // namespace

void checkCallSigns(const CheckInput& input, Findings& findings) {
    const MasterCallList* calls = input.settings.useMasterCalls ? input.calls : nullptr;
    // The rows of each call the list lacks, in the order the calls first appear.
    constexpr size_t kListed = static_cast<size_t>(-1);
    TextMap<size_t> groupOf;
    groupOf.reserve(input.qsos.size());
    std::vector<std::vector<size_t>> groups;
    for (size_t row = 0; row < input.qsos.size(); ++row) {
        const std::string& call = input.qsos[row]->callSign();
        CallShape shape = callShape(call);
        checkShape(findings, row, call, shape);
        if (calls == nullptr || (shape != CallShape::Regular && shape != CallShape::SpecialEvent)) {
            continue;
        }
        auto [it, isNew] = groupOf.try_emplace(call, kListed);
        if (isNew && !calls->contains(call) && !calls->contains(baseCall(call))) {
            it->second = groups.size();
            groups.emplace_back();
        }
        if (it->second != kListed) {
            groups[it->second].push_back(row);
        }
    }
    for (std::vector<size_t>& rows : groups) {
        const std::string& call = input.qsos[rows.front()]->callSign();
        CheckLevel level =
            isJapaneseCall(baseCall(call)) ? CheckLevel::Information : CheckLevel::Warning;
        std::string text = quoted(call) + " はマスターコールリストにありません";
        if (rows.size() > 1) {
            text += " (" + std::to_string(rows.size()) + " 交信: " + lineList(rows) + ")";
        }
        findings.onRows(CheckKind::MasterCalls, level, std::move(rows), std::move(text));
    }
}

}  // namespace sorvak::logcheck
