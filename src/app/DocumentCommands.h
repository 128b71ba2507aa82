#pragma once

namespace sorvak {

class CSorvakDoc;
class CommandSet;
class Ui;

// Routes the file, import, export, sort and contest-data commands to the
// document's operations.
void registerDocumentCommands(CommandSet& commands, CSorvakDoc& doc, Ui& ui);

}  // namespace sorvak
