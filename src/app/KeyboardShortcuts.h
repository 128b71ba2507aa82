#pragma once

#include <vector>

#include "Command.h"

namespace sorvak {

// The keyboard shortcut table; keys are in Qt's portable text.
struct KeyBinding {
    Command command;  // Command::None: the keys are taken and do nothing
    const char* keys;
};

const std::vector<KeyBinding>& keyboardShortcuts();

}  // namespace sorvak
