// Detection and the load dispatcher over any file, in every load mode.
#include "FuzzSupport.h"
#include "commands/FileLoad.h"
#include "model/CSorvakDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sorvak;
    // The name decides one detection rule, so alternate it with the input's first byte.
    std::string path = fuzz::writeInput(data, size, size > 0 && (data[0] & 1) ? "qgb" : "txt");
    fuzz::AgreeingUi ui;
    CSorvakDoc doc;
    FileLoad(doc, ui, path, LoadMode::Load);
    FileLoad(doc, ui, path, LoadMode::Append);
    FileLoad(doc, ui, path, LoadMode::Merge);
    return 0;
}
