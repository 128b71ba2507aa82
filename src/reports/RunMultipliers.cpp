#include "reports/RunMultipliers.h"

#include "platform/Ui.h"
#include "reports/ReportRun.h"

namespace sorvak {

std::optional<MultiplierList> runMultipliers(ReportRun& run) {
    if (run.multiDataFile.empty()) {
        return builtInMultiplierList();
    }
    auto list = loadMultiplierFile(run.multiDataFile);
    if (!list) {
        run.ui.tell(multiplierFileOpenMessage(run.multiDataFile));
    }
    return list;
}

}  // namespace sorvak
