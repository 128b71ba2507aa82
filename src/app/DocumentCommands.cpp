#include "DocumentCommands.h"

#include <memory>
#include <utility>

#include "CommandSet.h"
#include "LogCheckCommand.h"
#include "RateChartWindow.h"
#include "commands/AnalysisCommands.h"
#include "commands/CheckListCommands.h"
#include "commands/LoadCommands.h"
#include "commands/SaveCommands.h"
#include "commands/SortCommands.h"
#include "model/CSorvakDoc.h"
#include "model/Sorting.h"

namespace sorvak {
namespace {

void registerLoads(CommandSet& commands, CSorvakDoc& doc, Ui& ui) {
    const std::pair<Command, void (*)(CSorvakDoc&, Ui&)> loads[] = {
        {Command::FileNew, OnFileNew},       {Command::FileOpen, OnFileOpen},
        {Command::FileMerge, OnFileMerge},   {Command::FileAppend, OnFileAppend},
        {Command::ImportCcc, OnImportCcc},   {Command::ImportCabrillo, OnImportCabrillo},
        {Command::ImportN1mm, OnImportN1mm}, {Command::ToolImportContestData, OnImportContestData},
        {Command::ImportAdif, OnImportAdif},
    };
    for (const auto& [command, load] : loads) {
        commands.setHandler(command, [&doc, &ui, load] { load(doc, ui); });
    }
}

void registerSorts(CommandSet& commands, CSorvakDoc& doc, Ui& ui) {
    const std::pair<Command, unsigned> sorts[] = {
        {Command::SortCallAscii, SORT_CALLSIGN | CMP_BYTES},
        {Command::SortCallJaJeJf, SORT_CALLSIGN},
        {Command::SortCallJaJhJr, SORT_CALLSIGN | CMP_JA_JH_JR},
        {Command::SortTime, SORT_TIME},
        {Command::SortBand, SORT_BAND},
        {Command::SortMode, SORT_MODE},
        {Command::SortPower, SORT_POWER},
        {Command::SortTxNumber, SORT_TXNUMBER},
        {Command::SortPoints, SORT_POINTS},
        {Command::SortOperator, SORT_OPERATOR},
        {Command::SortMemo, SORT_MEMO},
    };
    for (const auto& [command, key] : sorts) {
        commands.setHandler(command, [&doc, &ui, key] { OnSort(doc, ui, key); });
    }
}

void registerSaves(CommandSet& commands, CSorvakDoc& doc, Ui& ui) {
    const std::pair<Command, void (*)(CSorvakDoc&, Ui&)> saves[] = {
        {Command::FileSave, OnFileSave},
        {Command::FileSaveAs, OnFileSaveAs},
        {Command::ExportCabrillo, OnExportCabrillo},
        {Command::ListCabrillo, OnExportCabrillo},
        {Command::ExportJarl, OnExportJarl},
    };
    for (const auto& [command, save] : saves) {
        commands.setHandler(command, [&doc, &ui, save] { save(doc, ui); });
    }
    const std::pair<Command, FileKind> exports[] = {
        {Command::ExportQgb, KIND_QGB},
        {Command::ExportAll, KIND_ALL},
        {Command::ExportDosTxt, KIND_DOS_TXT},
        {Command::ExportSupercheck, KIND_SUPERCHECK},
        {Command::ExportHamlog500, KIND_HAMLOG_500},
        {Command::ExportHamlog445, KIND_HAMLOG_445},
        {Command::ExportHamlogOld, KIND_HAMLOG_OLD},
        {Command::ExportLogtaro, KIND_LOGTARO},
        {Command::ExportAdi, KIND_ADI},
        {Command::ExportAdx, KIND_ADX},
    };
    for (const auto& [command, kind] : exports) {
        commands.setHandler(command, [&doc, &ui, kind] { exportLog(doc, ui, kind); });
    }
}

void registerReports(CommandSet& commands, CSorvakDoc& doc, Ui& ui, const std::string& folder) {
    commands.setHandler(Command::ListCheckList,
                        [&doc, &ui, &folder] { writeCheckList(doc, ui, folder); });
    commands.setHandler(Command::ListAnalysis,
                        [&doc, &ui, &folder] { runAnalysis(doc, ui, folder); });
    commands.setHandler(Command::SetCheckList, [&doc, &ui] { checkListSettings(doc, ui); });
    commands.setHandler(Command::SetAnalysis, [&doc, &ui] { analysisSettings(doc, ui); });
}

}  // namespace

void registerDocumentCommands(CommandSet& commands, CSorvakDoc& doc, Ui& ui,
                              const std::string& reportFolder) {
    registerLoads(commands, doc, ui);
    registerSorts(commands, doc, ui);
    registerSaves(commands, doc, ui);
    registerReports(commands, doc, ui, reportFolder);
    commands.setHandler(Command::ListRateChart, [&commands, &doc, &ui] {
        if (auto* frame = qobject_cast<QWidget*>(commands.parent())) {
            showRateChart(doc, ui, *frame);
        }
    });
    if (auto* frame = qobject_cast<QWidget*>(commands.parent())) {
        auto logCheck = std::make_shared<LogCheckCommand>(doc, ui, *frame);
        commands.setHandler(Command::ToolLogCheck, [logCheck] { logCheck->OnLogCheck(); });
    }
}

}  // namespace sorvak
