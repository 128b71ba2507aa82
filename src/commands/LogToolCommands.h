#pragma once

#include <cstddef>
#include <vector>

namespace sorvak {

class CSorvakDoc;
class ListSelection;
class Ui;

// The tools that work on the whole log from the list.

// Asks for one sent number and gives it to every QSO.
void OnSetSentNumbers(CSorvakDoc& doc, Ui& ui, ListSelection& list);

// Asks how, then derives every QSO's multiplier from its received number.
void OnNumberToMulti(CSorvakDoc& doc, Ui& ui, ListSelection& list);

// Searches the call signs for a text, one match per "次を検索(&F)", from the
// top again after the last match.
void OnFindCall(CSorvakDoc& doc, Ui& ui, ListSelection& list);

// Orders the log by time, equal times by call sign, equal call signs by
// points: three stable sorts, each followed by the views' refresh.
void sortByPointsCallTime(CSorvakDoc& doc, Ui& ui);

// After its questions, sorts the log and selects every repeated QSO (see
// repeatedRows) so the user can delete them. Returns the rows it selected.
std::vector<size_t> OnCheckDupe(CSorvakDoc& doc, Ui& ui, ListSelection& list);

// The contest data dialog over the document's contest header; true when accepted.
bool OnContestData(CSorvakDoc& doc, Ui& ui);

}  // namespace sorvak
