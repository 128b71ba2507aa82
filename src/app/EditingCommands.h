#pragma once

#include <functional>

namespace sorvak {

class CSorvakDoc;
class CSorvakView;
class CommandSet;
class Ui;

// Gives the list its QSO dialogs and registers the commands that edit the
// log: find, dupe marking, the sent-number and number-to-multiplier tools
// and the contest data of both menus. `entered` is called after each QSO of
// new-QSO entry.
void registerEditingCommands(CSorvakView& view, CSorvakDoc& doc, Ui& ui, CommandSet& commands,
                             std::function<void()> entered = {});

}  // namespace sorvak
