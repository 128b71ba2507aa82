#pragma once

#include <cstddef>
#include <vector>

namespace sorvak {

class CSorvakDoc;
class ListSelection;
class Ui;

// Orders the log by time, equal times by call sign, equal call signs by
// points: three stable sorts, each followed by the views' refresh.
void sortByPointsCallTime(CSorvakDoc& doc, Ui& ui);

// The rows of the (sorted) log that repeat the last unrepeated QSO before
// them: same time, call sign, band, mode, power, operator and memo, a memo's
// leading "-DUPE- " marker aside.
std::vector<size_t> repeatedRows(const CSorvakDoc& doc);

// After its questions, sorts the log and selects every repeated QSO so the
// user can delete them. Returns the rows it selected.
std::vector<size_t> OnCheckDupe(CSorvakDoc& doc, Ui& ui, ListSelection& list);

}  // namespace sorvak
