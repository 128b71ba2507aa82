#include "formats/ScanLine.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "platform/Cp932.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

static_assert(LogSource::kMaxLine == 254, "the item patterns read at most 254 bytes");

constexpr size_t kOperatorLimit = 31;
constexpr std::string_view kPowerLetters = "PLMH";

// The text from `column` on, never longer than a line; empty past the end.
std::string boundedFrom(const std::string& line, size_t column, size_t width) {
    if (column >= line.size()) {
        return {};
    }
    return line.substr(column, std::min(width, LogSource::kMaxLine));
}

std::string firstItem(const std::string& text) {
    ItemBuffer item{};
    if (std::sscanf(text.c_str(), "%254s", item.data()) != 1) {
        return {};
    }
    return item.data();
}

int firstNumber(const std::string& text, int fallback) {
    int value = 0;
    return std::sscanf(text.c_str(), "%9d", &value) == 1 ? value : fallback;
}

}  // namespace

std::string cText(const std::string& line) {
    return line.substr(0, line.find('\0'));
}

std::string itemInColumns(const std::string& line, size_t column, size_t width) {
    return firstItem(boundedFrom(line, column, width));
}

std::string itemFrom(const std::string& line, size_t column, size_t limit) {
    return std::string(
        wholeCharactersWithin(firstItem(boundedFrom(line, column, LogSource::kMaxLine)), limit));
}

std::string fieldItem(const std::string& line, size_t column, size_t width, size_t limit) {
    if (itemInColumns(line, column, width).empty()) {
        return {};
    }
    return itemFrom(line, column, limit);
}

int numberFrom(const std::string& line, size_t column, int fallback) {
    return firstNumber(boundedFrom(line, column, LogSource::kMaxLine), fallback);
}

int numberInColumns(const std::string& line, size_t column, size_t width, int fallback) {
    return firstNumber(boundedFrom(line, column, width), fallback);
}

std::string restFrom(const std::string& line, size_t column) {
    return column < line.size() ? line.substr(column) : std::string();
}

char powerFromSent(const std::string& sent) {
    if (!sent.empty() && kPowerLetters.find(sent.back()) != std::string_view::npos) {
        return sent.back();
    }
    return 'P';
}

size_t readOperatorName(const std::string& line, size_t column, std::string& name) {
    if (column >= line.size() || line.compare(column, 2, "%%") != 0) {
        return column;
    }
    size_t start = column + 2;
    size_t end = std::min(line.find('%', start), line.size());
    name = wholeCharactersWithin(std::string_view(line).substr(start, end - start), kOperatorLimit);
    size_t closing = line.find("%%", start);
    if (closing == std::string::npos) {
        return line.size();
    }
    size_t next = closing + 2;
    return next < line.size() && line[next] == ' ' ? next + 1 : next;
}

bool readTxNumber(const std::string& line, size_t column, int& txNumber) {
    if (column >= line.size() || line.compare(column, 3, "TX#") != 0) {
        return false;
    }
    txNumber = numberFrom(line, column + 3, 0);
    return true;
}

int modificationYear(const LogSource& source) {
    auto time = source.modificationTime();
    return time ? time->year : 1970;
}

bool askToGoOn(Ui& ui, int lineNumber, const std::string& line) {
    Message question{std::to_string(lineNumber) + " 行目で読み込みに失敗しました。続行しますか?\n" +
                         cp932ToUtf8(line),
                     Buttons::YesNo, Icon::Exclamation, Answer::No};
    return ui.ask(question) == Answer::Yes;
}

}  // namespace sorvak
