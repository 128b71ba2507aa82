#pragma once

namespace sorvak {

class CSorvakDoc;
class CSorvakView;
class CommandSet;
class Ui;

// Gives the list its QSO dialogs and registers the commands that edit the
// log: find, dupe marking, the sent-number and number-to-multiplier tools
// and the contest data of both menus.
void registerEditingCommands(CSorvakView& view, CSorvakDoc& doc, Ui& ui, CommandSet& commands);

}  // namespace sorvak
