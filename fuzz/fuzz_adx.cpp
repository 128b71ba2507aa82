// The ADIF reader over any XML file, in every load mode; what it read is
// written as an ADX file and read back.
#include "ReaderFuzz.h"
#include "formats/AdifReader.h"
#include "formats/AdifWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return sorvak::fuzz::fuzzReader(
        data, size, sorvak::readAdif, [](const sorvak::CSorvakDoc& doc) {
            sorvak::AdifExportReport report;
            return sorvak::writeAdx(doc, report, sorvak::AdifStamp{"0", 0});
        });
}
