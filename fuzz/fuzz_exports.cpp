// Every writer of the format table over whatever a log file loads as, and
// the QTC note of a memo.
#include "FuzzSupport.h"
#include "commands/FileLoad.h"
#include "formats/LogSource.h"
#include "formats/QtcNote.h"
#include "formats/Writers.h"
#include "model/CSorvakDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sorvak;
    std::string_view input = fuzz::textOf(data, size);
    parseQtcNote(input);
    fuzz::AgreeingUi ui;
    CSorvakDoc doc;
    LogSource source = LogSource::fromBytes(std::string(input), "fuzz.txt");
    FileLoad(doc, ui, source, LoadMode::Load);
    doc.setCabrilloVersion(size % 2 ? 2 : 3);
    for (const FileFormat& format : fileFormats()) {
        if (writeRefusal(doc, format.kind)) {
            continue;
        }
        auto bytes = writeLogFile(doc, format.kind);
        // Text files never carry a NUL byte, whatever the QSOs hold.
        if (bytes && format.kind != KIND_QGB && bytes->find('\0') != std::string::npos) {
            fuzz::propertyFailed("a text file without NUL bytes", "", *bytes);
        }
    }
    return 0;
}
