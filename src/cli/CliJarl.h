#pragma once

#include <string>
#include <vector>

namespace sorvak {

class JarlLogForm;

// Fills the JARL log form from the values of --jarl, in the order given:
// "FIELD=VALUE" for a field of the summary sheet (by its command-line name),
// "checklog", or "time=jst" or "time=utc" for the log sheet's clock. In
// address and comments the two characters "\n" stand for a line break.
// False with `error` set for a value that names no field.
bool applyJarlOptions(const std::vector<std::string>& options, JarlLogForm& form,
                      std::string& error);

}  // namespace sorvak
