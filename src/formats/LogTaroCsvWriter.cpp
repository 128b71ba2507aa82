#include "formats/LogTaroCsvWriter.h"

#include "model/CSorvakDoc.h"
#include "platform/TextFormat.h"

namespace sorvak {

std::string writeLogTaroCsv(const CSorvakDoc& doc) {
    std::string file;
    for (const auto& qso : doc.qsoList()) {
        ClockParts at = qso->clockFace();
        file += formatText(
            "\"%s\",\"%04d\",\"%02d\",\"%02d\",\"%02d\",\"%02d\",\"%d\",\"%d\",\"%s\",\"%s\","
            "\"%s\",\"\",\"\",\"\"\r\n",
            qso->callSign().c_str(), at.year, at.month, at.day, at.hour, at.minute, qso->srst(),
            qso->rrst(), std::string(qso->modeText()).c_str(), std::string(qso->bandText()).c_str(),
            qso->rcvd().c_str());
    }
    return file;
}

}  // namespace sorvak
