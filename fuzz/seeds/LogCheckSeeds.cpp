#include "FuzzSupport.h"

namespace sorvak::fuzz {
namespace {

// Cabrillo logs with the faults the check looks for: a dupe, a busted call,
// a number that changes, a serial with a gap, a break and a band change.
std::vector<std::string> logCheckSeeds() {
    return {
        "START-OF-LOG: 3.0\r\nCALLSIGN: JA1ZZZ\r\n"
        "QSO:  7000 CW 2026-11-03 0905 JA1ZZZ        599 001    JA1ABC/1      599 13M    0\r\n"
        "QSO:  7000 CW 2026-11-03 0906 JA1ZZZ        599 002    JA1ABC/1      599 13M    0\r\n"
        "QSO: 14000 CW 2026-11-03 0907 JA1ZZZ        599 004    JA1ABC/1      599 12M    1\r\n"
        "QSO: 14000 CW 2026-11-03 1100 JA1ZZZ        599 005    JA1AB         599 10H    1\r\n"
        "END-OF-LOG:\r\n",
    };
}

const SeedRegistration registration("log_check", logCheckSeeds);

}  // namespace
}  // namespace sorvak::fuzz
