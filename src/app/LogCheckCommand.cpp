#include "LogCheckCommand.h"

#include "LogCheckWindow.h"
#include "editing/LogCheckForm.h"
#include "model/CSorvakDoc.h"
#include "platform/LogClock.h"
#include "platform/Ui.h"
#include "reports/LogCheckRun.h"

namespace sorvak {

void LogCheckCommand::OnLogCheck() {
    if (doc_.empty()) {
        ui_.tell(kLogCheckNoData);
        return;
    }
    LogCheckForm form = LogCheckForm::prefilledFrom(doc_, kept_);
    if (!ui_.runDialog(form)) {
        return;
    }
    kept_ = form.settings(doc_, logClockNow(doc_.contest().utcFlag));
    if (std::optional<LogCheckResult> result = check()) {
        showLogCheck(doc_, ui_, frame_, std::move(*result), [this] { return check(); });
    }
}

std::optional<LogCheckResult> LogCheckCommand::check() {
    if (doc_.empty()) {
        ui_.tell(kLogCheckNoData);
        return std::nullopt;
    }
    WaitCursor wait(ui_);
    LogCheckSettings settings = kept_;
    settings.utcFlag = doc_.contest().utcFlag;
    settings.now = logClockNow(settings.utcFlag);
    return checkLogAsInstalled(doc_, settings);
}

}  // namespace sorvak
