#pragma once

#include <QString>
#include <string>

#include "Command.h"

namespace sorvak {

// The name a command's step has in the undo and redo entries (UTF-8): its
// menu entry without the mnemonic, the dots and the keys; a sort named by its
// order. Empty for undo and redo themselves.
std::string stepName(Command command, const QString& entryText);

// The step of a sort by a column of the list.
std::string columnSortStepName(const char* heading);

}  // namespace sorvak
