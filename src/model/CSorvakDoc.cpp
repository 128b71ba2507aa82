#include "model/CSorvakDoc.h"

#include <algorithm>
#include <iterator>

namespace sorvak {

CSorvakDoc::CSorvakDoc() {
    clear();
}

void CSorvakDoc::add(std::unique_ptr<QsoRecord> record) {
    qsoList_.push_back(std::move(record));
}

void CSorvakDoc::insertAt(size_t row, std::unique_ptr<QsoRecord> record) {
    if (row > qsoList_.size()) {
        row = qsoList_.size();
    }
    qsoList_.insert(qsoList_.begin() + static_cast<std::ptrdiff_t>(row), std::move(record));
}

void CSorvakDoc::removeRows(const std::vector<size_t>& rows) {
    size_t next = 0;  // index into rows
    size_t kept = 0;
    for (size_t i = 0; i < qsoList_.size(); ++i) {
        if (next < rows.size() && rows[next] == i) {
            ++next;
            continue;
        }
        qsoList_[kept++] = std::move(qsoList_[i]);
    }
    qsoList_.resize(kept);
}

void CSorvakDoc::insertRecords(size_t row, QsoList records) {
    row = std::min(row, qsoList_.size());
    qsoList_.insert(qsoList_.begin() + static_cast<std::ptrdiff_t>(row),
                    std::make_move_iterator(records.begin()),
                    std::make_move_iterator(records.end()));
}

void CSorvakDoc::clear() {
    ++generation_;
    qsoList_.clear();
    contest_ = ContestInfo{};
    rawHeader_.fill(0);
}

bool sameQso(const QsoRecord& a, const QsoRecord& b) {
    return a.time() == b.time() && a.callSign() == b.callSign() && a.band() == b.band() &&
           a.mode() == b.mode() && a.power() == b.power() && a.points() == b.points() &&
           a.operatorName() == b.operatorName() && a.memo() == b.memo();
}

int CSorvakDoc::isUnique(const QsoRecord& record) const {
    for (const auto& other : qsoList_) {
        if (sameQso(*other, record)) {
            return 0;
        }
    }
    return 1;
}

void CSorvakDoc::setTitle(const std::string& title, int kind) {
    title_ = title;
    titleKind_ = kind;
    if (stateListener_) {
        stateListener_();
    }
}

void CSorvakDoc::setModified(bool modified) {
    modified_ = modified;
    if (stateListener_) {
        stateListener_();
    }
}

void CSorvakDoc::updateAllViews() {
    if (viewUpdater_) {
        viewUpdater_();
    }
}

}  // namespace sorvak
