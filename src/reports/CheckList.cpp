#include "reports/CheckList.h"

#include <algorithm>
#include <array>
#include <vector>

#include "model/Vocabulary.h"
#include "platform/TextFormat.h"

namespace sorvak {
namespace {

constexpr int kGroupCount = 27;

constexpr std::array<std::string_view, kBandCount> kSuffixes = {
    ".1R9D.TXT",  ".3R5D.TXT",  ".7D.TXT",    ".10D.TXT", ".14D.TXT",  ".18D.TXT",
    ".21D.TXT",   ".24D.TXT",   ".28D.TXT",   ".50D.TXT", ".144D.TXT", ".430D.TXT",
    ".1200D.TXT", ".2400D.TXT", ".5600D.TXT", ".10GD.TXT"};

// Calls whose prefix ends in a letter and carries a '/' right behind it.
constexpr std::array<std::string_view, 8> kSlashPrefixes = {"CE0X", "CE0Y", "CE0Z", "KH5K",
                                                            "KH7K", "VP2E", "VP2M", "VP2V"};

bool isUpperLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

using Group = std::vector<const QsoRecord*>;

// The call as listed: without a one-digit portable area when those are hidden.
std::string_view listedCall(std::string_view call, bool showPortable) {
    size_t slash = call.find('/');
    if (!showPortable && slash != std::string_view::npos && slash + 2 == call.size() &&
        call.back() >= '0' && call.back() <= '9') {
        return call.substr(0, slash);
    }
    return call;
}

void writeGroup(std::string& out, const Group& group, int letter, const CheckListLayout& layout) {
    int pending = 0;
    int n = layout.perLine;
    for (size_t k = 0; k < group.size(); ++k) {
        int position = static_cast<int>(k % static_cast<size_t>(n));
        if (position == 0) {
            out += k == 0 ? formatText("[%c] ", letter + 64) : "    ";
        }
        std::string_view call = listedCall(group[k]->callSign(), layout.showPortable);
        out += formatText("%*s", pending, "");
        out += call;
        if (position + 1 != n) {
            pending = layout.width - static_cast<int>(call.size());
        } else {
            out += "\n";
            pending = 0;
        }
    }
    if (group.size() % static_cast<size_t>(n) != 0) {
        out += "\n";
    }
    out += "\n";
}

std::string listText(int band, const std::array<Group, kGroupCount>& groups, int stations,
                     const CheckListLayout& layout) {
    int span = layout.width * layout.perLine + 4;
    std::string out = formatText("%*s---  Check List  Band: %s MHz  ---\n\n", span / 2 - 19, "",
                                 std::string(bandTextOf(band)).c_str());
    for (int letter = 0; letter < kGroupCount; ++letter) {
        if (!groups[static_cast<size_t>(letter)].empty()) {
            writeGroup(out, groups[static_cast<size_t>(letter)], letter, layout);
        }
    }
    out += formatText("%*s---  Stations: %d ---\n", span / 2 - 13, "", stations);
    return out;
}

}  // namespace

int lastLetterGroup(std::string_view callSign) {
    if (callSign.empty()) {
        return -1;
    }
    std::string call(callSign);
    for (char& c : call) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    int last = static_cast<unsigned char>(call.back()) - 64;
    bool special = std::find(kSlashPrefixes.begin(), kSlashPrefixes.end(),
                             std::string_view(call).substr(0, 4)) != kSlashPrefixes.end();
    size_t slash = call.find('/', special ? 5 : 0);
    size_t best = 0;
    int group = last;
    size_t start = 0;
    for (; slash != std::string::npos; slash = call.find('/', start)) {
        size_t length = slash - start;
        if (length >= best) {
            best = 0;
            if (length > 0 && isUpperLetter(call[slash - 1])) {
                best = length;
                group = call[slash - 1] - 64;
            }
        }
        start = slash + 1;
    }
    std::string_view rest = std::string_view(call).substr(start);
    if (rest.size() >= best && rest.substr(0, 2) != "BY") {
        return last;
    }
    return group;
}

std::string_view checkListSuffix(int band) {
    return kSuffixes.at(static_cast<size_t>(band));
}

BandCheckList bandCheckList(const QsoList& qsos, int band, const CheckListLayout& layout) {
    BandCheckList list;
    std::array<Group, kGroupCount> groups;
    for (const auto& qso : qsos) {
        if (qso->band() != band) {
            continue;
        }
        int letter = lastLetterGroup(qso->callSign());
        if (letter < 0 || letter >= kGroupCount) {
            list.invalidCalls.push_back(qso->callSign());
            continue;
        }
        groups[static_cast<size_t>(letter)].push_back(qso.get());
        ++list.stations;
    }
    if (list.stations == 0) {
        return list;
    }
    for (Group& group : groups) {
        std::stable_sort(group.begin(), group.end(),
                         [](const auto* a, const auto* b) { return a->time() < b->time(); });
    }
    list.text = listText(band, groups, list.stations, layout);
    return list;
}

}  // namespace sorvak
