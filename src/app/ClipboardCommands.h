#pragma once

namespace sorvak {

class CSorvakDoc;
class CSorvakView;
class CommandSet;
class Ui;

// Cut, copy and paste of the list's QSOs through the desktop's clipboard:
// copied as text lines and whole in the program's own type, pasted from
// either. Paste is enabled while the clipboard holds one of them.
void registerClipboardCommands(CSorvakView& view, CSorvakDoc& doc, Ui& ui, CommandSet& commands);

}  // namespace sorvak
