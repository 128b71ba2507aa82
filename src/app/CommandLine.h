#pragma once

#include <QStringList>
#include <optional>
#include <string>

namespace sorvak {

// The command line: an optional file to open and the read-only switch.
struct CommandLineInfo {
    std::optional<std::string> fileName;
    bool readOnly = false;
};

// Parameters after the program name, in any order. "-ro" and "/ro" turn
// read-only mode on; other switches are ignored; the first other parameter
// is the file, made absolute.
CommandLineInfo parseCommandLine(const QStringList& parameters);

}  // namespace sorvak
