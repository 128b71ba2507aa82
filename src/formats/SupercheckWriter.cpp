#include "formats/SupercheckWriter.h"

#include "model/CSorvakDoc.h"
#include "platform/TextFormat.h"

namespace sorvak {

std::string writeSupercheck(const CSorvakDoc& doc) {
    std::string file;
    for (const auto& qso : doc.qsoList()) {
        file += formatText("%-11s%s\r\n", qso->callSign().c_str(), qso->rcvd().c_str());
    }
    return file;
}

}  // namespace sorvak
