#pragma once

#include <cstddef>
#include <vector>

namespace sorvak {

class CSorvakDoc;
class ListSelection;
class Ui;

// Deletes the rows (ascending, distinct) and marks the log modified: every
// deletion on the user's behalf, from the list and from the command line.
void deleteRows(CSorvakDoc& doc, const std::vector<size_t>& rows);

// "削除(&D)": asks, then deletes the selected QSOs under the wait cursor and
// shows what is left; a list without a selection is told. True when QSOs
// were deleted.
bool OnDelete(CSorvakDoc& doc, Ui& ui, ListSelection& list);

// The bulk change dialog over the rows (ascending), until the change is
// applied or the dialog is cancelled; true when it was accepted at least once.
bool bulkChange(CSorvakDoc& doc, Ui& ui, const std::vector<size_t>& rows);

// "選択範囲変更(&R)...": the bulk change of the selected QSOs; a list without a
// selection is told. True when the dialog was accepted.
bool OnBulkChange(CSorvakDoc& doc, Ui& ui, const ListSelection& list);

}  // namespace sorvak
