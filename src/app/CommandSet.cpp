#include "CommandSet.h"

#include <QAction>

#include "StepNames.h"

namespace sorvak {

QAction* CommandSet::action(Command command) {
    auto found = actions_.find(command);
    if (found != actions_.end()) {
        return found->second;
    }
    auto* made = new QAction(this);
    connect(made, &QAction::triggered, this, [this, command] { run(command); });
    actions_.emplace(command, made);
    return made;
}

bool CommandSet::isEnabled(Command command) const {
    auto found = actions_.find(command);
    return found != actions_.end() && found->second->isEnabled();
}

void CommandSet::setEnabled(Command command, bool enabled) {
    action(command)->setEnabled(enabled);
}

void CommandSet::setHandler(Command command, std::function<void()> handler) {
    handlers_[command] = std::move(handler);
}

void CommandSet::run(Command command) {
    auto found = handlers_.find(command);
    if (found != handlers_.end()) {
        runAs(command, found->second);
    }
}

void CommandSet::runAs(Command command, const std::function<void()>& action) {
    runStep(stepName(command, this->action(command)->text()), action);
}

void CommandSet::runStep(const std::string& step, const std::function<void()>& action) {
    if (stepRunner_ && !step.empty()) {
        stepRunner_(step, action);
    } else {
        action();
    }
}

}  // namespace sorvak
