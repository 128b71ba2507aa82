// The binary log reader over any file: what it read is written and read back
// field for field, header included.
#include <cstring>

#include "ReaderFuzz.h"
#include "formats/BinaryLog.h"
#include "platform/Cp932.h"
#include "platform/TextFormat.h"

namespace {

// The header holds the contest name's first 64 bytes, cut at a whole
// character (the writer tells the user when it cuts).
std::string contestData(const sorvak::CSorvakDoc& doc) {
    const sorvak::ContestInfo& info = doc.contest();
    uint64_t version = 0;
    std::memcpy(&version, &info.version, sizeof version);
    return sorvak::formatText("version %016llx utc %d coefficient %d call ",
                              static_cast<unsigned long long>(version), info.utcFlag,
                              info.coefficient) +
           info.stationCall + " contest " +
           std::string(sorvak::wholeCharactersWithin(info.contestName, 64));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return sorvak::fuzz::fuzzReader(
        data, size,
        {.reader = sorvak::readBinaryLog,
         .writer = [](const sorvak::CSorvakDoc& doc) { return sorvak::writeBinaryLog(doc); },
         .logData = contestData});
}
