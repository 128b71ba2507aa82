// The received exchange of each station: one station's exchanges compared,
// the serial numbers aside.
#include <algorithm>

#include "reports/LogCheckParts.h"
#include "reports/StringIndex.h"
#include "reports/TextLines.h"

namespace sorvak::logcheck {
namespace {

// How many different exchanges of one station are told.
constexpr size_t kListedValues = 4;

// The blank-separated items of an exchange: "050 B 54 OH" has four.
std::vector<std::string_view> itemsOf(std::string_view exchange) {
    std::vector<std::string_view> items;
    for (std::string_view item = takeItem(exchange); !item.empty(); item = takeItem(exchange)) {
        items.push_back(item);
    }
    return items;
}

bool isNumber(std::string_view item) {
    return std::all_of(item.begin(), item.end(), isDigit);
}

// The places in the exchange where the stations send serial numbers: most
// stations worked more than once that had a number there sent another one
// each time (the serial of "050 B 54 OH", a DX station's number where the
// others send their state), while a zone or a check stays the same.
std::vector<bool> serialPlaces(const QsoList& qsos,
                               const std::vector<std::vector<size_t>>& stations) {
    constexpr size_t kFewestStations = 2;
    std::vector<size_t> numbered;
    std::vector<size_t> differing;
    for (const std::vector<size_t>& rows : stations) {
        if (rows.size() < 2) {
            continue;
        }
        std::vector<std::string_view> first = itemsOf(qsos[rows.front()]->rcvd());
        numbered.resize(std::max(numbered.size(), first.size()));
        differing.resize(numbered.size());
        for (size_t place = 0; place < first.size(); ++place) {
            bool numbers = isNumber(first[place]);
            bool differs = false;
            for (size_t row : rows) {
                std::vector<std::string_view> items = itemsOf(qsos[row]->rcvd());
                numbers = numbers && place < items.size() && isNumber(items[place]);
                differs = differs || (numbers && items[place] != first[place]);
            }
            numbered[place] += numbers;
            differing[place] += numbers && differs;
        }
    }
    std::vector<bool> places(numbered.size());
    for (size_t place = 0; place < places.size(); ++place) {
        places[place] =
            numbered[place] >= kFewestStations && differing[place] * 2 > numbered[place];
    }
    return places;
}

// The exchange as compared: its items one blank apart, without the numbers
// that are serial numbers (all of them when the log sends a serial).
std::string comparedExchange(std::string_view rcvd, const std::vector<bool>& serialAt,
                             bool allNumbers) {
    std::string text;
    std::vector<std::string_view> items = itemsOf(rcvd);
    for (size_t place = 0; place < items.size(); ++place) {
        bool serial = allNumbers || (place < serialAt.size() && serialAt[place]);
        if (!(serial && isNumber(items[place]))) {
            text += text.empty() ? "" : " ";
            text += items[place];
        }
    }
    return text;
}

}  // namespace

void addTo(ValueGroups& groups, std::string value, size_t row) {
    auto it = std::find_if(groups.begin(), groups.end(),
                           [&](const auto& group) { return group.first == value; });
    if (it == groups.end()) {
        groups.emplace_back(std::move(value), std::vector<size_t>{row});
    } else {
        it->second.push_back(row);
    }
}

void byFrequency(ValueGroups& groups) {
    std::stable_sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) {
        return a.second.size() > b.second.size();
    });
}

// Stations whose exchange differs between their QSOs, serial numbers aside.
void checkReceived(const CheckInput& input, Findings& findings, bool sentSerial) {
    TextMap<size_t> stationOf;
    stationOf.reserve(input.qsos.size());
    std::vector<std::vector<size_t>> stations;
    for (size_t row = 0; row < input.qsos.size(); ++row) {
        const QsoRecord& qso = *input.qsos[row];
        if (qso.callSign().empty() || trimBlanks(qso.rcvd()).empty()) {
            continue;
        }
        auto [it, isNew] = stationOf.try_emplace(qso.callSign(), stations.size());
        if (isNew) {
            stations.emplace_back();
        }
        stations[it->second].push_back(row);
    }
    std::vector<bool> serialAt = serialPlaces(input.qsos, stations);
    for (const std::vector<size_t>& rows : stations) {
        if (rows.size() < 2) {
            continue;
        }
        ValueGroups values;
        for (size_t row : rows) {
            addTo(values, comparedExchange(input.qsos[row]->rcvd(), serialAt, sentSerial), row);
        }
        if (values.size() < 2) {
            continue;
        }
        byFrequency(values);
        std::string text =
            quoted(input.qsos[rows.front()]->callSign()) + " の受信ナンバーが違います:";
        std::vector<size_t> involved = values[1].second;
        for (size_t k = 0; k < values.size(); ++k) {
            const std::vector<size_t>& group = values[k].second;
            if (k < kListedValues) {
                text += (k > 0 ? "、'" : " '") +
                        shownText(trimBlanks(input.qsos[group.front()]->rcvd())) + "' (" +
                        lineList(group) + ")";
            } else if (k == kListedValues) {
                text += " ほか " + std::to_string(values.size() - kListedValues) + " 種類";
            }
            if (k != 1) {
                involved.insert(involved.end(), group.begin(), group.end());
            }
        }
        findings.onRows(CheckKind::Exchange, CheckLevel::Warning, std::move(involved),
                        std::move(text));
    }
}

}  // namespace sorvak::logcheck
