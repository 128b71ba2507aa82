#pragma once

#include <string>

namespace sorvak {

// Settings of the check-list and analysis reports, for the run of the program.
struct ReportSettings {
    int stationsPerLine = 8;
    int charsPerStation = 8;
    int showPortable = 1;
    std::string multiDataFile;
    int outQAF = 1;
    int outQAA = 0;
    int outQAG = 0;
    int outQAM = 0;
    int outQAQ = 1;
    int outQAD = 0;
    int outQCN = 0;
    int outQOP = 0;
    int doubleScore = 0;
    int cumulative = 1;
    int includeZeroHours = 1;
    int cwSubcount = 1;
};

}  // namespace sorvak
