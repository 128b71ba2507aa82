#include <string>

#include "FuzzSupport.h"

namespace sorvak::fuzz {
namespace {

std::vector<std::string> adiSeeds() {
    return {
        "SORVAK ADIF export\r\n<ADIF_VER:5>3.1.6\r\n<EOH>\r\n"
        "<CALL:6>JA1ABC <QSO_DATE:8>20261121 <TIME_ON:6>123456 <BAND:3>40m <MODE:2>CW "
        "<RST_SENT:3>599 <RST_RCVD:3>599 <STX_STRING:3>10H <SRX_STRING:3>12M "
        "<OPERATOR:3>OP1 <STATION_CALLSIGN:6>JA1ZZZ <CONTEST_ID:4>TEST "
        "<COMMENT:4>memo <EOR>\r\n"
        "<call:5:s>JA1QQ <freq:5>7.010 <mode:3>ft8 <comment_intl:6>メモ <eor>\r\n",
        "<CALL:5>JA1RR <COMMENT:4>\x83\x81\x83\x82 <STX:2>10 <SRX:1>9 <EOR>"};
}

std::vector<std::string> adxSeeds() {
    return {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ADX>\n  <HEADER>\n"
        "    <ADIF_VER>3.1.6</ADIF_VER>\n  </HEADER>\n  <RECORDS>\n    <RECORD>\n"
        "      <CALL>JA1ABC</CALL>\n      <QSO_DATE>20261121</QSO_DATE>\n"
        "      <TIME_ON>1234</TIME_ON>\n      <BAND>40m</BAND>\n      <MODE>CW</MODE>\n"
        "      <STATION_CALLSIGN>JA1ZZZ</STATION_CALLSIGN>\n"
        "      <COMMENT_INTL>メモ &amp; memo</COMMENT_INTL>\n"
        "      <APP PROGRAMID=\"X\" FIELDNAME=\"Y\" TYPE=\"S\">z</APP>\n"
        "    </RECORD>\n  </RECORDS>\n</ADX>\n"};
}

const SeedRegistration adi("adi", adiSeeds);
const SeedRegistration adx("adx", adxSeeds);

}  // namespace
}  // namespace sorvak::fuzz
