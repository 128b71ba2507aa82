#include "reports/LogCheck.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

#include "platform/Cp932.h"
#include "reports/LogCheckParts.h"
#include "reports/LogCheckText.h"
#include "reports/MasterCallList.h"

namespace sorvak {
namespace logcheck {

void Findings::onRows(CheckKind kind, CheckLevel level, std::vector<size_t> rows,
                      std::string text) {
    const QsoRecord& qso = *qsos_[rows.front()];
    findings_.push_back(CheckFinding{kind, level, std::move(rows), qso.time(),
                                     shownText(qso.callSign()), std::move(text)});
}

void Findings::onLog(CheckKind kind, CheckLevel level, std::string text) {
    findings_.push_back(CheckFinding{kind, level, {}, kNoTime, "", std::move(text)});
}

void Findings::append(Findings&& other) {
    findings_.insert(findings_.end(), std::make_move_iterator(other.findings_.begin()),
                     std::make_move_iterator(other.findings_.end()));
}

std::vector<CheckFinding> Findings::sorted() && {
    // Sorting the keys moves 16 bytes a finding instead of the finding.
    std::vector<std::pair<long long, size_t>> keys;
    keys.reserve(findings_.size());
    for (size_t i = 0; i < findings_.size(); ++i) {
        const CheckFinding& f = findings_[i];
        long long row = f.rows.empty() ? -1 : static_cast<long long>(f.rows.front());
        keys.emplace_back(row * kCheckKindCount + static_cast<int>(f.kind), i);
    }
    std::sort(keys.begin(), keys.end());  // ties stay in the order they were found
    std::vector<CheckFinding> sorted;
    sorted.reserve(findings_.size());
    for (const auto& key : keys) {
        sorted.push_back(std::move(findings_[key.second]));
    }
    return sorted;
}

std::string shownText(std::string_view cp932) {
    bool ascii = std::all_of(cp932.begin(), cp932.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? std::string(cp932) : cp932ToUtf8(cp932);
}

std::string quoted(std::string_view cp932) {
    std::string text(1, '\'');
    text += shownText(cp932);
    text += '\'';
    return text;
}

std::string clockText(int32_t time) {
    return clockTimeText(time, "%04d/%02d/%02d %02d:%02d");
}

std::string lineText(size_t row) {
    return "Line " + std::to_string(row + 1);
}

std::string lineList(std::span<const size_t> rows) {
    constexpr size_t kListed = 10;
    std::string text = "Line ";
    for (size_t i = 0; i < rows.size() && i < kListed; ++i) {
        text += (i > 0 ? ", " : "") + std::to_string(rows[i] + 1);
    }
    if (rows.size() > kListed) {
        text += " ほか " + std::to_string(rows.size() - kListed) + " 件";
    }
    return text;
}

std::string durationText(int64_t minutes) {
    if (minutes < 60) {
        return std::to_string(minutes) + "分";
    }
    std::string hours = std::to_string(minutes / 60) + "時間";
    return minutes % 60 == 0 ? hours : hours + std::to_string(minutes % 60) + "分";
}

std::string transmitterText(const CheckInput& input, int txNumber) {
    return input.severalTransmitters ? "送信機 " + std::to_string(txNumber) + ": " : "";
}

namespace {

std::vector<size_t> rowsInTimeOrder(const QsoList& qsos) {
    std::vector<size_t> rows;
    rows.reserve(qsos.size());
    for (size_t row = 0; row < qsos.size(); ++row) {
        if (qsos[row]->time() >= 0) {
            rows.push_back(row);
        }
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [&](size_t a, size_t b) { return qsos[a]->time() < qsos[b]->time(); });
    return rows;
}

bool severalTransmitters(const QsoList& qsos) {
    return std::any_of(qsos.begin(), qsos.end(), [&](const auto& qso) {
        return qso->txNumber() != qsos.front()->txNumber();
    });
}

std::string periodLine(const LogCheckSettings& settings) {
    std::string zone = settings.utcFlag == 1 ? "UTC" : "JST";
    if (settings.start == kNoTime && settings.end == kNoTime) {
        return "コンテスト期間: 指定なし";
    }
    std::string line = "コンテスト期間:";
    for (auto [time, word] :
         {std::pair(settings.start, " から"), std::pair(settings.end, " まで")}) {
        if (time != kNoTime) {
            line += ' ';
            line += clockText(time);
            line += word;
        }
    }
    return line + " (" + zone + ")";
}

std::string operatingLine(const LogCheckSettings& settings, const OperatingSummary& time) {
    std::string counting =
        settings.breakCounting == BreakCounting::Gap ? "交信時刻の間隔" : "交信のない分";
    return "運用時間: " + durationText(time.onMinutes) + " (休止 " +
           std::to_string(time.offPeriods) + " 回、計 " + durationText(time.offMinutes) + "。" +
           std::to_string(settings.offTimeMinutes) + "分以上の休止を" + counting +
           "で数えています)";
}

std::string limitLine(const LogCheckSettings& settings, const OperatingSummary& time) {
    std::string limit = "運用時間の上限 " + std::to_string(settings.maxHours) + "時間: ";
    return limit + (time.pastLimit == 0 ? "超えた交信はありません"
                                        : "超えた後の交信 " + std::to_string(time.pastLimit) +
                                              " 件 (得点になりません)");
}

std::string masterCallsLine(const LogCheckSettings& settings, const MasterCallList* calls) {
    if (!settings.useMasterCalls) {
        return "マスターコールリスト: 照合していません";
    }
    if (calls == nullptr) {
        return "マスターコールリスト: 見つからないため照合していません";
    }
    return "マスターコールリスト: " + std::to_string(calls->size()) + " 局と照合しました";
}

std::string kindCountLine(const std::vector<CheckFinding>& findings) {
    std::array<size_t, kCheckKindCount> counts{};
    for (const CheckFinding& finding : findings) {
        ++counts[static_cast<size_t>(finding.kind)];
    }
    std::string line = "種類ごとの件数:";
    const char* separator = " ";
    for (int kind = 0; kind < kCheckKindCount; ++kind) {
        if (counts[static_cast<size_t>(kind)] > 0) {
            line += separator + std::string(checkKindName(static_cast<CheckKind>(kind))) + " " +
                    std::to_string(counts[static_cast<size_t>(kind)]);
            separator = "、";
        }
    }
    return line;
}

}  // namespace
}  // namespace logcheck

std::string_view checkKindName(CheckKind kind) {
    static constexpr std::array<std::string_view, kCheckKindCount> kNames = {
        "コールサイン", "マスターリスト", "受信ナンバー", "送信ナンバー", "時刻",
        "DUPE",         "未入力",         "JST",          "運用時間",     "バンドチェンジ",
    };
    return kNames[static_cast<size_t>(kind)];
}

LogCheckResult checkLog(const QsoList& qsos, const LogCheckSettings& settings,
                        const MasterCallList* calls) {
    using namespace logcheck;
    const CheckInput input{qsos, settings, calls, severalTransmitters(qsos), rowsInTimeOrder(qsos)};
    Findings findings(qsos);
    checkCallSigns(input, findings);
    checkExchanges(input, findings);
    checkTimes(input, findings);
    checkRecords(input, findings);
    std::optional<OperatingSummary> operating = checkOperatingTime(input, findings);
    checkBandChanges(input, findings);

    LogCheckResult result;
    result.findings = std::move(findings).sorted();
    for (const CheckFinding& finding : result.findings) {
        ++(finding.level == CheckLevel::Warning ? result.warnings : result.information);
    }
    result.summary.push_back("交信数 " + std::to_string(qsos.size()) + "、警告 " +
                             std::to_string(result.warnings) + " 件、参考 " +
                             std::to_string(result.information) + " 件");
    result.summary.push_back(periodLine(settings));
    if (operating) {
        result.summary.push_back(operatingLine(settings, *operating));
        if (settings.maxHours > 0) {
            result.summary.push_back(limitLine(settings, *operating));
        }
    }
    result.summary.push_back(masterCallsLine(settings, calls));
    if (!result.findings.empty()) {
        result.summary.push_back(kindCountLine(result.findings));
    }
    return result;
}

}  // namespace sorvak
