#pragma once

#include <string>

namespace sorvak {

// The contest header of a log.
struct ContestInfo {
    double version = 1.0;
    int utcFlag = 0;  // 0: times are JST; 1: times are UTC
    int coefficient = 0;
    std::string stationCall;
    std::string contestName;
};

}  // namespace sorvak
