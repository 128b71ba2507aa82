#pragma once

#include <string>

namespace sorvak {

class CSorvakDoc;
class CommandSet;
class Ui;

// Routes the file, import, export, sort, report and contest-data commands to
// the document's operations; the reports are written into `reportFolder`,
// which the caller keeps for as long as the commands live.
void registerDocumentCommands(CommandSet& commands, CSorvakDoc& doc, Ui& ui,
                              const std::string& reportFolder);

}  // namespace sorvak
