#pragma once

#include <utility>

#include "model/ReportSettings.h"

namespace sorvak {

// The options of one analysis run as one word: the low byte selects the
// reports, the high bits change how they are written.
enum AnalysisFlags : unsigned {
    ANALYSIS_QAF = 0x0001,
    ANALYSIS_QAA = 0x0002,  // also turns on the call-area tally
    ANALYSIS_QAG = 0x0004,
    ANALYSIS_QAM = 0x0008,
    ANALYSIS_QAQ = 0x0010,
    ANALYSIS_QAD = 0x0020,
    ANALYSIS_QCN = 0x0040,
    ANALYSIS_QOP = 0x0080,
    ANALYSIS_REPORTS = 0x00FF,
    ANALYSIS_DOUBLE_SCORE = 0x1000,
    ANALYSIS_CUMULATIVE = 0x2000,
    ANALYSIS_ZERO_HOURS = 0x4000,
    ANALYSIS_CW_SUBCOUNT = 0x8000,
};

inline unsigned analysisFlagsOf(const ReportSettings& s) {
    unsigned flags = 0;
    const std::pair<int, unsigned> bits[] = {
        {s.outQAF, ANALYSIS_QAF},
        {s.outQAA, ANALYSIS_QAA},
        {s.outQAG, ANALYSIS_QAG},
        {s.outQAM, ANALYSIS_QAM},
        {s.outQAQ, ANALYSIS_QAQ},
        {s.outQAD, ANALYSIS_QAD},
        {s.outQCN, ANALYSIS_QCN},
        {s.outQOP, ANALYSIS_QOP},
        {s.doubleScore, ANALYSIS_DOUBLE_SCORE},
        {s.cumulative, ANALYSIS_CUMULATIVE},
        {s.includeZeroHours, ANALYSIS_ZERO_HOURS},
        {s.cwSubcount, ANALYSIS_CW_SUBCOUNT},
    };
    for (const auto& [setting, bit] : bits) {
        if (setting != 0) {
            flags |= bit;
        }
    }
    return flags;
}

}  // namespace sorvak
