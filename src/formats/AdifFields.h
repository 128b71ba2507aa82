#pragma once

#include <string_view>

namespace sorvak {

// The values of one ADIF record that the log keeps, as the file spells them
// (views into the file's text, which must outlive them).
struct AdifFields {
    std::string_view call;
    std::string_view qsoDate;
    std::string_view timeOn;
    std::string_view band;
    std::string_view freq;
    std::string_view mode;
    std::string_view rstSent;
    std::string_view rstRcvd;
    std::string_view stx;
    std::string_view stxString;
    std::string_view srx;
    std::string_view srxString;
    std::string_view operatorCall;
    std::string_view comment;
    std::string_view commentIntl;
    std::string_view stationCallsign;
    std::string_view contestId;

    bool operator==(const AdifFields&) const = default;

    // Keeps the value of the field `name` (any letter case); other fields are skipped.
    void set(std::string_view name, std::string_view value);
};

}  // namespace sorvak
