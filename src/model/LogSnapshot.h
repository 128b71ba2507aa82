#pragma once

#include <vector>

#include "model/ContestInfo.h"
#include "model/QsoRecord.h"

namespace sorvak {

class CSorvakDoc;

// The log as it stood at one moment: which record held each row, what each
// held, and the contest header. The history compares the log with it to learn
// what a command changed.
struct LogSnapshot {
    std::vector<const QsoRecord*> records;
    std::vector<QsoValues> values;
    ContestInfo contest;

    static LogSnapshot of(const CSorvakDoc& doc);
    size_t bytes() const;
};

// The memory a record's values hold beyond the record itself.
size_t heapBytes(const QsoValues& values);

}  // namespace sorvak
