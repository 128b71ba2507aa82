#pragma once

#include <optional>
#include <string>

#include "platform/Ui.h"

namespace sorvak {

// The sent number the sent-number tool gives every QSO (UTF-8, as typed).
class SentNumberForm : public DialogForm {
  public:
    std::string sent;

    // The message when the text cannot be stored or is longer than a sent
    // number may be; nothing when it can.
    std::optional<std::string> check() const;
};

}  // namespace sorvak
