#pragma once

#include <string_view>

#include "model/QsoRecord.h"

namespace sorvak {

// Sort keys and call-sign comparison modes. Callers set exactly one key bit.
enum SortFlags : unsigned {
    SORT_CALLSIGN = 0x0001,
    SORT_TIME = 0x0002,
    SORT_BAND = 0x0004,
    SORT_MODE = 0x0008,
    SORT_POWER = 0x0010,
    SORT_POINTS = 0x0020,
    SORT_TXNUMBER = 0x0040,
    SORT_OPERATOR = 0x0080,
    SORT_MEMO = 0x0100,
    CMP_BYTES = 0x1000,
    CMP_JA_JH_JR = 0x2000,
};

// Negative, 0 or positive as a sorts before, with or after b.
int compareCallSigns(std::string_view a, std::string_view b, unsigned flags);

// Whether the key of `flags` puts the largest values first: power, TX
// number, points and memo length do.
bool sortsDescending(unsigned flags);

// Sorts the list in place, stably, by the key of `flags`.
void sortQsoList(QsoList& list, unsigned flags);

}  // namespace sorvak
