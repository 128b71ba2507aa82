#include "commands/LogCheckCommands.h"

#include "editing/LogCheckForm.h"
#include "model/CSorvakDoc.h"
#include "platform/AtomicFile.h"
#include "platform/LogClock.h"
#include "platform/Ui.h"
#include "reports/LogCheckText.h"
#include "reports/MasterCallList.h"

namespace sorvak {

LogCheckResult checkLogAsInstalled(const CSorvakDoc& doc, const LogCheckSettings& settings) {
    std::optional<MasterCallList> calls;
    if (settings.useMasterCalls) {
        calls = MasterCallList::read(kInstalledMasterCalls);
    }
    return checkLog(doc.qsoList(), settings, calls ? &*calls : nullptr);
}

bool askLogCheckSettings(const CSorvakDoc& doc, Ui& ui, LogCheckSettings& kept) {
    if (doc.empty()) {
        ui.tell(kLogCheckNoData);
        return false;
    }
    LogCheckForm form = LogCheckForm::prefilledFrom(doc, kept);
    if (!ui.runDialog(form)) {
        return false;
    }
    kept = form.settings(doc, logClockNow(doc.contest().utcFlag));
    return true;
}

std::optional<LogCheckResult> runLogCheck(const CSorvakDoc& doc, Ui& ui,
                                          const LogCheckSettings& kept) {
    if (doc.empty()) {
        ui.tell(kLogCheckNoData);
        return std::nullopt;
    }
    WaitCursor wait(ui);
    LogCheckSettings settings = kept;
    settings.utcFlag = doc.contest().utcFlag;
    settings.now = logClockNow(settings.utcFlag);
    return checkLogAsInstalled(doc, settings);
}

void OnSaveLogCheckText(const CSorvakDoc& doc, Ui& ui, const LogCheckResult& result) {
    FileDialog dialog;
    dialog.title = "ログチェックの結果の保存";
    dialog.filter = "ﾃｷｽﾄﾌｧｲﾙ (*.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*||";
    dialog.proposedName = logCheckFileName(doc.title());
    dialog.defaultExtension = "TXT";
    dialog.confirmOverwrite = true;
    if (std::optional<std::string> path = ui.saveFileName(dialog)) {
        if (!replaceFileContents(*path, logCheckText(result, doc.title()))) {
            ui.tell("ﾌｧｲﾙに書き込めませんでした。\n" + *path);
        }
    }
}

}  // namespace sorvak
