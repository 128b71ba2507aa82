// Every writer over whatever a log file loads as, and the QTC note of a memo.
#include <cstdlib>

#include "FuzzSupport.h"
#include "commands/FileLoad.h"
#include "formats/QtcNote.h"
#include "formats/Writers.h"
#include "model/CSorvakDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sorvak;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    parseQtcNote(input);
    std::string path = fuzz::writeInput(data, size, "txt");
    fuzz::AgreeingUi ui;
    CSorvakDoc doc;
    FileLoad(doc, ui, path, LoadMode::Load);
    for (FileKind kind : {KIND_QGB, KIND_ALL, KIND_DOS_TXT, KIND_CABRILLO, KIND_SUPERCHECK,
                          KIND_HAMLOG_OLD, KIND_HAMLOG_445, KIND_HAMLOG_500, KIND_LOGTARO}) {
        doc.setCabrilloVersion(size % 2 ? 2 : 3);
        auto bytes = writeLogFile(doc, kind);
        // Text files never carry a NUL byte, whatever the QSOs hold.
        if (bytes && kind != KIND_QGB && bytes->find('\0') != std::string::npos) {
            std::abort();
        }
    }
    return 0;
}
