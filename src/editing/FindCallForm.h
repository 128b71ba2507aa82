#pragma once

#include <string>

#include "platform/Ui.h"

namespace sorvak {

// The text the call-sign search looks for (UTF-8, upper case as typed). It
// stays from one showing of the dialog to the next.
class FindCallForm : public DialogForm {
  public:
    std::string text;

    // "次を検索(&F)" can be pressed only with a text to look for.
    bool canSearch() const { return !text.empty(); }
};

}  // namespace sorvak
