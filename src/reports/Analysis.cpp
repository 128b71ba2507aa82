#include "reports/Analysis.h"

#include "commands/SortCommands.h"
#include "model/CSorvakDoc.h"
#include "model/Sorting.h"
#include "platform/Ui.h"
#include "reports/AnalysisFlags.h"
#include "reports/AnalysisForm.h"
#include "reports/AnalysisTally.h"
#include "reports/CountryFileLocation.h"
#include "reports/ReportRun.h"
#include "reports/ReportWriter.h"

namespace sorvak {
namespace {

constexpr const char* kNoData = "解析すべきデータがありません。";

}  // namespace

std::string reportBaseName(const std::string& title) {
    std::string name = title.substr(title.rfind('/') + 1);
    return name.substr(0, name.rfind('.'));
}

bool analysisSettings(CSorvakDoc& doc, Ui& ui) {
    AnalysisForm form(doc.reportSettings());
    if (!ui.runDialog(form)) {
        return false;
    }
    doc.setReportSettings(form.settings);
    return true;
}

void runAnalysis(CSorvakDoc& doc, Ui& ui) {
    if (analysisSettings(doc, ui)) {
        writeAnalysis(doc, ui, countryFilePath());
    }
}

AnalysisOutcome writeAnalysis(CSorvakDoc& doc, Ui& ui, const std::string& countryFile) {
    if (doc.empty()) {
        ui.tell(kNoData);
        return AnalysisOutcome::NoData;
    }
    ReportSettings settings = doc.reportSettings();
    unsigned flags = analysisFlagsOf(settings);
    if ((flags & ANALYSIS_REPORTS) == 0) {
        ui.tell("出力ファイルが選択されていません。");
        return AnalysisOutcome::NoReport;
    }
    if (!ui.confirm("前処理のためデータをソートします。\nよろしいですか?")) {
        return AnalysisOutcome::Cancelled;
    }
    if (doc.count() > 1) {  // a single QSO is in order already
        sortQsos(doc, ui, SORT_TIME);
        doc.updateAllViews();
    }
    std::string result = "交信データ解析ファイルを出力しました。\n";
    bool failed = false;
    {
        WaitCursor wait(ui);
        AnalysisTally tally = tallyLog(doc.qsoList(), flags, ui);
        if (tally.totals.count[0][0] == 0) {
            ui.tell(kNoData);
            return AnalysisOutcome::NoData;
        }
        ReportRun run{.qsoList = doc.qsoList(),
                      .flags = flags,
                      .baseName = reportBaseName(doc.title()),
                      .multiDataFile = settings.multiDataFile,
                      .countryFile = countryFile,
                      .tally = tally,
                      .ui = ui};
        for (const ReportWriter& writer : reportWriters()) {
            if ((flags & writer.flag) == 0) {
                continue;
            }
            run.declined = false;
            if (writer.write(run)) {
                result += run.baseName + writer.extension + "   \n";
            } else if (!run.declined) {
                failed = true;
            }
        }
    }
    ui.tell(result);
    return failed ? AnalysisOutcome::ReportFailed : AnalysisOutcome::Written;
}

}  // namespace sorvak
