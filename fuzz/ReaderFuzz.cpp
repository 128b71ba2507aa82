#include "ReaderFuzz.h"

#include <tuple>

#include "formats/LogSource.h"
#include "platform/TextFormat.h"

namespace sorvak::fuzz {

bool sameValues(const QsoValues& a, const QsoValues& b) {
    auto fields = [](const QsoValues& q) {
        return std::tie(q.time, q.callSign, q.srst, q.sent, q.rrst, q.rcvd, q.multi, q.newMulti,
                        q.multi2, q.newMulti2, q.band, q.mode, q.power, q.points, q.txNumber,
                        q.operatorName, q.memo);
    };
    return fields(a) == fields(b);
}

std::string describeQso(const QsoValues& q) {
    auto text = [](const char* name, const std::string& value) {
        return formatText(" %s(%zu)", name, value.size()) + value;
    };
    return formatText("time %d srst %d rrst %d new %d/%d band %d mode %d power %d points %d tx %d",
                      q.time, q.srst, q.rrst, q.newMulti, q.newMulti2, q.band, q.mode, q.power,
                      q.points, q.txNumber) +
           text("call", q.callSign) + text("sent", q.sent) + text("rcvd", q.rcvd) +
           text("multi", q.multi) + text("multi2", q.multi2) + text("op", q.operatorName) +
           text("memo", q.memo);
}

bool fitsColumns(int number, size_t width) {
    return std::to_string(number).size() <= width;
}

bool hasBandAndModeTexts(const QsoRecord& qso) {
    return !qso.bandText().empty() && !qso.modeText().empty();
}

namespace {

void readInto(const ReaderChecks& checks, std::string bytes, CSorvakDoc& doc) {
    AgreeingUi ui;
    LogSource source = LogSource::fromBytes(std::move(bytes), "fuzz.txt");
    LoadContext context(doc, source, LoadMode::Load, ui);
    checks.reader(context);
}

QsoValues heldOf(const ReaderChecks& checks, const QsoRecord& qso) {
    QsoValues values = qso.values();
    if (checks.keepHeld != nullptr) {
        checks.keepHeld(values);
    }
    return values;
}

void checkRoundTrip(const ReaderChecks& checks, CSorvakDoc& loaded) {
    if (checks.holds != nullptr) {
        std::erase_if(loaded.mutableQsoList(),
                      [&](const auto& qso) { return !checks.holds(loaded, *qso); });
    }
    if (checks.beforeWriting != nullptr) {
        checks.beforeWriting(loaded);
    }
    std::string written = checks.writer(loaded);
    CSorvakDoc reread;
    readInto(checks, written, reread);
    if (loaded.count() != reread.count()) {
        propertyFailed("QSOs read back from\n" + written, std::to_string(loaded.count()),
                       std::to_string(reread.count()));
    }
    for (size_t row = 0; row < loaded.count(); ++row) {
        QsoValues expected = heldOf(checks, loaded.at(row));
        QsoValues got = heldOf(checks, reread.at(row));
        if (!sameValues(expected, got)) {
            propertyFailed(formatText("QSO %zu read back from\n", row + 1) + written,
                           describeQso(expected), describeQso(got));
        }
    }
    if (checks.logData != nullptr) {
        expectSame("log data read back", checks.logData(loaded), checks.logData(reread));
    }
    if (checks.beforeWriting != nullptr) {
        checks.beforeWriting(reread);
    }
    expectSame("the log read back written again", written, checks.writer(reread));
}

}  // namespace

int fuzzReader(const uint8_t* data, size_t size, const ReaderChecks& checks) {
    CSorvakDoc loaded;
    readInto(checks, std::string(textOf(data, size)), loaded);
    if (checks.writer != nullptr) {
        checkRoundTrip(checks, loaded);
    }
    return 0;
}

}  // namespace sorvak::fuzz
