#include "commands/AnalysisCommands.h"

#include <optional>

#include "commands/ReportFiles.h"
#include "commands/SortCommands.h"
#include "editing/AnalysisForm.h"
#include "model/CSorvakDoc.h"
#include "model/Sorting.h"
#include "platform/Cp932.h"
#include "platform/Ui.h"
#include "reports/AnalysisFlags.h"
#include "reports/AnalysisTally.h"
#include "reports/CountryFile.h"
#include "reports/CountryFileLocation.h"
#include "reports/MultiplierList.h"
#include "reports/MultiplierMarks.h"
#include "reports/ReportRun.h"
#include "reports/ReportWriter.h"

namespace sorvak {
namespace {

constexpr const char* kNoData = "解析すべきデータがありません。";

// What the reports of one run share.
struct AnalysisRun {
    const QsoList& qsos;
    unsigned flags;
    const AnalysisTally& tally;
    const std::string& multiDataFile;  // chosen by the user, or empty
    const std::string& countryFile;
};

// The tally, after asking about every call sign without a call area; a
// Cancel ends the area count at that QSO.
AnalysisTally tallyAsking(const QsoList& qsos, unsigned flags, Ui& ui) {
    AnalysisTally tally = tallyLog(qsos, flags);
    for (size_t row : tally.rowsWithoutArea) {
        if (!ui.confirm("不正なデータ:\n" + cp932ToUtf8(qsos[row]->callSign()))) {
            return tallyLog(qsos, flags, row);
        }
    }
    return tally;
}

// The chosen multiplier data file's list, or the built-in one when none is
// chosen; nothing, after telling the user, when the file cannot be read.
std::optional<MultiplierList> runMultipliers(const AnalysisRun& analysis, Ui& ui) {
    if (analysis.multiDataFile.empty()) {
        return builtInMultiplierList();
    }
    auto list = loadMultiplierFile(analysis.multiDataFile);
    if (!list) {
        ui.tell(multiplierFileOpenMessage(analysis.multiDataFile));
    }
    return list;
}

// The multipliers marked with every QSO's, after asking about each invalid
// one; nothing when the list cannot be read or the user stopped.
std::optional<MultiplierMarks> runMarks(const AnalysisRun& analysis, Ui& ui) {
    auto list = runMultipliers(analysis, ui);
    if (!list) {
        return std::nullopt;
    }
    MultiplierMarks marks(std::move(*list));
    for (const std::string& invalid : markLog(marks, analysis.qsos)) {
        if (!ui.confirm("無効なマルチ:\n" + cp932ToUtf8(invalid))) {
            return std::nullopt;
        }
    }
    return marks;
}

// One report: its inputs, the overwrite question, its text, its notes and
// its file. False when it was not written.
bool writeReport(const AnalysisRun& analysis, const ReportWriter& writer, ReportFile& file,
                 Ui& ui) {
    ReportRun run{.qsoList = analysis.qsos, .flags = analysis.flags, .tally = analysis.tally};
    std::optional<MultiplierList> multipliers;
    std::optional<MultiplierMarks> marks;
    if (writer.input == ReportInput::Multipliers && !(multipliers = runMultipliers(analysis, ui))) {
        return false;
    }
    if (writer.input == ReportInput::MarkedMultipliers && !(marks = runMarks(analysis, ui))) {
        return false;
    }
    run.multipliers = multipliers ? &*multipliers : nullptr;
    run.marks = marks ? &*marks : nullptr;
    if (!openReportFile(ui, file)) {
        return false;
    }
    CountryFileResult countries;
    if (writer.input == ReportInput::Countries) {
        countries = loadCountryFile(analysis.countryFile);
        if (countries.status != CountryFileStatus::Read) {
            ui.tell(countryFileMessage(countries.status, analysis.countryFile));
            return false;
        }
        run.countries = &countries.table;
    }
    writer.write(run);
    for (const std::string& note : run.notes) {
        ui.tell(note);
    }
    return closeReportFile(ui, file, std::move(run.text));
}

}  // namespace

bool analysisSettings(CSorvakDoc& doc, Ui& ui) {
    AnalysisForm form(doc.reportSettings());
    if (!ui.runDialog(form)) {
        return false;
    }
    doc.setReportSettings(form.settings);
    return true;
}

void runAnalysis(CSorvakDoc& doc, Ui& ui, const std::string& folder) {
    if (analysisSettings(doc, ui)) {
        writeAnalysis(doc, ui, countryFilePath(), folder);
    }
}

AnalysisOutcome writeAnalysis(CSorvakDoc& doc, Ui& ui, const std::string& countryFile,
                              const std::string& folder) {
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
        AnalysisTally tally = tallyAsking(doc.qsoList(), flags, ui);
        if (tally.totals.count[0][0] == 0) {
            ui.tell(kNoData);
            return AnalysisOutcome::NoData;
        }
        AnalysisRun analysis{doc.qsoList(), flags, tally, settings.multiDataFile, countryFile};
        std::string baseName = reportBaseName(doc.title());
        for (const ReportWriter& writer : reportWriters()) {
            if ((flags & writer.flag) == 0) {
                continue;
            }
            ReportFile file(folder, baseName + writer.extension);
            if (writeReport(analysis, writer, file, ui)) {
                result += file.name + "   \n";
            } else if (!file.declined) {
                failed = true;
            }
        }
    }
    ui.tell(result);
    return failed ? AnalysisOutcome::ReportFailed : AnalysisOutcome::Written;
}

}  // namespace sorvak
