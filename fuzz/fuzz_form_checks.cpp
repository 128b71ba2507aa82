// The field checks of the dialogs over any typed texts (one field a line):
// what a check accepts, the dialog stores, shows again as accepted, and the
// binary log keeps.
#include "FormLines.h"
#include "FuzzSupport.h"
#include "ReaderFuzz.h"
#include "editing/AnalysisForm.h"
#include "editing/BulkChangeForm.h"
#include "editing/CabrilloHeaderForm.h"
#include "editing/CheckListForm.h"
#include "editing/ContestDataForm.h"
#include "editing/FieldChecks.h"
#include "editing/JarlLogForm.h"
#include "editing/NumberToMultiForm.h"
#include "editing/QsoEditForm.h"
#include "editing/SentNumberForm.h"
#include "formats/BinaryLog.h"
#include "formats/LoadContext.h"
#include "formats/LogSource.h"
#include "platform/Cp932.h"

namespace {

using namespace sorvak;
using fuzz::expectSame;
using fuzz::FormLines;

// The log as the binary log gives it back.
CSorvakDoc throughBinaryLog(const CSorvakDoc& doc) {
    CSorvakDoc reread;
    fuzz::AgreeingUi ui;
    LogSource source = LogSource::fromBytes(writeBinaryLog(doc), "fuzz.qgb");
    LoadContext context(reread, source, LoadMode::Load, ui);
    readBinaryLog(context);
    return reread;
}

// A number check that passes gives a number in its range, the same signed
// and unsigned; a text check that passes gives text that fits and that
// shows and stores again unchanged.
void checkFieldChecks(const std::string& text) {
    if (!checkUnsigned(text, 0, 599)) {
        int n = numberOf(text);
        if (n < 0 || n > 599 || parseSigned(text) != parseUnsigned(text)) {
            fuzz::propertyFailed("an accepted number in 0..599", text, std::to_string(n));
        }
    }
    if (!checkSigned(text, -23, 23) && (numberOf(text) < -23 || numberOf(text) > 23)) {
        fuzz::propertyFailed("an accepted number in -23..23", text, std::to_string(numberOf(text)));
    }
    if (!checkText(text, 12)) {
        std::string stored = storedText(text);
        expectSame("accepted text shows and stores unchanged", stored,
                   storedText(cp932ToUtf8(stored)));
        if (stored.size() > 12) {
            fuzz::propertyFailed("accepted text within 12 bytes", text, stored);
        }
    }
}

void fill(QsoEditForm& form, FormLines& lines) {
    for (std::string* field :
         {&form.qsoNumber, &form.callSign,     &form.srst,  &form.sent, &form.rrst,  &form.rcvd,
          &form.multi,     &form.multi2,       &form.band,  &form.mode, &form.power, &form.txNumber,
          &form.points,    &form.operatorName, &form.memo,  &form.year, &form.month, &form.day,
          &form.hour,      &form.minute,       &form.second}) {
        *field = lines.next();
    }
    form.newMulti = lines.nextBox();
    form.newMulti2 = lines.nextBox();
}

// A QSO made from an accepted dialog shows as an accepted dialog again, and
// OK on it leaves the QSO as it was; the binary log keeps all of it.
void checkQsoForm(FormLines& lines) {
    QsoEditForm form;
    form.newMode = true;
    form.useCurrentTime = false;
    fill(form, lines);
    if (form.check()) {
        return;
    }
    auto made = form.buildRecord();
    if (!made.record) {
        return;
    }
    const QsoRecord& record = *made.record;
    QsoEditForm shown = QsoEditForm::fromRecord(record, 0);
    if (auto failure = shown.check()) {
        fuzz::propertyFailed("a stored QSO shows as an accepted dialog",
                             fuzz::describeQso(record.values()), failure->message);
    }
    QsoRecord again = record;
    shown.writeTo(again);
    expectSame("OK on the shown QSO leaves it as it was", fuzz::describeQso(record.values()),
               fuzz::describeQso(again.values()));
    CSorvakDoc doc;
    doc.add(std::make_unique<QsoRecord>(record));
    CSorvakDoc reread = throughBinaryLog(doc);
    expectSame("the binary log keeps an entered QSO", fuzz::describeQso(record.values()),
               reread.empty() ? "" : fuzz::describeQso(reread.at(0).values()));
}

std::string describedLog(const CSorvakDoc& doc) {
    std::string text;
    for (const auto& qso : doc.qsoList()) {
        text += fuzz::describeQso(qso->values()) + "\n";
    }
    return text;
}

// A bulk change refused for its band, mode or power text changes no QSO.
void checkBulkForm(FormLines& lines) {
    BulkChangeForm form;
    for (auto [box, value] : std::initializer_list<std::pair<bool*, std::string*>>{
             {&form.changeDate, &form.year},
             {&form.changeDate, &form.month},
             {&form.changeDate, &form.day},
             {&form.changeTime, &form.shiftHours},
             {&form.changeTime, &form.shiftMinutes},
             {&form.changeSrst, &form.srst},
             {&form.changeSent, &form.sent},
             {&form.changeRrst, &form.rrst},
             {&form.changeRcvd, &form.rcvd},
             {&form.changeBand, &form.band},
             {&form.changeMode, &form.mode},
             {&form.changePower, &form.power},
             {&form.changeTxNumber, &form.txNumber},
             {&form.changePoints, &form.points},
             {&form.changeOperator, &form.operatorName},
             {&form.changeMemo, &form.memo},
             {&form.onlyBand, &form.onlyBandText},
             {&form.onlyMode, &form.onlyModeText}}) {
        std::string line = lines.next();
        *box = *box || line.starts_with('1');
        *value = line.empty() ? line : line.substr(1);
    }
    if (form.check()) {
        return;
    }
    CSorvakDoc doc;
    for (const char* band : {"7", "14", "1.9"}) {
        QsoParts p;
        p.year = 2026;
        p.hhmm = 2359;
        p.callSign = "JA1ABC";
        p.bandText = band;
        p.modeText = "CW";
        doc.add(std::make_unique<QsoRecord>(p));
    }
    std::string before = describedLog(doc);
    if (form.apply(doc, {0, 1, 2})) {
        expectSame("a refused bulk change leaves every QSO", before, describedLog(doc));
    }
    expectSame("the binary log keeps the changed QSOs", describedLog(doc),
               describedLog(throughBinaryLog(doc)));
}

// Accepted contest data shows again as it was typed, and the binary log keeps it.
void checkContestDataForm(FormLines& lines) {
    ContestDataForm form;
    form.stationCall = lines.next();
    form.contestName = lines.next();
    form.utc = lines.nextBox();
    form.coefficient = lines.next();
    if (form.check()) {
        return;
    }
    CSorvakDoc doc;
    form.apply(doc);
    ContestDataForm shown = ContestDataForm::prefilledFrom(doc);
    expectSame("accepted contest data shows again", std::to_string(numberOf(form.coefficient)),
               shown.coefficient);
    // The binary log keeps the call sign's first 12 bytes (and says so when
    // it cuts one).
    CSorvakDoc reread = throughBinaryLog(doc);
    const ContestInfo& info = doc.contest();
    const ContestInfo& kept = reread.contest();
    expectSame("the binary log keeps the contest data",
               std::string(wholeCharactersWithin(info.stationCall, 12)) + "\n" + info.contestName +
                   "\n" + std::to_string(info.coefficient) + std::to_string(info.utcFlag),
               kept.stationCall + "\n" + kept.contestName + "\n" +
                   std::to_string(kept.coefficient) + std::to_string(kept.utcFlag));
}

void checkOtherForms(FormLines& lines) {
    CabrilloHeaderForm cabrillo;
    cabrillo.version = lines.nextBox() ? 2 : 3;
    for (std::string* field :
         {&cabrillo.contest, &cabrillo.location, &cabrillo.callSign, &cabrillo.category,
          &cabrillo.catAssisted, &cabrillo.catBand, &cabrillo.catMode, &cabrillo.catOperator,
          &cabrillo.catPower, &cabrillo.catStation, &cabrillo.catTime, &cabrillo.catTransmitter,
          &cabrillo.catOverlay, &cabrillo.name, &cabrillo.address}) {
        *field = lines.next();
    }
    CSorvakDoc doc;
    if (!cabrillo.check()) {
        cabrillo.apply(doc);
    }
    JarlLogForm jarl;
    for (std::string& value : jarl.values) {
        value = lines.next();
    }
    jarl.checkLog = lines.nextBox();
    jarl.totalScore();
    jarl.scoreLines();
    if (!jarl.check()) {
        jarl.apply(doc);
    }
    SentNumberForm sent;
    sent.sent = lines.next();
    sent.check();
    NumberToMultiForm toMulti;
    toMulti.cutCount = lines.next();
    toMulti.digitsOnly = lines.nextBox();
    std::string received = lines.next();
    if (!toMulti.check()) {
        std::string multi = toMulti.multiOf(received);
        if (!received.starts_with(multi) ||
            wholeCharactersWithin(received, multi.size()).size() != multi.size()) {
            fuzz::propertyFailed("a multiplier is the front of the number", received, multi);
        }
    }
    CheckListForm checkList;
    checkList.stationsPerLine = lines.next();
    checkList.charsPerStation = lines.next();
    if (!checkList.check()) {
        checkList.apply(doc);
    }
    AnalysisForm analysis(doc.reportSettings());
    analysis.settings.multiDataFile = lines.next();
    analysis.check();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = fuzz::textOf(data, size);
    FormLines fields(input);
    for (std::string line = fields.next(); !line.empty() || !fields.rest().empty();
         line = fields.next()) {
        checkFieldChecks(line);
    }
    FormLines lines(input);
    checkQsoForm(lines);
    checkBulkForm(lines);
    checkContestDataForm(lines);
    checkOtherForms(lines);
    return 0;
}
