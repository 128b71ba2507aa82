#include "EditingCommands.h"

#include <memory>

#include "CommandSet.h"
#include "ViewSelection.h"
#include "commands/LogToolCommands.h"

namespace sorvak {

void registerEditingCommands(CSorvakView& view, CSorvakDoc& doc, Ui& ui, CommandSet& commands) {
    auto list = std::make_shared<ViewSelection>(view);
    commands.setHandler(Command::EditFind, [&doc, &ui, list] { OnFindCall(doc, ui, *list); });
    commands.setHandler(Command::ToolDupe, [&doc, &ui, list] { OnCheckDupe(doc, ui, *list); });
    commands.setHandler(Command::ToolSentNumbers,
                        [&doc, &ui, list] { OnSetSentNumbers(doc, ui, *list); });
    commands.setHandler(Command::ToolNumberToMulti,
                        [&doc, &ui, list] { OnNumberToMulti(doc, ui, *list); });
    for (Command command : {Command::ViewContestData, Command::ToolContestData}) {
        commands.setHandler(command, [&doc, &ui] { OnContestData(doc, ui); });
    }
}

}  // namespace sorvak
