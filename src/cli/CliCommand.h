#pragma once

#include <ostream>

namespace sorvak {

// Runs `sorvak-cli` with its arguments (argv[0] is the program's name).
// Returns the exit status: 0 done, 1 refused or failed, 2 usage error, 3 when
// `check --fail-on-findings` found a warning.
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace sorvak
