#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace sorvak {

class CSorvakDoc;
class QsoRecord;

// The columns of the QSO list, in their creation order.
struct QsoColumn {
    const char* header;
    int width;         // pixels
    unsigned sortKey;  // SortFlags of a header click; 0 when the column does not sort
};

inline constexpr size_t kQsoColumnCount = 19;
extern const std::array<QsoColumn, kQsoColumnCount> kQsoColumns;

// The text of one cell (CP932 bytes) of the record shown at `row`.
std::string qsoCellText(const QsoRecord& record, size_t row, size_t column);

// The texts of all columns of the record shown at `row`, separated by tabs.
std::string qsoRowText(const QsoRecord& record, size_t row);

// For each column, the longest text (in bytes) it shows for the log; the
// first of equal lengths. One walk over the records, no text copied but the
// longest.
std::array<std::string, kQsoColumnCount> longestCellTexts(const CSorvakDoc& doc);

}  // namespace sorvak
