// The ADIF reader over any file: what it read is written as an ADI file and
// read back.
#include "AdifFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return sorvak::fuzz::fuzzAdif<false>(data, size);
}
