#include <memory>

#include "FuzzSupport.h"
#include "formats/BinaryLog.h"
#include "model/CSorvakDoc.h"

namespace sorvak::fuzz {
namespace {

std::vector<std::string> fileLoadSeeds() {
    CSorvakDoc doc;
    doc.contest().stationCall = "JA1ZZZ";
    doc.contest().contestName = "TEST";
    QsoParts parts;
    parts.year = 2026;
    parts.month = 11;
    parts.day = 22;
    parts.hhmm = 1234;
    parts.callSign = "JA1ABC";
    parts.rcvd = "10H";
    parts.bandText = "7";
    parts.modeText = "CW";
    parts.powerLetter = 'H';
    doc.add(std::make_unique<QsoRecord>(parts));
    std::string binary = writeBinaryLog(doc);
    return {binary,
            binary.substr(0, 300),
            "Quog for Windows\r\n",
            "mon day time\r\n",
            ";comment\r\nSTART-OF-LOG: 3.0\r\n",
            "CCC TXT file\r\n",
            "a,b,c,d,e,f,g,h,i,j,k\r\n",
            "x\r\nCREATED-BY: N1MM Logger Plus\r\n",
            "ADIF\r\n<EOH>\r\n<CALL:6>JA1ABC <BAND:3>40m <EOR>\r\n",
            "<?xml version=\"1.0\"?>\n<ADX><RECORDS><RECORD><CALL>JA1ABC</CALL></RECORD>"
            "</RECORDS></ADX>\n"};
}

const SeedRegistration registration("file_load", [] {
    std::vector<std::string> seeds = fileLoadSeeds();
    for (std::string& seed : everyReadersSeeds()) {
        seeds.push_back(std::move(seed));
    }
    return seeds;
});

}  // namespace
}  // namespace sorvak::fuzz
