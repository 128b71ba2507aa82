#pragma once

#include <cstddef>

namespace sorvak {

// What each field of a QSO takes from the user, as much as the binary log
// keeps of it: texts in CP932 bytes (a double-byte character counts two),
// numbers as their largest value.
inline constexpr size_t kBandTextCapacity = 4;
inline constexpr size_t kModeTextCapacity = 5;
inline constexpr size_t kPowerTextCapacity = 1;
inline constexpr size_t kCallSignCapacity = 12;
// The sent and received numbers and both multipliers.
inline constexpr size_t kExchangeCapacity = 30;
inline constexpr size_t kOperatorCapacity = 14;
inline constexpr size_t kMemoCapacity = 64;

inline constexpr int kMaxRst = 599;
// Points and the TX number are stored in one byte each.
inline constexpr int kMaxPoints = 255;
inline constexpr int kMaxTxNumber = 255;

}  // namespace sorvak
