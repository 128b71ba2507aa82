#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "model/LogHistory.h"

namespace sorvak {

class CSorvakDoc;
class CommandSet;

// Undo and redo in the window: every action of the user's runs as one step
// of the log's history, and the Edit menu's undo and redo entries name the
// step they would take. A log that was opened or made new starts a fresh
// history; saving makes the present step the saved one.
class EditHistory {
  public:
    EditHistory(CSorvakDoc& doc, CommandSet& commands);

    // Runs `action`; what it changed becomes the step `name`. An action run
    // within another is part of the other's step.
    void runStep(const std::string& name, const std::function<void()>& action);
    // Keeps what the running action changed so far as a step of its own (each
    // QSO of new-QSO entry).
    void recordNow();

    void OnUndo();
    void OnRedo();

    const LogHistory& history() const { return history_; }

  private:
    // Starts afresh when the log is another one than the history's.
    void followGeneration();
    void record();
    void OnUpdateEntries();

    CSorvakDoc& doc_;
    CommandSet& commands_;
    LogHistory history_;
    uint64_t generation_;
    int depth_ = 0;
    std::string running_;
    QString undoShortcut_;
    QString redoShortcut_;
};

}  // namespace sorvak
