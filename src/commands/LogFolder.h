#pragma once

#include <string>

namespace sorvak {

class CSorvakDoc;

// The folder of the file the log came from or was saved to, where the log's
// file dialogs open; empty for a log that has no file yet.
std::string logFolder(const CSorvakDoc& doc);

}  // namespace sorvak
