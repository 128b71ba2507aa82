#pragma once

#include <string>

namespace sorvak {

// Makes the folder of the log named by the document's title the current
// directory, so that the lists and reports, which are named without a
// folder, land beside the log. A title that names no file changes nothing.
void enterLogFolder(const std::string& title);

}  // namespace sorvak
