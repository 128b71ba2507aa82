#include "formats/FrequencyBands.h"

#include <array>
#include <charconv>
#include <span>

namespace sorvak {
namespace {

struct BandRange {
    double from;
    double below;
    const char* band;
};

// Below 50 MHz every frequency from 1.8 MHz up has a band, as the HF bands
// were always read; from 50 MHz up only the bands the log holds do.
constexpr std::array<BandRange, 16> kKilohertz = {{{1800, 3500, "1.9"},
                                                   {3500, 7000, "3.5"},
                                                   {7000, 10000, "7"},
                                                   {10000, 14000, "10"},
                                                   {14000, 18000, "14"},
                                                   {18000, 21000, "18"},
                                                   {21000, 24000, "21"},
                                                   {24000, 28000, "24"},
                                                   {28000, 50000, "28"},
                                                   {50000, 54000, "50"},
                                                   {144000, 148000, "144"},
                                                   {420000, 450000, "430"},
                                                   {1240000, 1300000, "1200"},
                                                   {2300000, 2450000, "2400"},
                                                   {5650000, 5925000, "5600"},
                                                   {10000000, 10500000, "10G"}}};

// Cabrillo's band fields in MHz: 50, 144, 432 (and 70, 222, 902, which have no band here).
constexpr std::array<BandRange, 4> kMegahertz = {
    {{50, 70, "50"}, {144, 222, "144"}, {420, 902, "430"}, {1240, 1300, "1200"}}};

// In GHz: 1.2, 2.3, 5.7, 10 (and 3.4, 24, 47 ... without a band).
constexpr std::array<BandRange, 4> kGigahertz = {
    {{1.2, 2.3, "1200"}, {2.3, 3.4, "2400"}, {5.7, 10, "5600"}, {10, 24, "10G"}}};

std::string bandIn(std::span<const BandRange> ranges, double frequency) {
    for (const BandRange& range : ranges) {
        if (frequency >= range.from && frequency < range.below) {
            return range.band;
        }
    }
    return {};
}

}  // namespace

std::string bandOfCabrilloFrequency(std::string_view field) {
    bool gigahertz = !field.empty() && (field.back() == 'G' || field.back() == 'g');
    if (gigahertz) {
        field.remove_suffix(1);
    }
    double frequency = 0;
    const char* end = field.data() + field.size();
    auto [stop, error] = std::from_chars(field.data(), end, frequency);
    if (field.empty() || error != std::errc() || stop != end) {
        return {};
    }
    if (gigahertz || frequency < 50) {
        return bandIn(kGigahertz, frequency);
    }
    return frequency < 1800 ? bandIn(kMegahertz, frequency) : bandOfKilohertz(frequency);
}

std::string bandOfKilohertz(double kilohertz) {
    return bandIn(kKilohertz, kilohertz);
}

}  // namespace sorvak
