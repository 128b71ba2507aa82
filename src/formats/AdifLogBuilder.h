#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formats/AdifFields.h"
#include "model/QsoRecord.h"

namespace sorvak {

// What an ADIF file gave: its QSOs with their times in UTC, as ADIF keeps
// them, and the contest data of its records.
struct AdifLog {
    std::vector<std::unique_ptr<QsoRecord>> records;
    std::string stationCall;  // CP932, from the first record that names one
    std::string contestName;
    int bandsUnset = 0;           // QSOs whose band is missing or not one of the log's
    bool charactersLost = false;  // some character had no CP932 form
    bool stopped = false;         // reading ended early; the user was told why
};

// Turns ADIF records into QSOs. The file's text is UTF-8 or, for ADI files
// that are not valid UTF-8, CP932 bytes.
class AdifLogBuilder {
  public:
    explicit AdifLogBuilder(bool utf8) : utf8_(utf8) {}

    void add(const AdifFields& fields);
    AdifLog& log() { return log_; }

  private:
    // A value as CP932 text; control characters become blanks.
    std::string text(std::string_view value);
    // The same without blanks at either end, those a control character
    // became included.
    std::string trimmedText(std::string_view value);

    bool utf8_;
    AdifLog log_;
};

}  // namespace sorvak
