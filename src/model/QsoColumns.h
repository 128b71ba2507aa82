#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace sorvak {

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

}  // namespace sorvak
