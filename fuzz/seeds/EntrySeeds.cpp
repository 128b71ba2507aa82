#include <string>

#include "FuzzSupport.h"

namespace sorvak::fuzz {
namespace {

// Dialogs filled as a user fills them, one field a line.
std::vector<std::string> formSeeds() {
    return {
        "1\nJA1ABC\n599\n10H\n599\n12M\n12\n\n7\nCW\nH\n0\n1\nJA1OP\nmemo\n2026\n11\n22\n12\n34\n0"
        "\n"
        "1\n0\n"
        "0\n0\n0\n1+1:30\n0\n1599\n110H\n0\n112M\n07\n0CW\n1H\n0\n11\n0\n0\n17\n0\n"
        "JA1ZZZ\nALL JA\n1\n3\n"
        "0\nALL JA\nDX\nJA1ZZZ\nSINGLE-OP\n\n\n\n\n\n\n\n\n\nTaro\nTokyo\n",
        "0\n\xe3\x81\x82\n2147483647\n\n-1\n\n\n\n1."
        "9\nOther\nP\n256\n255\n\n\n2038\n2\n31\n23\n59\n59\n",
    };
}

// The fast-entry keys: fields, then key and focus byte pairs.
std::vector<std::string> keySeeds() {
    return {"JA1ABC\n599\n599\n12M\n7\nCW\nP\n12\n00\n1\n\x28\x04\x28\x02\x29\x11\x11\x01\x00\x01",
            "JA1ABC\n59\n2147483647\n\n10\nSSB\nH\n23\n59\n0\n\x26\x04\x27\x04\x33\x01\x3b\x01"};
}

// Command lines, one argument a line.
std::vector<std::string> cliSeeds() {
    return {
        "dump\nlog.qgb\n--sort\ntime\n--bulk\ndate=2026-11-22\n--only-band\n7\n--bulk\n"
        "shift=-0:30\n--contest-data\ncoefficient=2\n--number-to-multi\n2",
        "convert\nlog.qgb\nout.cbr\n--cabrillo-version\n2\n--contest\nALL JA\n--callsign\n"
        "JA1ZZZ\n--category\nSO\n--name\nTaro\n--address\nTokyo",
        "convert\nlog.qgb\nout.txt\n--to\njarl\n--jarl\naddress=Tokyo\\nJapan\n--jarl\nchecklog",
        "analyze\nlog.qgb\n--reports\nqaf,qam\n--double-score\n--multi-data\nx.dat"};
}

const SeedRegistration forms("form_checks", formSeeds);
const SeedRegistration keys("qso_keys", keySeeds);
const SeedRegistration cli("cli_arguments", cliSeeds);

}  // namespace
}  // namespace sorvak::fuzz
