#pragma once

#include <optional>
#include <string>

#include "platform/Ui.h"

namespace sorvak {

class CSorvakDoc;

// The check-list settings dialog. The two numbers are kept as typed and
// checked on OK; each takes 1 to 999 (below 1 there is no layout, and above
// it a line could grow beyond any use).
class CheckListForm : public DialogForm {
  public:
    enum class Field { StationsPerLine, CharsPerStation };
    struct Failure {
        Field field;
        std::string message;
    };

    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 999;

    std::string stationsPerLine;
    std::string charsPerStation;
    bool showPortable = true;

    // The dialog as it opens: the stored settings, with the characters per
    // station widened to the longest call sign of the log + 1.
    static CheckListForm prefilledFrom(const CSorvakDoc& doc);

    std::optional<Failure> check() const;
    // Stores the three values in the document; only after check() passed.
    void apply(CSorvakDoc& doc) const;
};

}  // namespace sorvak
