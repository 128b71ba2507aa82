#include "commands/SortCommands.h"

#include "model/CSorvakDoc.h"
#include "model/Sorting.h"
#include "platform/Ui.h"

namespace sorvak {

void sortQsos(CSorvakDoc& doc, Ui& ui, unsigned flags) {
    if (doc.count() < 2) {
        ui.tell("ソートすべきデータがありません。");
        return;
    }
    doc.setModified(true);
    WaitCursor wait(ui);
    sortQsoList(doc.mutableQsoList(), flags);
}

void OnSort(CSorvakDoc& doc, Ui& ui, unsigned flags) {
    sortQsos(doc, ui, flags);
    doc.updateAllViews();
}

bool sortByColumnKey(CSorvakDoc& doc, Ui& ui, unsigned key) {
    if (doc.empty() || key == 0 || !ui.confirm("この列でソートしますか?")) {
        return false;
    }
    sortQsos(doc, ui, key);
    return true;
}

}  // namespace sorvak
