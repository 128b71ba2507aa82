#include "LogCheckCommand.h"

#include "LogCheckWindow.h"
#include "commands/LogCheckCommands.h"

namespace sorvak {

void LogCheckCommand::OnLogCheck() {
    if (!askLogCheckSettings(doc_, ui_, kept_)) {
        return;
    }
    if (std::optional<LogCheckResult> result = runLogCheck(doc_, ui_, kept_)) {
        showLogCheck(doc_, ui_, frame_, std::move(*result),
                     [this] { return runLogCheck(doc_, ui_, kept_); });
    }
}

}  // namespace sorvak
