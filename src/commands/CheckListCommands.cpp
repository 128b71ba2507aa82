#include "commands/CheckListCommands.h"

#include <algorithm>

#include "commands/ReportFiles.h"
#include "editing/CheckListForm.h"
#include "model/CSorvakDoc.h"
#include "model/Vocabulary.h"
#include "platform/AtomicFile.h"
#include "platform/Cp932.h"
#include "platform/TextFormat.h"
#include "platform/Ui.h"
#include "reports/CheckList.h"

namespace sorvak {
namespace {

// The layout of the stored settings; values outside the dialog's range
// cannot lay out a list.
CheckListLayout layoutOf(const ReportSettings& settings) {
    return CheckListLayout{
        std::clamp(settings.stationsPerLine, CheckListForm::kMinimum, CheckListForm::kMaximum),
        std::clamp(settings.charsPerStation, CheckListForm::kMinimum, CheckListForm::kMaximum),
        settings.showPortable != 0};
}

}  // namespace

bool checkListSettings(CSorvakDoc& doc, Ui& ui) {
    CheckListForm form = CheckListForm::prefilledFrom(doc);
    if (!ui.runDialog(form)) {
        return false;
    }
    form.apply(doc);
    return true;
}

void writeCheckList(CSorvakDoc& doc, Ui& ui, const std::string& folder) {
    if (checkListSettings(doc, ui)) {
        writeCheckListFiles(doc, ui, folder);
    }
}

CheckListOutcome writeCheckListFiles(CSorvakDoc& doc, Ui& ui, const std::string& folder) {
    CheckListLayout layout = layoutOf(doc.reportSettings());
    std::string baseName = reportBaseName(doc.title());
    std::string result = "重複ﾁｪｯｸﾘｽﾄ\n\n";
    int written = 0;
    for (int band = 0; band < kBandCount; ++band) {
        BandCheckList list = bandCheckList(doc.qsoList(), band, layout);
        for (const std::string& call : list.invalidCalls) {
            ui.tell("Invalid Last Letter: " + cp932ToUtf8(call) + "  ");
        }
        if (list.stations == 0) {
            continue;
        }
        ++written;
        ReportFile file(folder, baseName + std::string(checkListSuffix(band)));
        result += "  " + file.name + "\n";
        if (!replaceFileContents(file.path, withCrLf(list.text))) {
            ui.tell("ﾌｧｲﾙに書き込めませんでした。\n" + file.name);
            return CheckListOutcome::WriteFailed;
        }
    }
    result += "\nを出力しました。";
    if (written == 0) {
        ui.tell("データがありません。");
        return CheckListOutcome::NoData;
    }
    ui.tell(result);
    return CheckListOutcome::Written;
}

}  // namespace sorvak
