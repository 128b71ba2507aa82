#pragma once

namespace sorvak {

class CSorvakDoc;
class Ui;

// The sort of the log on the user's behalf, shared by the sort menu, the
// column click, merge, analysis and dupe marking: sorts the document's QSO
// list stably by the key of `flags` under the wait cursor and marks the log
// modified. A list of fewer than 2 QSOs is refused with a message.
void sortQsos(CSorvakDoc& doc, Ui& ui, unsigned flags);

// An entry of the sort menu: sortQsos, then the views' refresh.
void OnSort(CSorvakDoc& doc, Ui& ui, unsigned flags);

// A click on a column heading whose sort key is `key` (0 for a column that
// does not sort): asks, then sorts. True when the user agreed and the sort
// ran; nothing is asked about an empty log.
bool sortByColumnKey(CSorvakDoc& doc, Ui& ui, unsigned key);

}  // namespace sorvak
