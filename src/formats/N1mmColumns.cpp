#include "formats/N1mmColumns.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "formats/ForeignLog.h"
#include "formats/FrequencyBands.h"
#include "formats/LineItems.h"
#include "platform/Cp932.h"

namespace sorvak {
namespace {

constexpr std::array<std::string_view, 5> kLeadingWords = {"Date", "Time", "Freq", "Mode",
                                                           "MyCall"};

// The mode names N1MM Logger writes; the others as in the older files.
std::string modeTextOf(const std::string& mode) {
    if (mode == "USB" || mode == "LSB" || mode == "SSB") {
        return "SSB";
    }
    if (mode == "AM" || mode == "RTTY") {
        return mode;
    }
    return modeTextOfField(mode);
}

std::optional<int> digitsValue(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    bool whole = !text.empty() && error == std::errc() && end == text.data() + text.size();
    return whole && text.front() != '-' ? std::optional<int>(value) : std::nullopt;
}

std::string bandOfFrequencyText(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    double kilohertz = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), kilohertz);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return {};
    }
    return bandOfKilohertz(kilohertz);
}

}  // namespace

std::optional<N1mmColumns> N1mmColumns::of(std::string_view line) {
    std::vector<LineItem> words = itemsOf(line);
    if (words.size() <= kLeadingWords.size() ||
        !std::equal(
            kLeadingWords.begin(), kLeadingWords.end(), words.begin(),
            [](std::string_view word, const LineItem& item) { return word == item.text; })) {
        return std::nullopt;
    }
    // The heading words and the columns they name ("Exchange" is the sent
    // one before "Call", the received one after it).
    static constexpr std::pair<std::string_view, Role> kHeadingWords[] = {
        {"Date", Role::Date},           {"Time", Role::Time},      {"Freq", Role::Frequency},
        {"Mode", Role::Mode},           {"Snt", Role::SentReport}, {"Call", Role::Call},
        {"Rcvd", Role::ReceivedReport}, {"Pts", Role::Points},     {"Comment", Role::Comment},
    };
    N1mmColumns columns;
    bool callSeen = false;
    for (const LineItem& word : words) {
        Role role = Role::Other;
        if (word.text == "Exchange") {
            role = callSeen ? Role::ReceivedExchange : Role::SentExchange;
        }
        for (const auto& [name, named] : kHeadingWords) {
            if (word.text == name) {
                role = named;
            }
        }
        callSeen = callSeen || role == Role::Call;
        columns.columns_.push_back({role, word.column});
    }
    if (!callSeen) {
        return std::nullopt;
    }
    return columns;
}

size_t N1mmColumns::columnOf(size_t column, size_t width) const {
    size_t best = 0;
    size_t bestOverlap = 0;
    for (size_t i = 0; i < columns_.size(); ++i) {
        size_t from = std::max(column, columns_[i].start);
        size_t to = column + width;
        if (i + 1 < columns_.size()) {
            to = std::min(to, columns_[i + 1].start);
        }
        size_t overlap = to > from ? to - from : 0;
        if (overlap > bestOverlap) {
            best = i;
            bestOverlap = overlap;
        }
    }
    return best;
}

std::optional<QsoParts> N1mmColumns::qsoOf(std::string_view line) const {
    std::vector<std::string> texts(static_cast<size_t>(Role::Other) + 1);
    for (const LineItem& item : itemsOf(line)) {
        std::string& text =
            texts[static_cast<size_t>(columns_[columnOf(item.column, item.text.size())].role)];
        if (!text.empty()) {
            text += ' ';
        }
        text += item.text;
    }
    auto textOf = [&texts](Role role) -> const std::string& {
        return texts[static_cast<size_t>(role)];
    };
    const std::string& date = textOf(Role::Date);
    std::string call = textOf(Role::Call).substr(0, textOf(Role::Call).find(' '));
    auto hhmm = textOf(Role::Time).size() <= 4 ? digitsValue(textOf(Role::Time)) : std::nullopt;
    auto yyyymmdd = date.size() == 8 ? digitsValue(date) : std::nullopt;
    if (!yyyymmdd || !hhmm || call.empty()) {
        return std::nullopt;
    }
    QsoParts p;
    p.year = *yyyymmdd / 10000;
    p.month = *yyyymmdd / 100 % 100;
    p.day = *yyyymmdd % 100;
    p.hhmm = *hhmm;
    p.callSign = wholeCharactersWithin(call, kForeignCallLimit);
    p.srst = wholeNumber(textOf(Role::SentReport)).value_or(0);
    p.sent = textOf(Role::SentExchange);
    p.rrst = wholeNumber(textOf(Role::ReceivedReport)).value_or(0);
    p.rcvd = textOf(Role::ReceivedExchange);
    p.bandText = bandOfFrequencyText(textOf(Role::Frequency));
    p.modeText = modeTextOf(textOf(Role::Mode));
    p.powerLetter = 'P';
    p.points = wholeNumber(textOf(Role::Points)).value_or(0);
    p.memo = textOf(Role::Comment);
    return p;
}

}  // namespace sorvak
