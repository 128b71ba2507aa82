#pragma once

#include <string>
#include <vector>

namespace sorvak::test {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// Runs sorvak-cli in this process with the arguments after its name.
CliResult runCliWith(std::vector<std::string> args);

}  // namespace sorvak::test
