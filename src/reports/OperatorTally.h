#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reports/StringIndex.h"

namespace sorvak {

class QsoRecord;

// The counts of one operator by band index (0 all bands, 1 to 16 a band).
struct OperatorCounts {
    std::string opName;                // as logged; compared exactly
    std::array<int, 17> opCount{};     // QSOs
    std::array<int, 17> opCwCount{};   // QSOs in CW
    std::array<int, 17> opMultis{};    // QSOs with either multiplier flag (once per QSO)
    std::array<int, 17> opCwMultis{};  // the same in CW
};

// The QSOs and multipliers of each operator of a log, operators in the order
// they first appear. The table grows with the log: any number of operators,
// names of any length.
class OperatorTally {
  public:
    // Counts `qso` under its operator on `bandIndex` (1 to 16) and in the
    // all-band cells; a QSO given any other band index counts only in the
    // all-band cells.
    void add(const QsoRecord& qso, int bandIndex);

    const std::vector<OperatorCounts>& operators() const { return operators_; }
    // Width of the name column: the longest operator name, at least 5.
    size_t nameWidth() const { return nameWidth_; }

  private:
    std::vector<OperatorCounts> operators_;
    TextMap<size_t> positions_;
    size_t nameWidth_ = 5;
};

// The name an operator is printed with: "Op?" for the QSOs without one.
std::string_view printedOperatorName(const OperatorCounts& counts);

}  // namespace sorvak
