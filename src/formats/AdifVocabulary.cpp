#include "formats/AdifVocabulary.h"

#include <array>

#include "model/Vocabulary.h"

namespace sorvak {
namespace {

// Per band code: the ADIF band and its edges in MHz.
struct AdifBand {
    const char* name;
    double lower;
    double upper;
};

constexpr std::array<AdifBand, kBandCount> kBands = {{
    {"160m", 1.8, 2.0},
    {"80m", 3.5, 4.0},
    {"40m", 7.0, 7.3},
    {"30m", 10.1, 10.15},
    {"20m", 14.0, 14.35},
    {"17m", 18.068, 18.168},
    {"15m", 21.0, 21.45},
    {"12m", 24.89, 24.99},
    {"10m", 28.0, 29.7},
    {"6m", 50.0, 54.0},
    {"2m", 144.0, 148.0},
    {"70cm", 420.0, 450.0},
    {"23cm", 1240.0, 1300.0},
    {"13cm", 2300.0, 2450.0},
    {"6cm", 5650.0, 5925.0},
    {"3cm", 10000.0, 10500.0},
}};

// ADIF modes by mode code; "Other" has none.
constexpr std::array<const char*, 5> kModes = {"CW", "SSB", "FM", "AM", "RTTY"};

}  // namespace

std::string upperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

bool isAdifAscii(std::string_view text) {
    for (char c : text) {
        if (c < 0x20 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

std::string_view adifBandOf(int bandCode) {
    return bandCode >= 0 && bandCode < kBandCount ? kBands[bandCode].name : "";
}

int bandCodeOfAdifBand(std::string_view band) {
    std::string upper = upperAscii(band);
    for (int code = 0; code < kBandCount; ++code) {
        if (upper == upperAscii(kBands[code].name)) {
            return code;
        }
    }
    return -1;
}

int bandCodeOfFrequency(double megahertz) {
    for (int code = 0; code < kBandCount; ++code) {
        if (megahertz >= kBands[code].lower && megahertz <= kBands[code].upper) {
            return code;
        }
    }
    return -1;
}

std::string_view adifModeOf(int modeCode) {
    return modeCode >= 0 && modeCode < static_cast<int>(kModes.size()) ? kModes[modeCode] : "";
}

int modeCodeOfAdifMode(std::string_view mode) {
    std::string upper = upperAscii(mode);
    for (int code = 0; code < static_cast<int>(kModes.size()); ++code) {
        if (upper == kModes[code]) {
            return code;
        }
    }
    return modeCodeOf("Other");
}

}  // namespace sorvak
