#pragma once

namespace sorvak {

class CSorvakDoc;
class CSorvakView;
class CommandSet;
class Ui;

// Registers the commands that work on the whole log from the list: find,
// dupe marking, the sent-number and number-to-multiplier tools and the
// contest data of both menus.
void registerEditingCommands(CSorvakView& view, CSorvakDoc& doc, Ui& ui, CommandSet& commands);

}  // namespace sorvak
