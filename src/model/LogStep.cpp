#include "model/LogStep.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "model/CSorvakDoc.h"
#include "model/LogSnapshot.h"
#include "model/LogStepCoding.h"

namespace sorvak {
namespace {

constexpr int kFieldCount = kNumberFields + kTextFields;

bool sameContest(const ContestInfo& a, const ContestInfo& b) {
    return a.version == b.version && a.utcFlag == b.utcFlag && a.coefficient == b.coefficient &&
           a.stationCall == b.stationCall && a.contestName == b.contestName;
}

// The earlier row each row of the log now came from; -1 for a new record.
// Rows that kept their place are found without a look-up.
std::vector<int64_t> originsOf(const LogSnapshot& before, const CSorvakDoc& after) {
    std::vector<int64_t> origins(after.count(), -1);
    size_t same = 0;
    size_t common = std::min(before.records.size(), after.count());
    while (same < common && before.records[same] == after.qsoList()[same].get()) {
        origins[same] = static_cast<int64_t>(same);
        ++same;
    }
    if (same == after.count()) {
        return origins;
    }
    std::unordered_map<const QsoRecord*, int64_t> rowOf;
    rowOf.reserve(before.records.size() - same);
    for (size_t row = same; row < before.records.size(); ++row) {
        rowOf.emplace(before.records[row], static_cast<int64_t>(row));
    }
    for (size_t row = same; row < after.count(); ++row) {
        auto it = rowOf.find(after.qsoList()[row].get());
        if (it != rowOf.end()) {
            origins[row] = it->second;
        }
    }
    return origins;
}

// Writes the fields of `mask`, each as it is in `values`.
void putFields(std::string& out, const QsoValues& values, uint32_t mask) {
    for (int field = 0; field < kFieldCount; ++field) {
        if ((mask & (1U << field)) != 0) {
            putField(out, values, field);
        }
    }
}

// Applies the changed fields to the records of `list`, taking each field's
// earlier value when `toBefore`, else its later one.
void applyChanges(const std::string& changed, QsoList& list, bool toBefore) {
    StepReader in(changed);
    while (!in.atEnd()) {
        auto row = static_cast<size_t>(in.number());
        auto mask = static_cast<uint32_t>(in.number());
        QsoValues values = list[row]->values();
        for (int side = 0; side < 2; ++side) {
            bool wanted = (side == 0) == toBefore;
            for (int field = 0; field < kFieldCount; ++field) {
                if ((mask & (1U << field)) == 0) {
                    continue;
                }
                if (wanted) {
                    readField(in, values, field);
                } else {
                    QsoValues skipped;
                    readField(in, skipped, field);
                }
            }
        }
        *list[row] = QsoRecord(std::move(values));
    }
}

}  // namespace

std::optional<LogStep> LogStep::between(const LogSnapshot& before, const CSorvakDoc& after,
                                        std::string name) {
    LogStep step;
    step.name_ = std::move(name);
    step.beforeCount_ = before.records.size();
    step.afterCount_ = after.count();
    std::vector<int64_t> origins = originsOf(before, after);
    std::vector<bool> kept(before.records.size(), false);
    size_t changedRows = 0;
    size_t movedRows = 0;
    size_t addedRows = 0;
    for (size_t row = 0; row < origins.size(); ++row) {
        int64_t from = origins[row];
        const QsoValues& now = after.at(row).values();
        bool continues = !step.runs_.empty() &&
                         (from < 0 ? step.runs_.back().from < 0
                                   : step.runs_.back().from >= 0 &&
                                         step.runs_.back().from + step.runs_.back().length == from);
        if (continues) {
            ++step.runs_.back().length;
        } else {
            step.runs_.push_back(Run{static_cast<uint32_t>(row), from, 1});
        }
        if (from < 0) {
            putValues(step.added_, now);
            ++addedRows;
            continue;
        }
        kept[static_cast<size_t>(from)] = true;
        movedRows += static_cast<size_t>(from) != row;
        const QsoValues& then = before.values[static_cast<size_t>(from)];
        if (uint32_t mask = differingFields(then, now); mask != 0) {
            putNumber(step.changed_, static_cast<int64_t>(row));
            putNumber(step.changed_, mask);
            putFields(step.changed_, then, mask);
            putFields(step.changed_, now, mask);
            ++changedRows;
        }
    }
    size_t removedRows = 0;
    for (size_t row = 0; row < kept.size(); ++row) {
        if (!kept[row]) {
            putNumber(step.removed_, static_cast<int64_t>(row));
            putValues(step.removed_, before.values[row]);
            ++removedRows;
        }
    }
    if (!sameContest(before.contest, after.contest())) {
        step.contestBefore_ = before.contest;
        step.contestAfter_ = after.contest();
    }
    bool reordered = addedRows == 0 && removedRows == 0 && movedRows > 0;
    step.rows_ = changedRows + addedRows + removedRows + (reordered ? movedRows : 0);
    if (step.rows_ == 0 && !step.contestBefore_) {
        return std::nullopt;
    }
    step.added_.shrink_to_fit();
    step.removed_.shrink_to_fit();
    step.changed_.shrink_to_fit();
    step.runs_.shrink_to_fit();
    return step;
}

void LogStep::undo(CSorvakDoc& doc) const {
    QsoList now = std::move(doc.mutableQsoList());
    applyChanges(changed_, now, true);
    QsoList then(beforeCount_);
    for (const Run& run : runs_) {
        for (uint32_t i = 0; run.from >= 0 && i < run.length; ++i) {
            then[static_cast<size_t>(run.from) + i] = std::move(now[run.after + i]);
        }
    }
    StepReader removed(removed_);
    while (!removed.atEnd()) {
        auto row = static_cast<size_t>(removed.number());
        then[row] = std::make_unique<QsoRecord>(removed.values());
    }
    doc.mutableQsoList() = std::move(then);
    if (contestBefore_) {
        doc.contest() = *contestBefore_;
    }
}

void LogStep::redo(CSorvakDoc& doc) const {
    QsoList then = std::move(doc.mutableQsoList());
    QsoList now(afterCount_);
    StepReader added(added_);
    for (const Run& run : runs_) {
        for (uint32_t i = 0; i < run.length; ++i) {
            now[run.after + i] = run.from >= 0 ? std::move(then[static_cast<size_t>(run.from) + i])
                                               : std::make_unique<QsoRecord>(added.values());
        }
    }
    applyChanges(changed_, now, false);
    doc.mutableQsoList() = std::move(now);
    if (contestAfter_) {
        doc.contest() = *contestAfter_;
    }
}

size_t LogStep::bytes() const {
    return sizeof(LogStep) + name_.capacity() + runs_.capacity() * sizeof(Run) + added_.capacity() +
           removed_.capacity() + changed_.capacity();
}

}  // namespace sorvak
