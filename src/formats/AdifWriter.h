#pragma once

#include <cstdint>
#include <string>

namespace sorvak {

class CSorvakDoc;

// What an ADIF export could not carry.
struct AdifExportReport {
    int leftOut = 0;  // values left out: non-ASCII text without an _INTL field, and the like
};

// The program version and the moment an export names in its header.
struct AdifStamp {
    std::string programVersion;
    int64_t createdUtc = 0;  // seconds since 1970-01-01 00:00:00 UTC

    // This program's version and the computer's clock.
    static AdifStamp now();
};

// An ADI file (ADIF 3.1.6, CR LF lines): a header, then one line per QSO.
// ADIF times are UTC, so a JST log is moved back 9 hours. ADI text is ASCII
// and every value that is not is left out.
std::string writeAdi(const CSorvakDoc& doc, AdifExportReport& report,
                     const AdifStamp& stamp = AdifStamp::now());

// An ADX file (ADIF 3.1.6 XML, UTF-8) with the same fields; a memo that is not
// ASCII goes into COMMENT_INTL, other values that are not are left out.
std::string writeAdx(const CSorvakDoc& doc, AdifExportReport& report,
                     const AdifStamp& stamp = AdifStamp::now());

// The writers of the format table: the file stamped now, and in `note` the
// message about the values left out (empty when none were).
std::string writeAdiFile(const CSorvakDoc& doc, std::string& note);
std::string writeAdxFile(const CSorvakDoc& doc, std::string& note);

// The message after an export that left values out; empty when none were.
std::string adifLeftOutNote(const AdifExportReport& report);

}  // namespace sorvak
