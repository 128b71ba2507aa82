#include "formats/AdifWriter.h"

#include <pugixml.hpp>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

#include "formats/AdifVocabulary.h"
#include "model/CSorvakDoc.h"
#include "platform/Cp932.h"

namespace sorvak {
namespace {

constexpr const char* kAdifVersion = "3.1.6";
constexpr const char* kProgramId = "SORVAK";

struct AdifValue {
    const char* name;
    std::string value;  // ASCII; UTF-8 in an _INTL field
};

// "YYYYMMDD" and "HHMMSS" of a count of seconds since 1970; false before 1970.
bool dateAndTime(int64_t seconds, std::string& date, std::string& time) {
    if (seconds < 0 || seconds > INT32_MAX) {
        return false;
    }
    std::optional<ClockParts> parts = breakDownClockTime(static_cast<int32_t>(seconds));
    if (!parts) {
        return false;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d", parts->year, parts->month, parts->day);
    date = text;
    std::snprintf(text, sizeof text, "%02d%02d%02d", parts->hour, parts->minute, parts->second);
    time = text;
    return true;
}

// The ADIF fields of one QSO, in the order they are written. `intl` allows
// the _INTL field of a memo that is not ASCII (ADX only).
class AdifQsoFields {
  public:
    AdifQsoFields(const CSorvakDoc& doc, const QsoRecord& q, bool intl, AdifExportReport& report)
        : report_(report) {
        add("CALL", q.callSign());
        addTime(q, doc.contest().utcFlag == 0);
        add("BAND", std::string(adifBandOf(q.band())));
        add("MODE", std::string(adifModeOf(q.mode())));
        // 0 is no report; a negative one is a signal report in dB.
        add("RST_SENT", q.srst() != 0 ? std::to_string(q.srst()) : "");
        add("RST_RCVD", q.rrst() != 0 ? std::to_string(q.rrst()) : "");
        add("STX_STRING", q.sent());
        add("SRX_STRING", q.rcvd());
        add("OPERATOR", q.operatorName());
        add("STATION_CALLSIGN", doc.contest().stationCall);
        add("CONTEST_ID", doc.contest().contestName);
        addMemo(q.memo(), intl);
    }

    const std::vector<AdifValue>& values() const { return values_; }

  private:
    void add(const char* name, const std::string& cp932) {
        if (cp932.empty()) {
            return;
        }
        if (!isAdifAscii(cp932)) {
            ++report_.leftOut;
            return;
        }
        values_.push_back({name, cp932});
    }

    void addTime(const QsoRecord& q, bool jst) {
        if (q.time() < 0) {
            return;
        }
        std::string date, time;
        if (!dateAndTime(q.time() - (jst ? kJstOffset : 0), date, time)) {
            report_.leftOut += 2;
            return;
        }
        values_.push_back({"QSO_DATE", date});
        values_.push_back({"TIME_ON", time});
    }

    void addMemo(const std::string& memo, bool intl) {
        if (memo.empty() || isAdifAscii(memo) || !intl) {
            add("COMMENT", memo);
            return;
        }
        std::string utf8 = cp932ToUtf8(memo);
        for (char c : utf8) {
            if (c >= 0 && c < ' ') {
                ++report_.leftOut;  // no line breaks or controls in an international string
                return;
            }
        }
        values_.push_back({"COMMENT_INTL", utf8});
    }

    AdifExportReport& report_;
    std::vector<AdifValue> values_;
};

std::string createdTimestamp(const AdifStamp& stamp) {
    std::string date, time;
    if (!dateAndTime(stamp.createdUtc, date, time)) {
        dateAndTime(0, date, time);
    }
    return date + " " + time;
}

void appendAdiField(std::string& out, const char* name, const std::string& value) {
    out += '<';
    out += name;
    out += ':';
    out += std::to_string(value.size());
    out += '>';
    out += value;
}

class StringWriter : public pugi::xml_writer {
  public:
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

}  // namespace

AdifStamp AdifStamp::now() {
    return AdifStamp{SORVAK_VERSION, static_cast<int64_t>(std::time(nullptr))};
}

std::string writeAdi(const CSorvakDoc& doc, AdifExportReport& report, const AdifStamp& stamp) {
    std::string out = "SORVAK ADIF export\r\n";
    for (const AdifValue& field :
         {AdifValue{"ADIF_VER", kAdifVersion}, AdifValue{"PROGRAMID", kProgramId},
          AdifValue{"PROGRAMVERSION", stamp.programVersion},
          AdifValue{"CREATED_TIMESTAMP", createdTimestamp(stamp)}}) {
        appendAdiField(out, field.name, field.value);
        out += "\r\n";
    }
    out += "<EOH>\r\n";
    for (const auto& q : doc.qsoList()) {
        AdifQsoFields fields(doc, *q, false, report);
        for (const AdifValue& field : fields.values()) {
            appendAdiField(out, field.name, field.value);
            out += ' ';
        }
        out += "<EOR>\r\n";
    }
    return out;
}

std::string writeAdx(const CSorvakDoc& doc, AdifExportReport& report, const AdifStamp& stamp) {
    pugi::xml_document xml;
    pugi::xml_node declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node adx = xml.append_child("ADX");
    pugi::xml_node header = adx.append_child("HEADER");
    header.append_child("ADIF_VER").text() = kAdifVersion;
    header.append_child("PROGRAMID").text() = kProgramId;
    header.append_child("PROGRAMVERSION").text() = stamp.programVersion.c_str();
    header.append_child("CREATED_TIMESTAMP").text() = createdTimestamp(stamp).c_str();
    pugi::xml_node records = adx.append_child("RECORDS");
    for (const auto& q : doc.qsoList()) {
        pugi::xml_node record = records.append_child("RECORD");
        AdifQsoFields fields(doc, *q, true, report);
        for (const AdifValue& field : fields.values()) {
            record.append_child(field.name).text() = field.value.c_str();
        }
    }
    StringWriter writer;
    xml.save(writer, "  ", pugi::format_indent, pugi::encoding_utf8);
    return writer.text;
}

std::string adifLeftOutNote(const AdifExportReport& report) {
    if (report.leftOut == 0) {
        return {};
    }
    char text[128];
    std::snprintf(text, sizeof text, "ADIFに書けない値を%d個省きました。", report.leftOut);
    return text;
}

std::string writeAdiFile(const CSorvakDoc& doc, std::string& note) {
    AdifExportReport report;
    std::string bytes = writeAdi(doc, report);
    note = adifLeftOutNote(report);
    return bytes;
}

std::string writeAdxFile(const CSorvakDoc& doc, std::string& note) {
    AdifExportReport report;
    std::string bytes = writeAdx(doc, report);
    note = adifLeftOutNote(report);
    return bytes;
}

}  // namespace sorvak
