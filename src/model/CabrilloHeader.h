#pragma once

#include <string>

namespace sorvak {

// What the Cabrillo header dialog last accepted, for the run of the program.
struct CabrilloHeader {
    std::string contest;
    std::string callSign;
    std::string category;
    std::string name;
    std::string address;
    std::string catTransmitter;
    std::string catTime;
    std::string catStation;
    std::string catPower;
    std::string catOverlay;
    std::string catOperator;
    std::string catMode;
    std::string catBand;
    std::string catAssisted;
    std::string location = "DX";
};

}  // namespace sorvak
