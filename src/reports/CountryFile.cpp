#include "reports/CountryFile.h"

#include <charconv>

#include "platform/FileBytes.h"
#include "reports/Continents.h"
#include "reports/TextLines.h"

namespace sorvak {
namespace {

constexpr size_t kNameWidth = 25;
constexpr size_t kDataColumn = 26;

// The country a header line starts, without its prefixes.
struct CountryHeader {
    int zone = 0;
    std::string mainPrefix;
    std::string continent;
    std::string name;
};

// The name field, cut before the first two spaces in a row that come after
// its first character.
std::string_view countryNameOf(std::string_view line) {
    std::string_view name = line.substr(0, kNameWidth);
    size_t doubleSpace = name.find("  ", 1);
    if (doubleSpace != std::string_view::npos) {
        name = name.substr(0, doubleSpace);
    }
    while (!name.empty() && isBlank(name.back())) {
        name.remove_suffix(1);
    }
    return name;
}

// A decimal number as scanf reads it, 0 when the item is not one.
int zoneOf(std::string_view item) {
    int zone = 0;
    if (!item.empty() && item.front() == '+') {
        item.remove_prefix(1);
    }
    auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), zone);
    return error == std::errc() ? zone : 0;
}

CountryHeader readHeader(std::string_view line) {
    CountryHeader header;
    header.name = countryNameOf(line);
    std::string_view data = line.size() > kDataColumn ? line.substr(kDataColumn) : "";
    header.zone = zoneOf(takeItem(data));
    header.mainPrefix = takeItem(data);
    std::string_view continent = takeItem(data);
    header.continent = continent.empty() ? continentOfZone(header.zone) : continent;
    if (header.name.starts_with("Japan")) {
        header.continent = "AS";
    }
    return header;
}

// Adds the prefixes of one prefix line; true when the line ends the block.
bool readPrefixLine(std::string_view line, const CountryHeader& header, CountryTable& table) {
    size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && isBlank(line[pos])) {
            ++pos;
        }
        size_t end = line.find_first_of(",;", pos);
        std::string_view prefix =
            trimBlanks(line.substr(pos, end == std::string_view::npos ? end : end - pos));
        if (!prefix.empty()) {
            table.add(CountryPrefixEntry{header.zone, header.mainPrefix, header.continent,
                                         std::string(prefix), 0, header.name});
        }
        if (end == std::string_view::npos) {
            return false;  // the entry ends at the line end; the block goes on
        }
        if (line[end] == ';') {
            return true;
        }
        pos = end + 1;
    }
    return false;
}

}  // namespace

CountryFileResult readCountryFile(std::string_view bytes) {
    CountryFileResult result;
    TextLines lines(bytes);
    std::string_view line;
    if (!lines.next(line) || !line.starts_with("cqww.dat")) {
        result.status = CountryFileStatus::WrongFormat;
        return result;
    }
    CountryHeader header;
    bool inBlock = false;
    while (lines.next(line)) {
        if (inBlock) {
            inBlock = !readPrefixLine(line, header, result.table);
        } else if (line.starts_with("end of")) {
            break;
        } else if (!trimBlanks(line).empty()) {
            header = readHeader(line);
            inBlock = true;
        }
    }
    return result;
}

CountryFileResult loadCountryFile(const std::string& path) {
    CountryFileResult result;
    if (path.empty()) {
        result.status = CountryFileStatus::NoPath;
        return result;
    }
    auto bytes = readFileBytes(path);
    if (!bytes) {
        result.status = CountryFileStatus::CannotOpen;
        return result;
    }
    return readCountryFile(*bytes);
}

std::string countryFileMessage(CountryFileStatus status, const std::string& path) {
    switch (status) {
        case CountryFileStatus::Read:
            return "";
        case CountryFileStatus::NoPath:
            return "定義ファイルが指定されていません。\n";
        case CountryFileStatus::CannotOpen:
            return "定義ファイル \"" + path + "\" をオープンできません。\n";
        case CountryFileStatus::WrongFormat:
            return "定義ファイルの形式が違います。\n";
    }
    return "";
}

}  // namespace sorvak
