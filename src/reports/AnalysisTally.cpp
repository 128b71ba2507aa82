#include "reports/AnalysisTally.h"

#include <algorithm>

#include "model/Vocabulary.h"
#include "reports/AnalysisFlags.h"
#include "reports/CallArea.h"

namespace sorvak {
namespace {

// Adds `n` to the all-band cell and, for a QSO with a band, to its band's cell.
template <typename Cells>
void addTo(Cells& cells, int band, int n) {
    cells[0] += n;
    if (band != 0) {
        cells[static_cast<size_t>(band)] += n;
    }
}

void addToArea(BandAreaCounts& cells, int band, int area) {
    auto a = static_cast<size_t>(area);
    cells[0][a] += 1;
    if (band != 0) {
        cells[static_cast<size_t>(band)][a] += 1;
    }
}

// Appends the records of the hours from the current one up to the QSO's.
void extendHours(std::vector<HourTally>& hours, int day, int hour) {
    int last = hour - 1;
    if (!hours.empty()) {
        last = hours.back().hour;
        if (last > hour) {  // the clock passed midnight
            int previousDay = hours.back().day;
            for (int h = last + 1; h <= 23; ++h) {
                hours.push_back(HourTally{.day = previousDay, .hour = h});
            }
        }
    }
    int next = !hours.empty() && hours.back().hour == 23 ? 0 : last + 1;
    for (int h = next; h <= hour; ++h) {
        hours.push_back(HourTally{.day = day, .hour = h});
    }
}

void countQso(HourTally& cell, const QsoRecord& qso, int band, bool cw) {
    cell.count[0][0] += 1;
    if (band != 0) {
        cell.count[static_cast<size_t>(band)][0] += 1;
    }
    addTo(cell.points, band, qso.points());
    if (cw) {
        cell.cwCount[0][0] += 1;
        if (band != 0) {
            cell.cwCount[static_cast<size_t>(band)][0] += 1;
        }
        addTo(cell.cwPoints, band, qso.points());
    }
    for (int flag : {qso.newMulti(), qso.newMulti2()}) {
        if (flag != 0) {
            addTo(cell.newMultis, band, 1);
            if (cw) {
                addTo(cell.cwNewMultis, band, 1);
            }
        }
    }
}

// Fills the cumulative counts and the totals from the hour records.
void sumUp(AnalysisTally& tally) {
    HourTally& totals = tally.totals;
    for (HourTally& hour : tally.hours) {
        for (size_t b = 0; b < kBandIndexCount; ++b) {
            totals.newMultis[b] += hour.newMultis[b];
            totals.cwNewMultis[b] += hour.cwNewMultis[b];
            totals.points[b] += hour.points[b];
            totals.cwPoints[b] += hour.cwPoints[b];
            hour.cumCount[b] = totals.count[b][0] + hour.count[b][0];
            hour.cumCwCount[b] = totals.cwCount[b][0] + hour.cwCount[b][0];
            for (size_t a = 0; a < kAreaIndexCount; ++a) {
                totals.count[b][a] += hour.count[b][a];
                totals.cwCount[b][a] += hour.cwCount[b][a];
            }
        }
    }
    tally.hourCount = static_cast<int>(tally.hours.size());
}

}  // namespace

int bandIndexOf(const QsoRecord& qso) {
    return qso.band() >= 0 && qso.band() < kBandCount ? qso.band() + 1 : 0;
}

AnalysisTally tallyLog(const QsoList& qsos, unsigned flags, size_t areaRows) {
    AnalysisTally tally;
    size_t areaEnd = (flags & ANALYSIS_QAA) != 0 ? std::min(areaRows, qsos.size()) : 0;
    for (size_t row = 0; row < qsos.size(); ++row) {
        const auto& qso = qsos[row];
        ClockParts clock = qso->clockFace();
        if (tally.hours.empty() || tally.hours.back().hour != clock.hour ||
            tally.hours.back().day != clock.day) {
            extendHours(tally.hours, clock.day, clock.hour);
        }
        HourTally& current = tally.hours.back();
        int band = bandIndexOf(*qso);
        bool cw = qso->modeText() == "CW";
        countQso(current, *qso, band, cw);
        if (row >= areaEnd) {
            continue;
        }
        if (std::optional<int> area = callArea(qso->callSign())) {
            addToArea(current.count, band, *area);
            if (cw) {
                addToArea(current.cwCount, band, *area);
            }
        } else {
            tally.rowsWithoutArea.push_back(row);
        }
    }
    sumUp(tally);
    return tally;
}

}  // namespace sorvak
