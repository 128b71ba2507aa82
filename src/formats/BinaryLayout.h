#pragma once

#include <cstddef>

namespace sorvak::binary {

// Where the fields of the binary log's 256-byte records stand. A text field
// is a length byte followed by the bytes of its capacity.

// A QSO record.
inline constexpr size_t kTime = 0;
inline constexpr size_t kCallSign = 8, kCallSignCap = 12;
inline constexpr size_t kSent = 21, kRcvd = 52, kExchangeCap = 30;
inline constexpr size_t kSrst = 84, kRrst = 86;
inline constexpr size_t kMode = 92, kBand = 93, kPower = 94;
inline constexpr size_t kMulti = 95, kMulti2 = 126;
inline constexpr size_t kNewMulti = 157, kNewMulti2 = 158, kPoints = 159;
inline constexpr size_t kOperator = 160, kOperatorCap = 14;
inline constexpr size_t kMemo = 175, kMemoCap = 67;
inline constexpr size_t kTxNumber = 243;

// The header record: the version at kTime, the station's call sign at
// kCallSign, then these. The byte before the time zone is not used.
inline constexpr size_t kUnusedBeforeTimeZone = 83;
inline constexpr size_t kTimeZone = 84, kCoefficient = 86;
inline constexpr size_t kContestName = 175, kContestNameWritten = 64;
inline constexpr size_t kStationCallEnd = 19, kContestNameEnd = 238;

}  // namespace sorvak::binary
