// The ADIF reader over any XML file: what it read is written as an ADX file
// and read back.
#include "AdifFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return sorvak::fuzz::fuzzAdif<true>(data, size);
}
