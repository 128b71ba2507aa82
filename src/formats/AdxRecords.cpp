#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>

#include "formats/AdifLogBuilder.h"
#include "formats/AdifRecords.h"
#include "formats/AdifVocabulary.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

// The first child element called `name` in any letter case.
pugi::xml_node childNamed(pugi::xml_node parent, const char* name) {
    for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element && upperAscii(child.name()) == name) {
            return child;
        }
    }
    return {};
}

}  // namespace

void readAdxRecords(std::string_view bytes, AdifLogBuilder& builder, Ui& ui) {
    // pugixml expands no entities of a document type, so a file cannot make
    // the reading grow beyond its own size. A value of blanks alone is kept,
    // as an ADI file keeps it.
    pugi::xml_document xml;
    pugi::xml_parse_result parsed =
        xml.load_buffer(bytes.data(), bytes.size(),
                        pugi::parse_default | pugi::parse_ws_pcdata_single, pugi::encoding_auto);
    if (!parsed) {
        size_t offset =
            std::min(static_cast<size_t>(std::max<ptrdiff_t>(parsed.offset, 0)), bytes.size());
        int line = 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + offset, '\n'));
        char message[128];
        std::snprintf(message, sizeof message, "ADIF XMLﾌｧｲﾙの%d行目に誤りがあります。", line);
        ui.tell(message);
        builder.log().stopped = true;
        return;
    }
    pugi::xml_node records = childNamed(childNamed(xml, "ADX"), "RECORDS");
    for (pugi::xml_node record : records.children()) {
        if (record.type() != pugi::node_element || upperAscii(record.name()) != "RECORD") {
            continue;
        }
        AdifFields fields;
        for (pugi::xml_node field : record.children()) {
            if (field.type() == pugi::node_element) {
                fields.set(field.name(), field.child_value());
            }
        }
        if (fields != AdifFields{}) {
            builder.add(fields);
        }
    }
}

}  // namespace sorvak
