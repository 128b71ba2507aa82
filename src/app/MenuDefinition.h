#pragma once

#include <vector>

#include "Command.h"

namespace sorvak {

// One line of a menu definition, read top to bottom: a Popup opens a menu
// (its text is the title) that runs until the matching End.
enum class EntryKind { Item, Separator, Popup, End };

struct MenuEntry {
    EntryKind kind;
    Command command = Command::None;
    const char* name = "";  // object name of the entry's action
    const char* text = "";  // a tab separates the shortcut shown at the right
    const char* prompt = "";
    bool grayed = false;
};

const std::vector<MenuEntry>& mainMenuDefinition();
// The list's pop-up menu; it has a single Popup holding its entries.
const std::vector<MenuEntry>& contextMenuDefinition();

}  // namespace sorvak
