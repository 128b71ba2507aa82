#include "reports/LogCheckRun.h"

#include <optional>

#include "model/CSorvakDoc.h"
#include "reports/MasterCallList.h"

namespace sorvak {

LogCheckResult checkLogAsInstalled(const CSorvakDoc& doc, const LogCheckSettings& settings) {
    std::optional<MasterCallList> calls;
    if (settings.useMasterCalls) {
        calls = MasterCallList::read(kInstalledMasterCalls);
    }
    return checkLog(doc.qsoList(), settings, calls ? &*calls : nullptr);
}

}  // namespace sorvak
