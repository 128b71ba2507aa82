#pragma once

#include <functional>

#include <cstddef>
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

}  // namespace sorvak
