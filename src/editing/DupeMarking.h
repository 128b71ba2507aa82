#pragma once

#include <cstddef>
#include <vector>

namespace sorvak {

class CSorvakDoc;

// The rows of the (sorted) log that repeat the last unrepeated QSO before
// them: same time, call sign, band, mode, power, operator and memo, a memo's
// leading "-DUPE- " marker aside.
std::vector<size_t> repeatedRows(const CSorvakDoc& doc);

}  // namespace sorvak
