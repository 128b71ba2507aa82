#include "reports/LogCheckText.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/Cp932.h"
#include "platform/TextFormat.h"

namespace sorvak {
namespace {

constexpr const char* kInformationMark = "(参考)";

// The columns a UTF-8 text takes in CP932: one byte each for ASCII and
// half-width kana, two for the other characters.
size_t widthOf(const std::string& utf8) {
    size_t width = 0;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        bool halfWidthKana = lead == 0xEF && i + 2 < utf8.size() &&
                             ((static_cast<unsigned char>(utf8[i + 1]) == 0xBD &&
                               static_cast<unsigned char>(utf8[i + 2]) >= 0xA1) ||
                              (static_cast<unsigned char>(utf8[i + 1]) == 0xBE &&
                               static_cast<unsigned char>(utf8[i + 2]) <= 0x9F));
        width += length == 1 || halfWidthKana ? 1 : 2;
        i += length;
    }
    return width;
}

std::string padded(const std::string& text, size_t width, bool right = false) {
    std::string blanks(width - std::min(width, widthOf(text)), ' ');
    return right ? blanks + text : text + blanks;
}

}  // namespace

std::array<std::string, kLogCheckColumnCount> findingCells(const CheckFinding& finding) {
    std::array<std::string, kLogCheckColumnCount> cells;
    if (!finding.rows.empty()) {
        cells[0] = std::to_string(finding.rows.front() + 1);
    }
    if (std::optional<ClockParts> parts = breakDownClockTime(finding.time)) {
        cells[1] = formatText("%04d/%02d/%02d", parts->year, parts->month, parts->day);
        cells[2] = formatText("%02d:%02d", parts->hour, parts->minute);
    }
    cells[3] = finding.callSign;
    cells[4] = std::string(checkKindName(finding.kind)) +
               (finding.level == CheckLevel::Information ? kInformationMark : "");
    cells[5] = finding.text;
    return cells;
}

std::string logCheckText(const LogCheckResult& result, const std::string& logTitle) {
    std::vector<std::array<std::string, kLogCheckColumnCount>> rows;
    rows.reserve(result.findings.size() + 1);
    rows.emplace_back();
    std::copy(kLogCheckColumns.begin(), kLogCheckColumns.end(), rows.front().begin());
    for (const CheckFinding& finding : result.findings) {
        rows.push_back(findingCells(finding));
    }
    std::array<size_t, kLogCheckColumnCount> widths{};
    for (const auto& cells : rows) {
        for (size_t column = 0; column < kLogCheckColumnCount; ++column) {
            widths[column] = std::max(widths[column], widthOf(cells[column]));
        }
    }
    std::string text = std::string(kLogCheckResultTitle) + ": " + logTitle + "\n\n";
    for (const std::string& line : result.summary) {
        text += line + "\n";
    }
    text += "\n";
    for (const auto& cells : rows) {
        std::string line = padded(cells[0], widths[0], true);
        for (size_t column = 1; column + 1 < kLogCheckColumnCount; ++column) {
            line += "  " + padded(cells[column], widths[column]);
        }
        text += line + "  " + cells.back() + "\n";
    }
    return withCrLf(utf8ToCp932(text));
}

std::string clockTimeText(int32_t time, const char* format) {
    std::optional<ClockParts> parts = breakDownClockTime(time);
    if (!parts) {
        return "";
    }
    char text[64];
    std::snprintf(text, sizeof text, format, parts->year, parts->month, parts->day, parts->hour,
                  parts->minute);
    return text;
}

std::string logCheckFileName(const std::string& logTitle) {
    std::filesystem::path path(logTitle);
    return (path.parent_path() / path.stem()).string() + "_CHECK.TXT";
}

}  // namespace sorvak
