#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "model/QsoRecord.h"

namespace sorvak {

// The generic log file of N1MM Logger as it is written today: a column
// heading such as
// "Date     Time    Freq     Mode MyCall        Snt Exchange    Call             Rcvd Exchange Pts
// Comment" and data lines whose items stand in the heading's columns, for example "20190907 1402
// 144000,00  USB S59ABC         59 001 JN76TO  9A5AY             59 002 JN85OK   179". A column
// runs from the start of its heading word to the start of the next one; an item belongs to the
// column it overlaps most, so numbers aligned to the right of their heading land where they belong.
class N1mmColumns {
  public:
    // The columns of a heading line, which begins with the words Date, Time,
    // Freq, Mode and MyCall and has a Call column; nothing for any other line.
    static std::optional<N1mmColumns> of(std::string_view line);

    // The QSO of a data line; nothing when it has no date (YYYYMMDD), time
    // (HHMM) or call. The frequency is in kHz with either decimal mark.
    std::optional<QsoParts> qsoOf(std::string_view line) const;

  private:
    enum class Role {
        Date,
        Time,
        Frequency,
        Mode,
        Call,
        SentReport,
        SentExchange,
        ReceivedReport,
        ReceivedExchange,
        Points,
        Comment,
        Other,
    };
    struct Column {
        Role role;
        size_t start;
    };

    // The column an item of `width` bytes at `column` overlaps most.
    size_t columnOf(size_t column, size_t width) const;

    std::vector<Column> columns_;
};

}  // namespace sorvak
