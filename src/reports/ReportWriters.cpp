#include "reports/AnalysisFlags.h"
#include "reports/RateReports.h"
#include "reports/ReportWriter.h"

namespace sorvak {

std::span<const ReportWriter> reportWriters() {
    // In the order the files are written; the multiplier (.QAM, .QAD),
    // continent (.QCN) and operator (.QOP) reports take their places between
    // these as they come.
    static const ReportWriter writers[] = {
        {".QAF", ANALYSIS_QAF, writeQaf},
        {".QAA", ANALYSIS_QAA, writeQaa},
        {".QAG", ANALYSIS_QAG, writeQag},
        {".QAQ", ANALYSIS_QAQ, writeQaq},
    };
    return writers;
}

}  // namespace sorvak
