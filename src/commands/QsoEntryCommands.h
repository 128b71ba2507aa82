#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace sorvak {

class CSorvakDoc;
class ListSelection;
class Ui;

// What new-QSO entry remembers from one QSO to the next, for the whole run
// of the program.
struct NewQsoMemory {
    std::string sent;
    std::string band = "1.9";
    std::string operatorName;
    std::string power = "P";
};

// Edits the QSO at the row in the QSO dialog; true when the dialog was
// accepted at least once. The caller refreshes the list.
bool editQso(CSorvakDoc& doc, Ui& ui, size_t row);

// Enters new QSOs one after another, the first before the record at the
// position (the record count appends), each next one after the last; ends
// when the dialog is cancelled. `entered` is called after each QSO is added.
void enterNewQsos(CSorvakDoc& doc, Ui& ui, ListSelection& list, size_t position,
                  NewQsoMemory& memory, const std::function<void()>& entered = {});

// "QSO行編集(&Q)...": edits each selected QSO in turn; a list without a
// selection is told. True when a dialog was accepted.
bool OnEditQso(CSorvakDoc& doc, Ui& ui, const ListSelection& list);

// "新規QSO(&N)...": enters new QSOs at the end of the log, or, when the user
// wants it, before the cursor row (the focused row, when it is selected).
// False when the user cancelled the question of where.
bool OnNewQso(CSorvakDoc& doc, Ui& ui, ListSelection& list, std::optional<size_t> cursorRow,
              NewQsoMemory& memory, const std::function<void()>& entered = {});

}  // namespace sorvak
