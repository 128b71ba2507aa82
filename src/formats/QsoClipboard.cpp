#include "formats/QsoClipboard.h"

#include <algorithm>
#include <charconv>

#include "model/CSorvakDoc.h"
#include "model/LogStepCoding.h"
#include "model/QsoColumns.h"
#include "model/Vocabulary.h"
#include "platform/ClockTime.h"
#include "platform/Cp932.h"

namespace sorvak {
namespace {

// The first line of the program's own clipboard type.
constexpr std::string_view kRecordsMark = "SORVAK QSO 1\n";

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// A whole number, or `empty` for an empty text; nothing for anything else.
std::optional<int> numberOf(std::string_view text, int empty) {
    if (text.empty()) {
        return empty;
    }
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> flagOf(std::string_view text) {
    if (text.empty() || text == "*") {
        return text.empty() ? 0 : 1;
    }
    return std::nullopt;
}

// A code of the vocabulary, -1 for an empty text; nothing for an unknown one.
template <typename Lookup>
std::optional<int> codeOf(std::string_view text, Lookup lookup) {
    if (text.empty()) {
        return -1;
    }
    int code = lookup(text);
    return code < 0 ? std::nullopt : std::optional<int>(code);
}

// The moment of "M/D" and "HHMM" in `year`; kNoTime for two empty texts.
std::optional<int32_t> timeOf(std::string_view date, std::string_view hhmm, int year) {
    if (date.empty() && hhmm.empty()) {
        return kNoTime;
    }
    std::vector<std::string_view> monthDay = splitAt(date, '/');
    if (monthDay.size() != 2 || hhmm.size() != 4) {
        return std::nullopt;
    }
    std::optional<int> month = numberOf(monthDay[0], -1);
    std::optional<int> day = numberOf(monthDay[1], -1);
    std::optional<int> time = numberOf(hhmm, -1);
    if (!month || !day || !time) {
        return std::nullopt;
    }
    int hhmmValue = time.value_or(0);
    int32_t moment =
        makeCalendarTime(ClockParts{year, *month, *day, hhmmValue / 100, hhmmValue % 100, 0});
    return moment == kNoTime ? std::nullopt : std::optional<int32_t>(moment);
}

// The QSO of one line in the copy layout.
std::optional<QsoValues> qsoOfLine(std::string_view line, int year) {
    std::vector<std::string_view> cells = splitAt(line, '\t');
    if (cells.size() != kQsoColumnCount) {
        return std::nullopt;
    }
    auto text = [&](size_t column) { return utf8ToCp932(cells[column]); };
    auto time = timeOf(cells[1], cells[2], year);
    auto srst = numberOf(cells[4], 0);
    auto rrst = numberOf(cells[6], 0);
    auto newMulti = flagOf(cells[9]);
    auto newMulti2 = flagOf(cells[11]);
    auto band = codeOf(cells[12], bandCodeOf);
    auto mode = codeOf(cells[13], modeCodeOf);
    auto power =
        cells[14].size() > 1 ? std::nullopt : codeOf(cells[14], [](std::string_view letter) {
            return powerCodeOf(letter.front());
        });
    auto txNumber = numberOf(cells[15], -1);
    auto points = numberOf(cells[16], -1);
    if (!time || !srst || !rrst || !newMulti || !newMulti2 || !band || !mode || !power ||
        !txNumber || !points) {
        return std::nullopt;
    }
    return QsoValues{*time,   text(3),   *srst,     text(5),    *rrst,   text(7),
                     text(8), *newMulti, text(10),  *newMulti2, *band,   *mode,
                     *power,  *points,   *txNumber, text(17),   text(18)};
}

}  // namespace

std::string clipboardText(const CSorvakDoc& doc, const std::vector<size_t>& rows) {
    std::string text;
    for (size_t row : rows) {
        text += cp932ToUtf8(qsoRowText(doc.at(row), row));
        text += '\n';
    }
    return text;
}

std::string clipboardRecords(const CSorvakDoc& doc, const std::vector<size_t>& rows) {
    std::string bytes(kRecordsMark);
    for (size_t row : rows) {
        putValues(bytes, doc.at(row).values());
    }
    return bytes;
}

std::optional<PastedQsos> qsosFromRecords(std::string_view bytes) {
    if (!bytes.starts_with(kRecordsMark)) {
        return std::nullopt;
    }
    StepReader in(bytes.substr(kRecordsMark.size()));
    PastedQsos qsos;
    while (!in.atEnd()) {
        qsos.push_back(std::make_unique<QsoRecord>(in.values()));
    }
    return qsos;
}

std::optional<PastedQsos> qsosFromText(std::string_view utf8, int year, size_t& badLine) {
    PastedQsos qsos;
    std::vector<std::string_view> lines = splitAt(utf8, '\n');
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        std::optional<QsoValues> values = qsoOfLine(line, year);
        if (!values) {
            badLine = i + 1;
            return std::nullopt;
        }
        qsos.push_back(std::make_unique<QsoRecord>(std::move(*values)));
    }
    if (qsos.empty()) {
        badLine = 1;
        return std::nullopt;
    }
    return qsos;
}

int pasteYear(const CSorvakDoc& doc, size_t row, int fallback) {
    row = std::min(row, doc.count());
    for (size_t i = row; i > 0; --i) {
        if (doc.at(i - 1).year() > 0) {
            return doc.at(i - 1).year();
        }
    }
    for (size_t i = row; i < doc.count(); ++i) {
        if (doc.at(i).year() > 0) {
            return doc.at(i).year();
        }
    }
    return fallback;
}

}  // namespace sorvak
