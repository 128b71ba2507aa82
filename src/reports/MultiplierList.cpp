#include "reports/MultiplierList.h"

#include <charconv>

#include "platform/FileBytes.h"
#include "platform/TextFormat.h"
#include "reports/TextLines.h"

namespace sorvak {
namespace {

// Column where types 1 to 3 start looking for a name.
constexpr size_t kNameColumn = 31;

}  // namespace

MultiplierFileType multiplierFileType(std::string_view headerLine) {
    auto starts = [&](std::string_view text) { return headerLine.starts_with(text); };
    if (starts("ardx.dat") || starts("arrl10.dat")) {
        return MultiplierFileType::Columned;
    }
    if (starts("cqww.dat") || starts("dxcc.dat")) {
        return MultiplierFileType::CqZones;
    }
    if (starts("iaru.dat")) {
        return MultiplierFileType::IaruZones;
    }
    return MultiplierFileType::Names;
}

int zoneCount(MultiplierFileType type) {
    switch (type) {
        case MultiplierFileType::CqZones:
            return 40;
        case MultiplierFileType::IaruZones:
            return 90;
        default:
            return 0;
    }
}

std::optional<int> parseZone(std::string_view text, MultiplierFileType type) {
    text = trimBlanks(text);
    int zone = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), zone);
    if (text.empty() || text.front() == '-' || error != std::errc() ||
        end != text.data() + text.size() || zone < 1 || zone > zoneCount(type)) {
        return std::nullopt;
    }
    return zone;
}

bool MultiplierList::add(std::string_view name) {
    auto [it, added] = positions_.try_emplace(std::string(name), names_.size());
    if (added) {
        names_.emplace_back(name);
    }
    return added;
}

std::optional<size_t> MultiplierList::indexOf(std::string_view name) const {
    auto it = positions_.find(name);
    return it == positions_.end() ? std::nullopt : std::optional<size_t>(it->second);
}

MultiplierList readMultiplierList(std::string_view bytes) {
    TextLines lines(bytes);
    std::string_view line;
    if (!lines.next(line)) {
        return MultiplierList();
    }
    MultiplierList list(multiplierFileType(line));
    bool columned = list.type() != MultiplierFileType::Names;
    while (lines.next(line) && !line.starts_with("end of")) {
        if (columned && line.find_first_of(",;") != std::string_view::npos) {
            continue;
        }
        std::string_view name = columned ? (line.size() > kNameColumn ? firstItem(line, kNameColumn)
                                                                      : std::string_view{})
                                         : firstItem(line);
        if (!name.empty()) {
            list.add(name);
        }
    }
    return list;
}

std::optional<MultiplierList> loadMultiplierFile(const std::string& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return readMultiplierList(*bytes);
}

MultiplierList builtInMultiplierList() {
    MultiplierList list(MultiplierFileType::Names);
    for (int prefecture = 101; prefecture <= 114; ++prefecture) {
        list.add(formatText("%d", prefecture));
    }
    for (int prefecture = 2; prefecture <= 50; ++prefecture) {
        list.add(formatText("%02d", prefecture));
    }
    return list;
}

std::string multiplierFileOpenMessage(const std::string& path) {
    return "マルチデータファイル \"" + path + "\" をオープンできません。\n";
}

}  // namespace sorvak
