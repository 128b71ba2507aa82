#include "FuzzSupport.h"

namespace sorvak::fuzz {
namespace {

std::vector<std::string> exportSeeds() {
    return {
        "START-OF-LOG: 3.0\r\nCALLSIGN: JA1ZZZ\r\n"
        "QSO:  7000 CW 2026-11-03 0905 JA1ZZZ        599 10H    JA1ABC/1/P    579 13M    0\r\n"
        "QSO:   432 PH 2026-01-21 2359 JA1ZZZ        59  10H    7K1XYZ        57  25L    1\r\n"
        "END-OF-LOG:\r\n",
        "[QTC1/10 JA9XYZ 2026-11-02 0900 599]",
        "[QTC99999999999/10 JA9XYZ 2026-11-02]",
    };
}

const SeedRegistration registration("exports", [] {
    std::vector<std::string> seeds = exportSeeds();
    for (std::string& seed : everyReadersSeeds()) {
        seeds.push_back(std::move(seed));
    }
    return seeds;
});

}  // namespace
}  // namespace sorvak::fuzz
