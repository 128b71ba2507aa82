#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace sorvak {

// The typed fields of the JARL electronic log's summary sheet, in the order
// their tags stand in the file (TOTALSCORE, which the program computes,
// follows OPCALLSIGN).
enum class JarlField {
    Contest,
    Category,
    CallSign,
    OpCallSign,
    Address,
    Name,
    Tel,
    Email,
    LicenseDate,
    Age,
    Power,
    FdCoeff,
    OpPlace,
    PowerSupply,
    Comments,
    MultiOpList,
    RegClub,
    Oath,
    Date,
    Signature,
};
inline constexpr int kJarlFieldCount = 20;

// What each field is called: its tag in the file, its name for the user
// (UTF-8), its name on the command line, and whether it may hold several lines.
struct JarlFieldInfo {
    JarlField field;
    const char* tag;
    const char* label;
    const char* cliName;
    bool multiLine;
};

const std::array<JarlFieldInfo, kJarlFieldCount>& jarlFields();
const JarlFieldInfo& jarlFieldInfo(JarlField field);

// What the JARL electronic log dialog last accepted, for the run of the
// program. Values are CP932; the lines of a multi-line value are separated
// by '\n'.
struct JarlLogHeader {
    std::array<std::string, kJarlFieldCount> values;
    bool checkLog = false;
    bool utcLogSheet = false;  // the log sheet's dates and times in UTC rather than JST
    int64_t totalScore = 0;    // TOTALSCORE, as the dialog showed it

    std::string& operator[](JarlField field) { return values[static_cast<size_t>(field)]; }
    const std::string& operator[](JarlField field) const {
        return values[static_cast<size_t>(field)];
    }
};

}  // namespace sorvak
