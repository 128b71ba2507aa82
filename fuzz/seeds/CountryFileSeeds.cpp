#include <string>

#include "FuzzSupport.h"

namespace sorvak::fuzz {
namespace {

std::vector<std::string> countryFileSeeds() {
    return {
        "Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n"
        "    7J,JA,=JA1XYZ/KH6,JD1(27)[90],\n    JR;\n"
        "African Italy:            33:  37:  AF:   35.67:   -12.67:    -1.0:  *IG9:\n"
        "    IG9,IT9{AF}<37.5/-14.1>~-1.0~,=IO9Y;\n",
        "cqww.dat\r\nJapan                     25   JA     AS\r\n    JA,JE,\r\n  JR  ;\r\n"
        "Hawaii                    31   KH6\r\n KH6;\r\nend of file\r\n"};
}

std::vector<std::string> multiplierFileSeeds() {
    return {
        "iaru.dat\r\n                               JA1\r\n  K,W;\r\nend of\r\n",
        "cqww.dat\r\nJapan                     25   JA     AS\r\n    JA,JE;\r\n",
        "ardx.dat\r\n                               JA\r\n                               KH6\r\n",
        "ALL JA\r\n101 Sohya\r\n102\r\n  10\r\nend of file\r\n103\r\n"};
}

const SeedRegistration countryFiles("country_file", countryFileSeeds);
const SeedRegistration multiplierFiles("multiplier_file", multiplierFileSeeds);

}  // namespace
}  // namespace sorvak::fuzz
