// The DOS text log reader and writer over any file, in every load mode.
#include "ReaderFuzz.h"
#include "formats/DosLog.h"
#include "formats/Readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return sorvak::fuzz::fuzzReader(data, size, sorvak::readDosLog, sorvak::writeDosLog);
}
