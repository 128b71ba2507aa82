#pragma once

#include <optional>
#include <string>

#include "platform/Ui.h"

namespace sorvak {

class CSorvakDoc;

// The contest header while its dialog is open: texts as typed (UTF-8), the
// coefficient as typed, the version shown only.
class ContestDataForm : public DialogForm {
  public:
    // The most of a contest name the binary log keeps, in CP932 bytes.
    static constexpr size_t kContestNameLimit = 64;
    // The coefficients the binary log's 16-bit field keeps.
    static constexpr long long kCoefficientMin = -32768;
    static constexpr long long kCoefficientMax = 32767;
    // The refusal of a contest name the binary log takes for a server log's.
    static constexpr const char* kServerLogName = "コンテスト名に QServer は使えません。";

    enum class Field { CallSign, ContestName, Coefficient };
    struct Failure {
        Field field;
        std::string message;
    };

    std::string stationCall;
    std::string contestName;
    bool utc = false;
    std::string coefficient = "0";
    std::string version;

    static ContestDataForm prefilledFrom(const CSorvakDoc& doc);

    std::optional<Failure> check() const;
    // Stores the time zone, coefficient, call sign and contest name; the
    // version is not stored back.
    void apply(CSorvakDoc& doc) const;
};

}  // namespace sorvak
