#include <string>

#include "FuzzSupport.h"

namespace sorvak::fuzz {
namespace {

std::vector<std::string> cabrilloSeeds() {
    return {
        "START-OF-LOG: 3.0\r\nCALLSIGN: JA1ZZZ\r\nCONTEST: TEST\r\n"
        "QSO: 14000 CW 2026-11-22 1234 JA1ZZZ        599 10H    JA1ABC        599 12M    1\r\n"
        "QSO:   1.2 PH 2026-11-22 1235 JA1ZZZ 59 1\r\nEND-OF-LOG:\r\n"};
}

std::vector<std::string> n1mmSeeds() {
    std::string line = "20261122 1234 7010.5 CW JA1ZZZ 599 10H JA1ABC 599 12M";
    line.resize(83, ' ');
    line += "13     2\r\n";
    return {
        "CALLSIGN: JA1ZZZ\r\nDate     Time   Freq   Mode MyCall       Snt Exch   HisCall  "
        "       Rcvd Exch     Mult   Pts\r\n" +
        line + line + "\n" + line};
}

std::vector<std::string> cccSeeds() {
    std::string line = "11 22 1234  20 JA1ABC 599";
    line.resize(37, ' ');
    line += " 12  AB   C         3   memo\r\n";
    return {"CCC TXT file\r\n" + line + line + "11 22\r\n"};
}

const SeedRegistration cabrillo("cabrillo", cabrilloSeeds);
const SeedRegistration n1mm("n1mm", n1mmSeeds);
const SeedRegistration ccc("ccc", cccSeeds);

}  // namespace
}  // namespace sorvak::fuzz
