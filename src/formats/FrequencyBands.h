#pragma once

#include <string>
#include <string_view>

namespace sorvak {

// The bands of the frequencies other programs write. A band the log cannot
// hold (70, 222 and 902 MHz, 3.4 GHz, 24 GHz and up, light, a frequency on
// no amateur band) gives an empty text, so the QSO is left without a band.

// The band of a Cabrillo frequency field: kHz from 1800 ("14025"), MHz from
// 50 to below 1800 ("50", "144", "432"), GHz below 50 ("1.2", "10") or with
// a G ("1.2G", "10G", "24G"); "LIGHT" and any other text give none.
std::string bandOfCabrilloFrequency(std::string_view field);

// The band of a frequency in kHz.
std::string bandOfKilohertz(double kilohertz);

}  // namespace sorvak
