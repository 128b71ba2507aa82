#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/JarlLogHeader.h"
#include "platform/ClockTime.h"
#include "platform/Ui.h"
#include "reports/JarlScore.h"

namespace sorvak {

class CSorvakDoc;

// The fields of the JARL electronic log dialog, kept apart from any window so
// the dialog is a view over them. Texts are UTF-8 as the user typed them;
// the lines of ADDRESS and COMMENTS are separated by '\n'. They are stored
// in the document as CP932.
class JarlLogForm : public DialogForm {
  public:
    struct Failure {
        JarlField field;
        std::string message;
    };

    std::array<std::string, kJarlFieldCount> values;
    bool checkLog = false;     // "チェックログとして提出"
    bool utcLogSheet = false;  // "UTC": the log sheet's dates and times in UTC
    LogScore score;            // of the log, as the analysis counts it
    // The operator names the log holds, distinct, in the order they first
    // appear.
    std::vector<std::string> logOperators;

    std::string& operator[](JarlField field) { return values[static_cast<size_t>(field)]; }
    const std::string& operator[](JarlField field) const {
        return values[static_cast<size_t>(field)];
    }

    // The oath the sponsor asks for, offered as the OATH text.
    static const char* const kOath;

    // The dialog as it opens: what was last accepted in this run; where that
    // is empty, the contest name and call sign of the contest data, the
    // field-day coefficient from the contest data's coefficient when it is at
    // least 1, the log's operators, separated by one blank, as the operator
    // list when one of them is not the call sign's holder, the oath, `today`
    // as the date, the name as the signature.
    static JarlLogForm prefilledFrom(const CSorvakDoc& doc, const ClockParts& today);
    // "2026年12月9日".
    static std::string dateText(const ClockParts& day);

    // Takes the name as typed; the signature follows it for as long as it is
    // empty or still the name it followed.
    void setName(const std::string& name);

    // TOTALSCORE as it will be written, and the result table behind it.
    int64_t totalScore() const;
    std::vector<std::string> scoreLines() const;

    // The first field that keeps the dialog open, with its message.
    std::optional<Failure> check() const;
    // What to ask before writing a log without an operator list whose
    // operators are not only the call sign's holder; nothing when all is well.
    std::optional<std::string> operatorListQuestion() const;
    // Stores every field, the check-log flag, the log sheet's clock and the
    // total score into the document.
    void apply(CSorvakDoc& doc) const;
};

}  // namespace sorvak
