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
        "<CALL:5>JA1RR <COMMENT:4>\x83\x81\x83\x82 <STX:2>10 <SRX:1>9 <EOR>",
        // The headers and record shapes other programs write.
        " <ADIF_VER:5>3.1.6\n<CREATED_TIMESTAMP:15>20250827 162624\n"
        "<USERDEF1:20:B>RCVD_FROM_DX_CLUSTER\n<USERDEF2:32:E>MY_POWER_CATEGORY,{QRPP,QRP,QRO}\n"
        "<EOH>\n\n<QSO_TRANSCRIPT:20>NAME FRED\nQTH TOKYO\n<CALL:5>JA1QQ <BAND:3>20m "
        "<MODE:3>FT8 <RST_SENT:3>-10 <RST_RCVD:2>+5 <QSO_DATE:8>20250101 <TIME_ON:6>000000 "
        "<EOR>\n",
        "\xef\xbb\xbf#++++++++++\n#   created: Sunday\n#++++++++++\n\n<ADIF_VERS:5>3.1.0 "
        "<PROGRAMID:7>Logger2 <eoh>\n\n<CALL:6>KE9QQQ <BAND:3>40m <MODE:3>SSB <QSO_DATE:8>20210130 "
        "<TIME_ON:6>150739 <COMMENT:11>POTA K-8269 <FREQ:8>7.278000 <eor>\n",
        "ADIF Export from a contact log 7.0.5\nLog exported on: 6/4/2022 5:17:09 PM\n"
        "<PROGRAMID:11>Contact Log\n<EOH>\n\n<Call:5>N9QQQ\n<QSO_Date:8>20220602\n"
        "<Time_On:6>182054\n<Band:3>20M\n<Freq:8>14.06100\n<Mode:2>CW\n<eor>\n",
        "Logbook Status Report\nGenerated at 2022-06-04 21:57:10\nQuery:\n    QSL ONLY: YES\n\n"
        "<PROGRAMID:4>LoTW\n<APP_LoTW_NUMREC:1>1\n\n<eoh>\n\n<APP_LoTW_OWNCALL:5>K9ZZZ\n"
        "<STATION_CALLSIGN:5>K9ZZZ\n<CALL:5>N9QQQ\n<BAND:3>20M\n<FREQ:8>14.06100\n<MODE:2>CW\n"
        "<QSO_DATE:8>20220602\n<TIME_ON:6>182414\n<eor>\n",
        "Logbook download for k9zzz\n    Records: 1\n    <ADIF_VER:5>3.1.1\n    <eoh>\n"
        "<band:2>2m\n<call:5>KG9QQ\n<comment:9>via relay\n<freq:7>146.655\n<mode:2>FM\n"
        "<qso_date:8>20211224\n<time_on:4>0130\n<eor>\n",
        "ADIF Log Created by a logger\nCallsign: K9ZZZ\nRecord Count: 1\n\n<EOH>\n\n"
        "<BAND:3>20M\n<CALL:5>N2QQQ\n<COMMENT:19>SKCC: 16569S - Tom\n<MODE:2>CW\n"
        "<OPERATOR:5>K9ZZZ\n<RST_RCVD:3>599\n<RST_SENT:3>559\n<EOR>\n"};
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
        "    </RECORD>\n  </RECORDS>\n</ADX>\n",
        "<?xml version=\"1.0\"?>\n<adx><header><adif_ver>3.1.6</adif_ver></header><records>"
        "<record><call>JA1QQQ</call><qso_date>20261122</qso_date><time_on>123456</time_on>"
        "<freq>1296.1</freq><mode>ssb</mode><rst_sent>59</rst_sent><comment_intl><![CDATA[\xe3\x83"
        "\xa1\xe3\x83\xa2 <&>]]></comment_intl><APP PROGRAMID=\"X\" FIELDNAME=\"N\" TYPE=\"N\">"
        "1</APP></record><record/></records></adx>\n"};
}

const SeedRegistration adi("adi", adiSeeds);
const SeedRegistration adx("adx", adxSeeds);

}  // namespace
}  // namespace sorvak::fuzz
