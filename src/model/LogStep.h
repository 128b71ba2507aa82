#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/ContestInfo.h"

namespace sorvak {

class CSorvakDoc;
struct LogSnapshot;

// What one command did to the log, kept small enough to hold many: the rows
// that moved as runs, the values of the rows added and removed, and of a
// changed row only the fields that changed, both before and after.
class LogStep {
  public:
    // The step from `before` to the log as it is now; nothing when the two
    // hold the same QSOs in the same order under the same header.
    static std::optional<LogStep> between(const LogSnapshot& before, const CSorvakDoc& after,
                                          std::string name);

    // Takes the log from the state after the step back to the state before it.
    void undo(CSorvakDoc& doc) const;
    // Takes the log from the state before the step to the state after it.
    void redo(CSorvakDoc& doc) const;

    const std::string& name() const { return name_; }
    // How many QSOs the step changed, added, removed or, for a pure
    // reordering, moved.
    size_t rows() const { return rows_; }
    // The memory the step holds.
    size_t bytes() const;

  private:
    // Rows after..after+length-1 of the later state come from rows
    // from..from+length-1 of the earlier one; `from` -1 for added rows.
    struct Run {
        uint32_t after;
        int64_t from;
        uint32_t length;
    };

    std::string name_;
    size_t rows_ = 0;
    size_t beforeCount_ = 0;
    size_t afterCount_ = 0;
    std::vector<Run> runs_;
    std::string added_;    // the values of the added rows, in their order
    std::string removed_;  // earlier row and values of each removed row, ascending
    std::string changed_;  // later row, field mask, before and after of each changed field
    std::optional<ContestInfo> contestBefore_;
    std::optional<ContestInfo> contestAfter_;
};

}  // namespace sorvak
