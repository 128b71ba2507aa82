#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>

#include "Command.h"

class QAction;

namespace sorvak {

// One action per command, shared by the menus, the toolbar and the keys, and
// the handler each command runs. A command without a handler does nothing.
class CommandSet : public QObject {
    Q_OBJECT

  public:
    explicit CommandSet(QObject* parent = nullptr) : QObject(parent) {}

    // The command's action, made on first use.
    QAction* action(Command command);
    bool isEnabled(Command command) const;
    void setEnabled(Command command, bool enabled);

    void setHandler(Command command, std::function<void()> handler);
    void run(Command command);

    // Runs an action of the user's as one step of the log's history, under the
    // step's name; an empty name runs it outside the history.
    using StepRunner =
        std::function<void(const std::string& step, const std::function<void()>& action)>;
    void setStepRunner(StepRunner runner) { stepRunner_ = std::move(runner); }
    void runStep(const std::string& step, const std::function<void()>& action);
    // Runs `action` as a step named as the command's.
    void runAs(Command command, const std::function<void()>& action);

  private:
    std::map<Command, QAction*> actions_;
    std::map<Command, std::function<void()>> handlers_;
    StepRunner stepRunner_;
};

}  // namespace sorvak
