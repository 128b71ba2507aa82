#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "model/LogSnapshot.h"
#include "model/LogStep.h"

namespace sorvak {

class CSorvakDoc;

// The steps the log went through since it was opened, for undo and redo.
// After every command that may have changed the QSO list or the contest
// header, record() compares the log with how it stood before and keeps the
// difference as one step. The history holds at most `maxSteps` steps and
// about `maxBytes` of memory; the oldest steps go first.
class LogHistory {
  public:
    struct Limits {
        size_t maxSteps = 100;
        size_t maxBytes = size_t{512} << 20;
    };

    LogHistory() : LogHistory(Limits{}) {}
    explicit LogHistory(Limits limits) : limits_(limits) {}

    // Forgets every step: the log as it is now is where the history starts,
    // and it is the saved state.
    void reset(const CSorvakDoc& doc);
    // Keeps what changed since the last step as a step named `name`; false
    // (and nothing kept) when nothing changed. Steps that were undone are
    // dropped.
    bool record(const CSorvakDoc& doc, std::string name);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // "選択範囲一括変更 (5 QSO)": the step undo or redo would take.
    std::string undoName() const;
    std::string redoName() const;
    // Each takes one step and marks the log modified unless it is now as it
    // was last saved; false when there is no step to take.
    bool undo(CSorvakDoc& doc);
    bool redo(CSorvakDoc& doc);

    // The log as it is now was saved.
    void markSaved() { saved_ = done_; }
    bool atSaved() const { return saved_ == done_; }

    size_t stepCount() const { return steps_.size(); }
    // The memory the steps and the record of the present state hold.
    size_t bytes() const;

  private:
    void trim();
    void followSaved(CSorvakDoc& doc);

    Limits limits_;
    std::deque<LogStep> steps_;
    size_t done_ = 0;                  // steps_[0, done_) are done
    std::optional<size_t> saved_ = 0;  // none: the saved state is no longer in reach
    size_t stepBytes_ = 0;
    LogSnapshot present_;
};

}  // namespace sorvak
