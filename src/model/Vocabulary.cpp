#include "model/Vocabulary.h"

#include <array>

namespace sorvak {
namespace {

constexpr std::array<std::string_view, kBandCount> kBands = {
    "1.9", "3.5", "7",   "10",  "14",   "18",   "21",   "24",
    "28",  "50",  "144", "430", "1200", "2400", "5600", "10G"};
constexpr std::array<std::string_view, kModeCount> kModes = {"CW", "SSB",  "FM",
                                                             "AM", "RTTY", "Other"};
constexpr std::string_view kPowers = "PLMH";

template <typename Table>
std::string_view textOf(const Table& table, int code) {
    if (code < 0 || code >= static_cast<int>(table.size())) {
        return {};
    }
    return table[static_cast<size_t>(code)];
}

template <typename Table>
int codeOf(const Table& table, std::string_view text) {
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

std::string_view bandTextOf(int code) {
    return textOf(kBands, code);
}
std::string_view modeTextOf(int code) {
    return textOf(kModes, code);
}

char powerLetterOf(int code) {
    if (code < 0 || code >= kPowerCount) {
        return '\0';
    }
    return kPowers[static_cast<size_t>(code)];
}

int bandCodeOf(std::string_view text) {
    return codeOf(kBands, text);
}
int modeCodeOf(std::string_view text) {
    return codeOf(kModes, text);
}

int powerCodeOf(char letter) {
    auto pos = letter == '\0' ? std::string_view::npos : kPowers.find(letter);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

}  // namespace sorvak
