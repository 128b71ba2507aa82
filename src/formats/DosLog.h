#pragma once

#include <cstddef>
#include <string>

namespace sorvak {

class CSorvakDoc;

// The columns of a DOS text log line. The two layouts differ only in the
// width of the sent and received number fields, and every column after the
// sent number moves with that width.
struct DosLayout {
    static constexpr size_t kNarrowWidth = 10;
    static constexpr size_t kWideWidth = 31;
    // A sent or received number this long needs the wide layout.
    static constexpr size_t kWideFrom = 10;

    size_t width = kNarrowWidth;

    static constexpr size_t kCall = 13, kCallWidth = 11;
    static constexpr size_t kSrst = 24, kRstWidth = 3;
    static constexpr size_t kSent = 27;
    static constexpr size_t kMultiWidth = 6;
    static constexpr size_t kModeWidth = 3;
    size_t rrst() const { return kSent + width; }
    size_t rcvd() const { return rrst() + kRstWidth; }
    size_t multi() const { return rcvd() + width; }
    size_t multiLast() const { return multi() + kMultiWidth - 1; }
    size_t band() const { return multi() + 8; }
    size_t mode() const { return multi() + 14; }
    size_t points() const { return multi() + 18; }
    size_t tail() const { return multi() + 21; }
    size_t txColumn() const { return multi() + 41; }
    size_t memoAfterTx() const { return txColumn() + 6; }
};

// The whole file, lines ending in CR LF; the layout is chosen from the
// longest sent and received numbers of the whole list.
std::string writeDosLog(const CSorvakDoc& doc);

}  // namespace sorvak
