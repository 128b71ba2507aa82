#include "formats/AdifRecords.h"

#include <cstdio>
#include <string>

#include "formats/AdiTag.h"
#include "formats/AdifLogBuilder.h"
#include "formats/AdifVocabulary.h"
#include "platform/Ui.h"

namespace sorvak {

void readAdiRecords(std::string_view text, AdifLogBuilder& builder, Ui& ui) {
    AdifFields fields;
    int recordNumber = 1;
    size_t at = 0;
    while ((at = text.find('<', at)) != std::string_view::npos) {
        std::optional<AdiTag> tag = parseAdiTag(text, at);
        if (!tag) {
            ++at;  // a '<' of free text between fields
            continue;
        }
        at = tag->end;
        if (tag->length) {
            if (*tag->length > text.size() - tag->end) {
                char message[160];
                std::snprintf(message, sizeof message,
                              "ADIFﾌｧｲﾙの%d件目のﾚｺｰﾄﾞが途中で切れています。\n"
                              "そこで読み込みを終了しました。",
                              recordNumber);
                ui.tell(message);
                builder.log().stopped = true;
                return;
            }
            fields.set(tag->name, text.substr(tag->end, *tag->length));
            at += *tag->length;
            continue;
        }
        std::string name = upperAscii(tag->name);
        if (name == "EOH") {
            fields = AdifFields{};  // the header's own fields
        } else if (name == "EOR") {
            if (fields != AdifFields{}) {
                builder.add(fields);
            }
            fields = AdifFields{};
            ++recordNumber;
        }
    }
}

}  // namespace sorvak
