#include "support/CliRunner.h"

#include <sstream>

#include "CliCommand.h"

namespace sorvak::test {

CliResult runCliWith(std::vector<std::string> args) {
    args.insert(args.begin(), "sorvak-cli");
    std::vector<const char*> argv;
    for (const auto& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out, err;
    int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

}  // namespace sorvak::test
