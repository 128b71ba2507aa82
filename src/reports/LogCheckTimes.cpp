// QSO times against the period, the list's order and the clock; the log's clock.
#include <algorithm>

#include "reports/LogCheckParts.h"

namespace sorvak::logcheck {
namespace {

// The list counts as kept in time order when at most this share of its QSOs
// (and at least one) stands out of that order.
constexpr size_t kOutOfOrderShare = 20;  // one in twenty

// Which of the QSOs at `rows` (in list order) stand outside a longest run in
// time order, found in n log n.
std::vector<bool> outOfOrder(const QsoList& qsos, const std::vector<size_t>& rows) {
    std::vector<size_t> tails;  // indices into rows: the last of each run length
    std::vector<size_t> previous(rows.size(), rows.size());
    auto timeAt = [&](size_t i) { return qsos[rows[i]]->time(); };
    for (size_t i = 0; i < rows.size(); ++i) {
        auto place = std::upper_bound(tails.begin(), tails.end(), timeAt(i),
                                      [&](int32_t time, size_t k) { return time < timeAt(k); });
        if (place != tails.begin()) {
            previous[i] = *(place - 1);
        }
        if (place == tails.end()) {
            tails.push_back(i);
        } else {
            *place = i;
        }
    }
    std::vector<bool> out(rows.size(), true);
    for (size_t i = tails.empty() ? rows.size() : tails.back(); i < rows.size(); i = previous[i]) {
        out[i] = false;
    }
    return out;
}

void checkOrder(const CheckInput& input, Findings& findings, const std::vector<size_t>& rows) {
    std::vector<bool> out = outOfOrder(input.qsos, rows);
    size_t count = static_cast<size_t>(std::count(out.begin(), out.end(), true));
    if (count == 0) {
        return;
    }
    if (count > std::max<size_t>(1, rows.size() / kOutOfOrderShare)) {
        findings.onLog(CheckKind::Time, CheckLevel::Information,
                       "リストが時刻順に並んでいないため、交信の順序は確かめていません");
        return;
    }
    auto neighbour = [&](size_t row, const char* which) {
        return which + lineText(row) + " は " + clockText(input.qsos[row]->time());
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!out[i]) {
            continue;
        }
        std::string text = "時刻順から外れています (";
        if (i > 0) {
            text += neighbour(rows[i - 1], "前の ");
        }
        if (i + 1 < rows.size()) {
            text += (i > 0 ? "、" : "") + neighbour(rows[i + 1], "次の ");
        }
        findings.onRow(CheckKind::Time, CheckLevel::Warning, rows[i], text + ")");
    }
}

}  // namespace

void checkTimes(const CheckInput& input, Findings& findings) {
    const LogCheckSettings& settings = input.settings;
    std::vector<size_t> timed;
    for (size_t row = 0; row < input.qsos.size(); ++row) {
        int32_t time = input.qsos[row]->time();
        if (time < 0) {
            findings.onRow(CheckKind::Time, CheckLevel::Warning, row, "時刻がありません");
            continue;
        }
        timed.push_back(row);
        if (settings.start != kNoTime && time < settings.start) {
            findings.onRow(CheckKind::Time, CheckLevel::Warning, row,
                           "コンテスト開始 (" + clockText(settings.start) + ") より前の交信です");
        } else if (settings.end != kNoTime && time >= settings.end) {
            findings.onRow(CheckKind::Time, CheckLevel::Warning, row,
                           "コンテスト終了 (" + clockText(settings.end) + ") 以後の交信です");
        }
        if (settings.now != kNoTime && time > settings.now) {
            findings.onRow(CheckKind::Time, CheckLevel::Warning, row,
                           "コンピュータの時計 (" + clockText(settings.now) + ") より後の時刻です");
        }
    }
    checkOrder(input, findings, timed);
    if (settings.utcFlag != 1 && !input.qsos.empty()) {
        findings.onLog(
            CheckKind::JstLog, CheckLevel::Information,
            "ログの時刻は JST です。Cabrillo ファイルにはこの時刻がそのまま書かれますが、"
            "日本国外のコンテストは UTC の時刻を求めます (一括変更の時刻シフトと"
            "コンテストデータの UTC で直せます)");
    }
}

}  // namespace sorvak::logcheck
