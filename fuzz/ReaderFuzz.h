#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "formats/LoadContext.h"
#include "formats/LogSource.h"
#include "model/CSorvakDoc.h"

namespace sorvak::fuzz {

using Reader = void (*)(LoadContext&);
using Writer = std::string (*)(const CSorvakDoc&);

inline void readFile(Reader reader, const std::string& path, CSorvakDoc& doc, Ui& ui,
                     LoadMode mode) {
    LogSource source(path);
    LoadContext context(doc, source, mode, ui);
    reader(context);
}

// Runs the reader over the input in every load mode; with a writer, also
// writes what was read and reads that back.
inline int fuzzReader(const uint8_t* data, size_t size, Reader reader, Writer writer = nullptr) {
    std::string path = writeInput(data, size, "txt");
    AgreeingUi ui;
    CSorvakDoc doc;
    for (LoadMode mode : {LoadMode::Load, LoadMode::Append, LoadMode::Merge}) {
        readFile(reader, path, doc, ui, mode);
    }
    if (writer != nullptr) {
        std::string written = writer(doc);
        std::string again =
            writeInput(reinterpret_cast<const uint8_t*>(written.data()), written.size(), "txt");
        CSorvakDoc reread;
        readFile(reader, again, reread, ui, LoadMode::Load);
    }
    return 0;
}

}  // namespace sorvak::fuzz
