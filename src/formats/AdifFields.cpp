#include "formats/AdifFields.h"

#include <array>
#include <string>

#include "formats/AdifVocabulary.h"

namespace sorvak {

void AdifFields::set(std::string_view name, std::string_view value) {
    struct Field {
        const char* name;
        std::string_view AdifFields::*member;
    };
    static constexpr std::array<Field, 17> kFields = {{
        {"CALL", &AdifFields::call},
        {"QSO_DATE", &AdifFields::qsoDate},
        {"TIME_ON", &AdifFields::timeOn},
        {"BAND", &AdifFields::band},
        {"FREQ", &AdifFields::freq},
        {"MODE", &AdifFields::mode},
        {"RST_SENT", &AdifFields::rstSent},
        {"RST_RCVD", &AdifFields::rstRcvd},
        {"STX", &AdifFields::stx},
        {"STX_STRING", &AdifFields::stxString},
        {"SRX", &AdifFields::srx},
        {"SRX_STRING", &AdifFields::srxString},
        {"OPERATOR", &AdifFields::operatorCall},
        {"COMMENT", &AdifFields::comment},
        {"COMMENT_INTL", &AdifFields::commentIntl},
        {"STATION_CALLSIGN", &AdifFields::stationCallsign},
        {"CONTEST_ID", &AdifFields::contestId},
    }};
    if (name.size() > 16) {
        return;
    }
    std::string upper = upperAscii(name);
    for (const Field& field : kFields) {
        if (upper == field.name) {
            this->*field.member = value;
            return;
        }
    }
}

}  // namespace sorvak
