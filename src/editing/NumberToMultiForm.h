#pragma once

#include <optional>
#include <string>

#include "platform/Ui.h"

namespace sorvak {

// How the number-to-multiplier tool derives a multiplier from a received
// number: cut its last N bytes, then optionally everything from the first
// character that is not a digit.
class NumberToMultiForm : public DialogForm {
  public:
    std::string cutCount = "1";  // a signed integer as typed
    bool digitsOnly = false;

    std::optional<std::string> check() const;

    // The multiplier of one received number (CP932 bytes). A cut that would
    // leave the lead byte of a double-byte character drops that byte too.
    std::string multiOf(const std::string& received) const;
};

}  // namespace sorvak
