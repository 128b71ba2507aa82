#pragma once

#include <QObject>
#include <functional>
#include <map>

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

  private:
    std::map<Command, QAction*> actions_;
    std::map<Command, std::function<void()>> handlers_;
};

}  // namespace sorvak
