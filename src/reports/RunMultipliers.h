#pragma once

#include <optional>

#include "reports/MultiplierList.h"

namespace sorvak {

struct ReportRun;

// The multipliers of an analysis run: the chosen data file's, or the built-in
// list when none is chosen; nothing, after telling the user, when the file
// cannot be read.
std::optional<MultiplierList> runMultipliers(ReportRun& run);

}  // namespace sorvak
