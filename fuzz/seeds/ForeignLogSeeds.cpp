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
        "QSO:  1.2G CW 2026-11-22 1234 JA1ZZZ        599 LAD NTC# 215 SP9XXX 599 PIOTR 111 12\r\n",
        // The shapes of the logs other programs write, a few lines of each.
        "START-OF-LOG: 3.0\r\nCONTEST: ARRL-SS-CW\r\nCALLSIGN: W5ZZZ\r\nLOCATION: STX\r\n"
        "CATEGORY-OPERATOR: SINGLE-OP\r\nCREATED-BY: N1MM LOGGER+ 1.0.10509.0\r\n"
        "QSO: 14050 CW 2024-11-02 2101 W5ZZZ 0001 U 69 STX K8QQ 0002 M 64 MI\r\n"
        "QSO: 14043 CW 2024-11-02 2103 W5ZZZ 0003 U 69 STX K4QQQ 0005 B 77 VA\r\nEND-OF-LOG:\r\n",
        "START-OF-LOG: 3.0\r\nLOCATION: MDC\r\nCALLSIGN: W1ZZZ\r\nCONTEST: ARRL-FD\r\nNAME: \r\n"
        "CLAIMED-SCORE: 5408\r\n"
        "QSO:   14025 CW 2025-06-28 1801 W1ZZZ          4A     GA  W4QQQ         4A   GA      \r\n"
        "QSO:   14239 PH 2025-06-28 1802 W1ZZZ          4A     GA  K9QQQ         1E   IL      \r\n"
        "END-OF-LOG:\r\n",
        "START-OF-LOG: 3.0\r\nCONTEST: WAE CW\r\nCALLSIGN: K3ZZZ\r\n"
        "QSO: 21019 CW 2024-08-10 0001 K3ZZZ          599 0001   HA9QQ         599 0004 \r\n"
        "QSO: 14038 CW 2024-08-10 0001 K3ZZZ          599 0002   UT9QQ         599 0005 \r\n"
        "QTC: 14038 CW 2024-08-10 0006 DL9QQ          1/10       K3ZZZ          0001 HA9QQ"
        "         0004\r\nEND-OF-LOG:\r\n",
        "START-OF-LOG: 3.0\r\nCONTEST: IARU-HF\r\nCALLSIGN: N9ZZZ\r\nOPERATORS: N9ZZZ W9QQ\r\n"
        "QSO: 21008 CW 2024-07-13 1200 N9ZZZ 599 08 JR1QQQ 599 45 1\r\n"
        "QSO: 14025 PH 2024-07-13 1201 N9ZZZ 59 08 DL9QQ 59 DARC 0\r\nEND-OF-LOG:\r\n",
        "START-OF-LOG: 3.0\r\nCREATED-BY: TR4W v.4.229\r\nCALLSIGN: OK9ZZZ\r\n"
        "QSO:  7000 CW 2024-03-21 1914 OK9ZZZ        579 JAN NM   PA9QQ          599 BERT NTC85"
        "          \r\n"
        "QSO:  7000 CW 2024-03-21 1922 OK9ZZZ        599 JAN NM   OK9QQ          599 JARDA NM"
        "           \r\nEND-OF-LOG: \r\n\r\n73 Jan\r\n",
        "START-OF-LOG: 3.0\r\nCONTEST: NAQP-CW\r\n"
        "QSO:  3530 CW 2025-01-11 1800 K3ZZZ         BOB        PA  W9QQQ         JIM        IL\r\n"
        "QSO:  1822 CW 2025-01-24 2200 K3ZZZ         599 PA     W1QQQ         599 MA\r\n"
        "QSO:  7080 RY 2024-09-28 0000 K3ZZZ 599 05 PA  DL9QQ 599 14 DX\r\n"
        "QSO: 10G DG 2024-09-28 0001 K3ZZZ 599 FN20 W1QQQ 599 FN31\r\n",
        "START-OF-LOG: 2.0\r\nARRL-SECTION: EPA\r\nCATEGORY: SINGLE-OP ALL HIGH\r\n"
        "CALLSIGN: K3ZZZ\r\nSOAPBOX: fun\r\n"
        "QSO:  3500 PH 2008-11-22 1234 K3ZZZ         59  001    JA1QQQ        59  002\r\n"
        "END-OF-LOG:\r\n"};
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
        "JN85OK   179\r\n\r\n20190907 1403 x\r\n",
        "CREATED-BY: N1MM Logger Plus\r\n"
        "Date     Time   Freq     Mode MyCall        Snt Exchange Call          Rcvd Exchange "
        "Pts Comment\r\n"
        "20261122 1234   7010.50  CW   JA1ZZZ        599 10H      JA1QQQ        599 12M      "
        "1   first\r\n\r\n"
        "20261122 1235  14025.00  RTTY JA1ZZZ        599 10H      JA2QQQ        599 13M      "
        "1\r\n"};
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
