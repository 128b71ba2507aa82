#include <string>

#include "FuzzSupport.h"

namespace sorvak::fuzz {
namespace {

std::vector<std::string> cabrilloSeeds() {
    return {
        "START-OF-LOG: 3.0\r\nCALLSIGN: JA1ZZZ\r\nCONTEST: TEST\r\n"
        "QSO: 14000 CW 2026-11-22 1234 JA1ZZZ        599 10H    JA1ABC        599 12M    1\r\n"
        "QSO:   1.2 PH 2026-11-22 1235 JA1ZZZ 59 1\r\nEND-OF-LOG:\r\n",
        // exchanges of several fields, of different lengths, and a log written here
        "START-OF-LOG: 3.0\r\n"
        "QSO: 14050 CW 2024-11-02 2101 K9XX 0001 U 69 STX K8ZZ 0002 M 64 MI\r\n"
        "QSO:  10G DG 2024-11-02 2102 K9XX 145 U 69 STX W1XX 231 A 55 CT\r\n"
        "QSO:  7033 CW 2024-03-21 1901 DJ9ZZ 599 HANS/124 M0XXX 599 MICHAEL 217 1\r\n",
        "START-OF-LOG: 3.0\r\nCREATED-BY: sorvak(Quog)\r\n"
        "QSO:  1.2G CW 2026-11-22 1234 JA1ZZZ        599 LAD NTC# 215 SP9XXX 599 PIOTR 111 12\r\n"};
}

std::vector<std::string> n1mmSeeds() {
    std::string line = "20261122 1234 7010.5 CW JA1ZZZ 599 10H JA1ABC 599 12M";
    line.resize(83, ' ');
    line += "13     2\r\n";
    return {
        "CALLSIGN: JA1ZZZ\r\nDate     Time   Freq   Mode MyCall       Snt Exch   HisCall  "
        "       Rcvd Exch     Mult   Pts\r\n" +
            line + line + "\n" + line,
        "Date     Time    Freq     Mode MyCall        Snt Exchange    Call             Rcvd "
        "Exchange   Pts Comment\r\n"
        "20190907 1402   144000,00  USB S59ABC         59 001 JN76TO  9A5AY             59 002 "
        "JN85OK   179\r\n\r\n20190907 1403 x\r\n"};
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
