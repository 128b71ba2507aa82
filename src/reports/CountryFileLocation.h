#pragma once

#include <string>

namespace sorvak {

// The name of the country definition file.
inline constexpr const char* kCountryFileName = "CQWW.DAT";

// Where the country file is looked for, given the folder of the program and
// the prefix the program was built to be installed under:
// 1. CQWW.DAT beside the program, when it exists;
// 2. for a program in a "bin" folder, <bin>/../share/sorvak/CQWW.DAT, when it
//    exists (an installed copy, also one moved elsewhere as a whole);
// 3. <installPrefix>/share/sorvak/CQWW.DAT, when it exists;
// otherwise the path beside the program, so that the message that it cannot
// be opened names the place the user is expected to put it.
std::string countryFilePathFor(const std::string& programDir, const std::string& installPrefix);

// The country file of this program.
std::string countryFilePath();

}  // namespace sorvak
