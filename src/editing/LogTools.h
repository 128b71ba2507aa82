#pragma once

#include <string>

namespace sorvak {

class CSorvakDoc;
class ListSelection;
class NumberToMultiForm;
class Ui;

// The tools that work on the whole log from the list.

// Asks for one sent number and gives it to every QSO.
void setAllSentNumbers(CSorvakDoc& doc, Ui& ui, ListSelection& list);
// Gives every QSO the sent number (CP932 bytes).
void applySentNumber(CSorvakDoc& doc, const std::string& sent);

// Asks how, then derives every QSO's multiplier from its received number.
void copyNumberToMulti(CSorvakDoc& doc, Ui& ui, ListSelection& list);
void applyNumberToMulti(CSorvakDoc& doc, const NumberToMultiForm& form);

// Searches the call signs for a text, one match per "次を検索(&F)", from the
// top again after the last match.
void findCall(CSorvakDoc& doc, Ui& ui, ListSelection& list);

}  // namespace sorvak
