#include "reports/AnalysisFlags.h"
#include "reports/CountReports.h"
#include "reports/MultiplierReports.h"
#include "reports/RateReports.h"
#include "reports/ReportWriter.h"

namespace sorvak {

std::span<const ReportWriter> reportWriters() {
    // In the order the files are written.
    static const ReportWriter writers[] = {
        {".QAF", ANALYSIS_QAF, writeQaf}, {".QAA", ANALYSIS_QAA, writeQaa},
        {".QAG", ANALYSIS_QAG, writeQag}, {".QAM", ANALYSIS_QAM, writeQam},
        {".QAQ", ANALYSIS_QAQ, writeQaq}, {".QAD", ANALYSIS_QAD, writeQad},
        {".QCN", ANALYSIS_QCN, writeQcn}, {".QOP", ANALYSIS_QOP, writeQop},
    };
    return writers;
}

}  // namespace sorvak
