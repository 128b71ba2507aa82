#pragma once

#include "CommandLine.h"

class QSettings;

namespace sorvak {

class CSorvakDoc;
class Ui;

// Before the window is shown: false, after a message naming the file, when
// the command line names a file that cannot be opened for reading.
bool checkCommandLineFile(const CommandLineInfo& info, Ui& ui);

// After the window is shown: loads the named file as the open command does,
// refreshes the view, protects the file in read-only mode and puts it at the
// head of the recent-file list.
void loadCommandLineFile(const CommandLineInfo& info, CSorvakDoc& doc, Ui& ui, QSettings& settings);

}  // namespace sorvak
