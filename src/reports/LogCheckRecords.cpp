// Repeated QSOs by the chosen rule, and QSOs without a band, mode or received exchange.
#include <unordered_map>

#include "model/Vocabulary.h"
#include "reports/LogCheckParts.h"
#include "reports/TextLines.h"

namespace sorvak::logcheck {
namespace {

// The call with what else makes a QSO the same one under the rule.
std::string dupeKey(const QsoRecord& qso, DupeRule rule) {
    std::string key = qso.callSign();
    if (rule != DupeRule::Contest) {
        key += '\0' + std::to_string(qso.band());
    }
    if (rule == DupeRule::BandMode) {
        key += '\0' + std::to_string(qso.mode());
    }
    return key;
}

void checkDupes(const CheckInput& input, Findings& findings) {
    std::unordered_map<std::string, size_t> firstOf;
    firstOf.reserve(input.qsos.size());
    for (size_t row = 0; row < input.qsos.size(); ++row) {
        const QsoRecord& qso = *input.qsos[row];
        if (qso.callSign().empty()) {
            continue;
        }
        auto [it, isNew] = firstOf.try_emplace(dupeKey(qso, input.settings.dupeRule), row);
        if (!isNew) {
            findings.onRows(CheckKind::Dupe, CheckLevel::Warning, {row, it->second},
                            "DUPE です (最初の交信は " + lineText(it->second) + ")");
        }
    }
}

void checkMissingFields(const CheckInput& input, Findings& findings) {
    for (size_t row = 0; row < input.qsos.size(); ++row) {
        const QsoRecord& qso = *input.qsos[row];
        std::string missing;
        auto add = [&](bool absent, const char* name) {
            if (absent) {
                missing += (missing.empty() ? "" : "、") + std::string(name);
            }
        };
        add(qso.band() < 0 || qso.band() >= kBandCount, "バンド");
        add(qso.mode() < 0 || qso.mode() >= kModeCount, "モード");
        add(trimBlanks(qso.rcvd()).empty(), "受信ナンバー");
        if (!missing.empty()) {
            findings.onRow(CheckKind::MissingField, CheckLevel::Warning, row,
                           missing + "がありません");
        }
    }
}

}  // namespace

void checkRecords(const CheckInput& input, Findings& findings) {
    checkDupes(input, findings);
    checkMissingFields(input, findings);
}

}  // namespace sorvak::logcheck
