// The N1MM Logger generic log reader over any file.
#include "ReaderFuzz.h"
#include "formats/Readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return sorvak::fuzz::fuzzReader(data, size, {.reader = sorvak::readN1mmLog});
}
