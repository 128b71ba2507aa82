#include "EditingCommands.h"

#include <memory>

#include "CSorvakView.h"
#include "CommandSet.h"
#include "ViewSelection.h"
#include "editing/BulkChangeForm.h"
#include "editing/ContestDataForm.h"
#include "editing/DupeMarking.h"
#include "editing/LogTools.h"
#include "editing/QsoEntry.h"

namespace sorvak {

void registerEditingCommands(CSorvakView& view, CSorvakDoc& doc, Ui& ui, CommandSet& commands,
                             std::function<void()> entered) {
    auto list = std::make_shared<ViewSelection>(view);
    // The values new-QSO entry carries over, for the whole run.
    auto memory = std::make_shared<NewQsoMemory>();
    view.setEditing(QsoEditing{
        [&doc, &ui](size_t row) { return editQso(doc, ui, row); },
        [&doc, &ui, list, memory, entered](size_t position) {
            enterNewQsos(doc, ui, *list, position, *memory, entered);
        },
        [&doc, &ui](const std::vector<size_t>& rows) { return bulkChange(doc, ui, rows); },
    });
    commands.setHandler(Command::EditFind, [&doc, &ui, list] { findCall(doc, ui, *list); });
    commands.setHandler(Command::ToolDupe, [&doc, &ui, list] { OnCheckDupe(doc, ui, *list); });
    commands.setHandler(Command::ToolSentNumbers,
                        [&doc, &ui, list] { setAllSentNumbers(doc, ui, *list); });
    commands.setHandler(Command::ToolNumberToMulti,
                        [&doc, &ui, list] { copyNumberToMulti(doc, ui, *list); });
    for (Command command : {Command::ViewContestData, Command::ToolContestData}) {
        commands.setHandler(command, [&doc, &ui] { editContestData(doc, ui); });
    }
}

}  // namespace sorvak
