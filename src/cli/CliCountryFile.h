#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace sorvak {

// `make-country-file [CTY.DAT] OUT`: converts a cty.dat country list (by
// default the installed one) into the country definition file OUT and tells
// what it kept and left out. `args` are the arguments after the command's
// name. Returns the exit status: 0 done, 1 failed, 2 usage error.
int runMakeCountryFile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace sorvak
