#include "model/LogHistory.h"

#include <utility>

#include "model/CSorvakDoc.h"

namespace sorvak {
namespace {

// The step's name with the number of QSOs it touched, when it touched any.
std::string nameWithRows(const LogStep& step) {
    if (step.rows() == 0) {
        return step.name();
    }
    return step.name() + " (" + std::to_string(step.rows()) + " QSO)";
}

}  // namespace

void LogHistory::reset(const CSorvakDoc& doc) {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
    stepBytes_ = 0;
    present_ = LogSnapshot::of(doc);
}

bool LogHistory::record(const CSorvakDoc& doc, std::string name) {
    std::optional<LogStep> step = LogStep::between(present_, doc, std::move(name));
    if (!step) {
        return false;
    }
    while (steps_.size() > done_) {
        stepBytes_ -= steps_.back().bytes();
        steps_.pop_back();
    }
    if (saved_ && *saved_ > done_) {
        saved_.reset();
    }
    stepBytes_ += step->bytes();
    steps_.push_back(std::move(*step));
    ++done_;
    present_ = LogSnapshot::of(doc);
    trim();
    return true;
}

void LogHistory::trim() {
    while (!steps_.empty() && (steps_.size() > limits_.maxSteps ||
                               (steps_.size() > 1 && bytes() > limits_.maxBytes))) {
        stepBytes_ -= steps_.front().bytes();
        steps_.pop_front();
        --done_;
        if (saved_) {
            saved_ = *saved_ == 0 ? std::nullopt : std::optional<size_t>(*saved_ - 1);
        }
    }
}

std::string LogHistory::undoName() const {
    return canUndo() ? nameWithRows(steps_[done_ - 1]) : std::string();
}

std::string LogHistory::redoName() const {
    return canRedo() ? nameWithRows(steps_[done_]) : std::string();
}

bool LogHistory::undo(CSorvakDoc& doc) {
    if (!canUndo()) {
        return false;
    }
    steps_[--done_].undo(doc);
    followSaved(doc);
    return true;
}

bool LogHistory::redo(CSorvakDoc& doc) {
    if (!canRedo()) {
        return false;
    }
    steps_[done_++].redo(doc);
    followSaved(doc);
    return true;
}

void LogHistory::followSaved(CSorvakDoc& doc) {
    present_ = LogSnapshot::of(doc);
    doc.setModified(!atSaved());
}

size_t LogHistory::bytes() const {
    return stepBytes_ + present_.bytes();
}

}  // namespace sorvak
