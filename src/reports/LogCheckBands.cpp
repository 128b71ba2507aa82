// Band changes per transmitter: per clock hour, and bands left too soon.
#include <map>
#include <set>

#include "model/Vocabulary.h"
#include "reports/BandChanges.h"
#include "reports/LogCheckParts.h"
#include "reports/LogCheckText.h"

namespace sorvak::logcheck {
namespace {

std::string bandLabel(const QsoRecord& qso) {
    std::string band(qso.bandText());
    return band == "10G" ? "10 GHz" : band + " MHz";
}

void checkTransmitter(const CheckInput& input, Findings& findings,
                      const std::vector<size_t>& rows) {
    const QsoList& qsos = input.qsos;
    std::vector<BandChange> changes = bandChanges(qsos, rows);
    std::string tx = transmitterText(input, qsos[rows.front()]->txNumber());
    for (HourOfChanges& hour : changesPerHour(qsos, changes)) {
        std::string text = tx + clockTimeText(hour.hour, "%04d/%02d/%02d %02d時台") +
                           "のバンドチェンジ " + std::to_string(hour.rows.size()) + " 回";
        findings.onRows(CheckKind::BandChange, CheckLevel::Information, std::move(hour.rows),
                        std::move(text));
    }
    for (const BandChange& change : changes) {
        if (leftBandTooSoon(qsos, change)) {
            const QsoRecord& before = *qsos[change.previous];
            findings.onRows(CheckKind::BandChange, CheckLevel::Information,
                            {change.row, change.previous},
                            tx + bandLabel(before) + " の最初の交信 (" + lineText(change.previous) +
                                " " + clockText(before.time()) + ") から 10 分たたずに " +
                                bandLabel(*qsos[change.row]) + " へ移りました");
        }
    }
}

}  // namespace

void checkBandChanges(const CheckInput& input, Findings& findings) {
    std::map<int, std::vector<size_t>> byTransmitter;
    std::set<int> bands;
    for (size_t row : input.timeOrder) {
        int band = input.qsos[row]->band();
        if (band >= 0 && band < kBandCount) {
            byTransmitter[input.qsos[row]->txNumber()].push_back(row);
            bands.insert(band);
        }
    }
    if (bands.size() < 2) {
        return;
    }
    for (const auto& [tx, rows] : byTransmitter) {
        checkTransmitter(input, findings, rows);
    }
}

}  // namespace sorvak::logcheck
