#include "reports/AnalysisFlags.h"
#include "reports/CountReports.h"
#include "reports/MultiplierReports.h"
#include "reports/RateReports.h"
#include "reports/ReportWriter.h"

namespace sorvak {

std::span<const ReportWriter> reportWriters() {
    using In = ReportInput;
    // In the order the files are written.
    static const ReportWriter writers[] = {
        {".QAF", ANALYSIS_QAF, In::None, writeQaf},
        {".QAA", ANALYSIS_QAA, In::None, writeQaa},
        {".QAG", ANALYSIS_QAG, In::None, writeQag},
        {".QAM", ANALYSIS_QAM, In::Multipliers, writeQam},
        {".QAQ", ANALYSIS_QAQ, In::None, writeQaq},
        {".QAD", ANALYSIS_QAD, In::MarkedMultipliers, writeQad},
        {".QCN", ANALYSIS_QCN, In::Countries, writeQcn},
        {".QOP", ANALYSIS_QOP, In::None, writeQop},
    };
    return writers;
}

}  // namespace sorvak
