#pragma once

#include <string_view>

#include "reports/CountryTable.h"

namespace sorvak {

// The part of a call sign that carries its country prefix, running to the end
// of the call. The call splits at its '/' into parts of lengths A, B (and T):
// - no '/', or a second part of one character or "QRP": the whole call;
// - one '/': the second part when A > B, else the whole call;
// - two or more: when the third part is one character or "QRP", the second
//   part if B < A, else the whole call; otherwise the third part when it is
//   shorter than both others, else the second part.
// Each part ends at the next '/'.
std::string_view prefixPartOf(std::string_view callSign);

// The table entry of the call sign's country: the longest prefix that the
// chosen part begins with, the first in the file among equals. Null when no
// prefix matches.
const CountryPrefixEntry* resolveCountry(const CountryTable& table, std::string_view callSign);

}  // namespace sorvak
