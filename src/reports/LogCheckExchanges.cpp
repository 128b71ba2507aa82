// The received exchange of each station and the exchange the log sends.
#include <algorithm>
#include <map>

#include "reports/LogCheckParts.h"
#include "reports/StringIndex.h"
#include "reports/TextLines.h"

namespace sorvak::logcheck {
namespace {

// One value dominates when it is at least this share of the values, in percent.
constexpr size_t kDominantPercent = 80;
// The sent exchange is a serial number when at least this share of the sent
// exchanges is the same fixed part and a number.
constexpr size_t kSerialPercent = 90;
constexpr size_t kLongestSerial = 9;

struct Serial {
    std::string_view fixed;  // what stands before the number, such as "599"
    long long number;
};

std::optional<Serial> serialOf(std::string_view sent) {
    sent = trimBlanks(sent);
    size_t digits = sent.size();
    while (digits > 0 && isDigit(sent[digits - 1])) {
        --digits;
    }
    size_t length = sent.size() - digits;
    if (length == 0 || length > kLongestSerial) {
        return std::nullopt;
    }
    long long number = 0;
    for (char c : sent.substr(digits)) {
        number = number * 10 + (c - '0');
    }
    return Serial{trimBlanks(sent.substr(0, digits)), number};
}

using Serials = std::vector<std::pair<long long, size_t>>;  // number and row

// Gaps and repeats in one sequence of serial numbers, of the whole log or of
// one transmitter.
void checkSerials(const CheckInput& input, Findings& findings, Serials& numbers,
                  bool perTransmitter) {
    std::sort(numbers.begin(), numbers.end());
    for (size_t i = 1; i < numbers.size(); ++i) {
        auto [before, beforeRow] = numbers[i - 1];
        auto [number, row] = numbers[i];
        std::string tx =
            perTransmitter ? transmitterText(input, input.qsos[row]->txNumber()) : std::string();
        if (number == before) {
            size_t last = i;
            while (last + 1 < numbers.size() && numbers[last + 1].first == number) {
                ++last;
            }
            std::vector<size_t> rows;
            for (size_t k = i - 1; k <= last; ++k) {
                rows.push_back(numbers[k].second);
            }
            std::rotate(rows.begin(), rows.begin() + 1, rows.end());
            std::vector<size_t> listed(rows);
            std::sort(listed.begin(), listed.end());
            findings.onRows(CheckKind::SentExchange, CheckLevel::Warning, std::move(rows),
                            tx + "送信ナンバー " + quoted(trimBlanks(input.qsos[row]->sent())) +
                                " が重複しています (" + lineList(listed) + ")");
            i = last;
        } else if (number > before + 1) {
            std::string missing = number == before + 2 ? std::to_string(before + 1)
                                                       : std::to_string(before + 1) + " から " +
                                                             std::to_string(number - 1);
            findings.onRows(CheckKind::SentExchange, CheckLevel::Warning, {row, beforeRow},
                            tx + "送信ナンバー " + missing + " がありません (" +
                                std::to_string(before) + " は " + lineText(beforeRow) + "、" +
                                std::to_string(number) + " は " + lineText(row) + ")");
        }
    }
}

// The fixed part of the log's serial numbers, when its sent exchange is one.
std::optional<std::string_view> serialFixedPart(const CheckInput& input, size_t sentCount) {
    std::map<std::string_view, std::vector<long long>> numbersByFixed;
    for (const auto& qso : input.qsos) {
        if (auto serial = serialOf(qso->sent())) {
            numbersByFixed[serial->fixed].push_back(serial->number);
        }
    }
    for (auto& [fixed, numbers] : numbersByFixed) {
        if (numbers.size() * 100 < sentCount * kSerialPercent) {
            continue;
        }
        std::sort(numbers.begin(), numbers.end());
        size_t distinct =
            static_cast<size_t>(std::unique(numbers.begin(), numbers.end()) - numbers.begin());
        if (distinct >= 3 && distinct * 2 >= numbers.size()) {
            return fixed;
        }
    }
    return std::nullopt;
}

// Sent exchanges unlike the one that dominates, or unlike the serial's form.
void checkUnlikeSent(const CheckInput& input, Findings& findings,
                     std::optional<std::string_view> serialFixed) {
    ValueGroups values;
    for (size_t row = 0; row < input.qsos.size(); ++row) {
        std::string_view sent = trimBlanks(input.qsos[row]->sent());
        if (sent.empty()) {
            continue;
        }
        if (serialFixed) {
            std::optional<Serial> serial = serialOf(sent);
            addTo(values, serial && serial->fixed == *serialFixed ? "" : std::string(sent), row);
        } else {
            addTo(values, std::string(sent), row);
        }
    }
    if (values.size() < 2) {
        return;
    }
    byFrequency(values);
    size_t total = 0;
    for (const auto& group : values) {
        total += group.second.size();
    }
    if (values[0].second.size() * 100 < total * kDominantPercent) {
        return;
    }
    // What the other QSOs send: the dominant text, or the serial's form.
    std::string usual = " '" + shownText(values[0].first) + "'";
    if (serialFixed) {
        usual =
            serialFixed->empty() ? "形 (番号)" : "形 ('" + shownText(*serialFixed) + "' と番号)";
    }
    for (size_t k = 1; k < values.size(); ++k) {
        std::vector<size_t>& rows = values[k].second;
        std::string text = "送信ナンバー '" + shownText(values[k].first) + "' がほかの交信の" +
                           usual + " と違います";
        if (rows.size() > 1) {
            text += " (" + std::to_string(rows.size()) + " 交信: " + lineList(rows) + ")";
        }
        findings.onRows(CheckKind::SentExchange, CheckLevel::Warning, std::move(rows),
                        std::move(text));
    }
}

}  // namespace

void checkExchanges(const CheckInput& input, Findings& findings) {
    std::vector<size_t> empty;
    for (size_t row = 0; row < input.qsos.size(); ++row) {
        if (trimBlanks(input.qsos[row]->sent()).empty()) {
            empty.push_back(row);
        }
    }
    size_t sentCount = input.qsos.size() - empty.size();
    if (sentCount == 0 && !input.qsos.empty()) {
        findings.onLog(CheckKind::SentExchange, CheckLevel::Warning, "送信ナンバーがすべて空です");
    } else {
        for (size_t row : empty) {
            findings.onRow(CheckKind::SentExchange, CheckLevel::Warning, row,
                           "送信ナンバーが空です");
        }
    }
    std::optional<std::string_view> serialFixed = serialFixedPart(input, sentCount);
    checkUnlikeSent(input, findings, serialFixed);
    if (serialFixed) {
        // One sequence for the station, or one per transmitter: whichever
        // fits the log better.
        Serials all;
        std::map<int, Serials> byTransmitter;
        for (size_t row = 0; row < input.qsos.size(); ++row) {
            std::optional<Serial> serial = serialOf(input.qsos[row]->sent());
            if (serial && serial->fixed == *serialFixed) {
                all.emplace_back(serial->number, row);
                byTransmitter[input.qsos[row]->txNumber()].emplace_back(serial->number, row);
            }
        }
        Findings whole(input.qsos);
        checkSerials(input, whole, all, false);
        Findings each(input.qsos);
        if (input.severalTransmitters) {
            for (auto& [tx, numbers] : byTransmitter) {
                checkSerials(input, each, numbers, true);
            }
        }
        findings.append(
            std::move(!input.severalTransmitters || whole.size() <= each.size() ? whole : each));
    }
    checkReceived(input, findings, serialFixed.has_value());
}

}  // namespace sorvak::logcheck
