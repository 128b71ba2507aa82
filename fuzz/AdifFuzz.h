#pragma once

#include "ReaderFuzz.h"
#include "formats/AdifReader.h"
#include "formats/AdifVocabulary.h"
#include "formats/AdifWriter.h"
#include "platform/Cp932.h"

namespace sorvak::fuzz {

// What both ADIF layouts hold of a QSO: the time, call, band, mode, reports,
// exchanges, operator and memo, each text only when it is ASCII; the points
// are always 1. A memo that is not ASCII stays, as UTF-8 holds it, when
// `intlMemo` (the ADX file's COMMENT_INTL).
template <bool intlMemo>
void keepAdifHeld(QsoValues& qso) {
    for (std::string* text : {&qso.callSign, &qso.sent, &qso.rcvd, &qso.operatorName}) {
        if (!isAdifAscii(*text)) {
            text->clear();
        }
    }
    if (intlMemo) {
        qso.memo = utf8ToCp932(cp932ToUtf8(qso.memo));
    } else if (!isAdifAscii(qso.memo)) {
        qso.memo.clear();
    }
    qso.multi.clear();
    qso.multi2.clear();
    qso.newMulti = qso.newMulti2 = 0;
    qso.power = -1;
    qso.txNumber = 0;
}

// A record that gets no field at all is not read back.
template <bool intlMemo>
bool writesSomething(const CSorvakDoc& doc, const QsoRecord& qso) {
    QsoValues v = qso.values();
    keepAdifHeld<intlMemo>(v);
    const ContestInfo& info = doc.contest();
    bool texts = !v.callSign.empty() || !v.sent.empty() || !v.rcvd.empty() ||
                 !v.operatorName.empty() || !v.memo.empty() ||
                 (!info.stationCall.empty() && isAdifAscii(info.stationCall)) ||
                 (!info.contestName.empty() && isAdifAscii(info.contestName));
    return texts || v.time >= 0 || !adifBandOf(v.band).empty() || !adifModeOf(v.mode).empty() ||
           v.srst != 0 || v.rrst != 0;
}

// Every record names the station and the contest; they come back from the
// first one.
inline std::string adifContestData(const CSorvakDoc& doc) {
    const ContestInfo& info = doc.contest();
    if (doc.empty()) {
        return {};
    }
    return (isAdifAscii(info.stationCall) ? info.stationCall : "") + " / " +
           (isAdifAscii(info.contestName) ? info.contestName : "");
}

// The ADIF reader over the input; what it read is written as an ADX file
// (`adx`) or an ADI file and read back.
template <bool adx>
int fuzzAdif(const uint8_t* data, size_t size) {
    Writer writer = [](const CSorvakDoc& doc) {
        AdifExportReport report;
        const AdifStamp stamp{"0", 0};
        return adx ? writeAdx(doc, report, stamp) : writeAdi(doc, report, stamp);
    };
    return fuzzReader(data, size,
                      {.reader = readAdif,
                       .writer = writer,
                       .holds = writesSomething<adx>,
                       .keepHeld = keepAdifHeld<adx>,
                       .logData = adifContestData});
}

}  // namespace sorvak::fuzz
