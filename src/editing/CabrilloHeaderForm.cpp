#include "editing/CabrilloHeaderForm.h"

#include "model/CSorvakDoc.h"
#include "platform/Cp932.h"

namespace sorvak {

using List = std::vector<std::string>;

const List& CabrilloHeaderForm::contestList() {
    static const List list = {"CQ-WW-SSB",  "CQ-WW-CW",   "JIDX-PH",   "JIDX-CW",
                              "ARRL-DX-PH", "ARRL-DX-CW", "CQ-WPX-PH", "CQ-WPX-CW",
                              "AADX-PH",    "AADX-CW",    "WAEDC"};
    return list;
}

const List& CabrilloHeaderForm::categoryList() {
    static const List list = [] {
        List entries;
        for (const char* power : {"HIGH", "LOW", "QRP"}) {
            for (const char* band : {"ALL", "160M", "80M", "40M", "20M", "15M", "10M"}) {
                entries.push_back(std::string("SINGLE-OP ") + band + " " + power);
            }
        }
        for (const char* band : {"ALL", "160M", "80M", "40M", "20M", "15M", "10M"}) {
            entries.push_back(std::string("SINGLE-OP-ASSISTED ") + band);
        }
        for (const char* entry : {"MULTI-ONE", "MULTI-TWO", "MULTI-MULTI", "CHECKLOG"}) {
            entries.emplace_back(entry);
        }
        return entries;
    }();
    return list;
}

const List& CabrilloHeaderForm::assistedList() {
    static const List list = {"ASSISTED", "NON-ASSISTED"};
    return list;
}

const List& CabrilloHeaderForm::bandList() {
    static const List list = {"ALL", "160M", "80M", "40M", "20M", "15M", "10M",
                              "6M",  "2M",   "222", "432", "902", "1.2G"};
    return list;
}

const List& CabrilloHeaderForm::modeList() {
    static const List list = {"SSB", "CW", "MIXED"};
    return list;
}

const List& CabrilloHeaderForm::operatorList() {
    static const List list = {"SINGLE-OP", "MULTI-OP", "CHECKLOG"};
    return list;
}

const List& CabrilloHeaderForm::powerList() {
    static const List list = {"HIGH", "LOW", "QRP"};
    return list;
}

const List& CabrilloHeaderForm::stationList() {
    static const List list = {"FIXED",      "MOBILE", "DRIVER-MOBILE", "PORTABLE",
                              "EXPEDITION", "HQ",     "SCHOOL"};
    return list;
}

const List& CabrilloHeaderForm::timeList() {
    static const List list = {"6-HOURS", "12-HOURS", "24-HOURS"};
    return list;
}

const List& CabrilloHeaderForm::transmitterList() {
    static const List list = {"ONE", "TWO", "UNLIMITED", "SWL"};
    return list;
}

const List& CabrilloHeaderForm::overlayList() {
    static const List list = {"ROOKIE", "TB-WIRES", "NOVICE-TECH", "OVER-50"};
    return list;
}

CabrilloHeaderForm CabrilloHeaderForm::prefilledFrom(const CSorvakDoc& doc) {
    CabrilloHeaderForm form;
    form.contest = cp932ToUtf8(doc.contest().contestName);
    form.callSign = cp932ToUtf8(doc.contest().stationCall);
    return form;
}

std::string CabrilloHeaderForm::locationLabel() const {
    return version == 2 ? "A&RRL-SECTION:" : "&LOCATION:";
}

std::optional<CabrilloHeaderForm::Failure> CabrilloHeaderForm::check() const {
    if (contest.empty()) {
        return Failure{Field::Contest, "コンテスト名が記入されていません。"};
    }
    if (callSign.empty()) {
        return Failure{Field::CallSign, "コールサインが記入されていません。"};
    }
    if (version == 2 && category.empty()) {
        return Failure{Field::Category, "カテゴリーが記入されていません。"};
    }
    if (name.empty()) {
        return Failure{Field::Name, "名前が記入されていません。"};
    }
    if (address.empty()) {
        return Failure{Field::Address, "住所が記入されていません。"};
    }
    return std::nullopt;
}

CabrilloHeader CabrilloHeaderForm::header() const {
    CabrilloHeader h;
    h.contest = utf8ToCp932(contest);
    h.callSign = utf8ToCp932(callSign);
    h.category = utf8ToCp932(category);
    h.name = utf8ToCp932(name);
    h.address = utf8ToCp932(address);
    h.catTransmitter = utf8ToCp932(catTransmitter);
    h.catTime = utf8ToCp932(catTime);
    h.catStation = utf8ToCp932(catStation);
    h.catPower = utf8ToCp932(catPower);
    h.catOverlay = utf8ToCp932(catOverlay);
    h.catOperator = utf8ToCp932(catOperator);
    h.catMode = utf8ToCp932(catMode);
    h.catBand = utf8ToCp932(catBand);
    h.catAssisted = utf8ToCp932(catAssisted);
    h.location = utf8ToCp932(location);
    return h;
}

void CabrilloHeaderForm::apply(CSorvakDoc& doc) const {
    doc.cabrilloHeader() = header();
    doc.setCabrilloVersion(fileVersion());
}

}  // namespace sorvak
