#include "model/LogSnapshot.h"

#include "model/CSorvakDoc.h"

namespace sorvak {
namespace {

size_t heapBytes(const std::string& text) {
    // Short texts live inside the string itself.
    return text.capacity() > 15 ? text.capacity() + 1 : 0;
}

}  // namespace

size_t heapBytes(const QsoValues& v) {
    return heapBytes(v.callSign) + heapBytes(v.sent) + heapBytes(v.rcvd) + heapBytes(v.multi) +
           heapBytes(v.multi2) + heapBytes(v.operatorName) + heapBytes(v.memo);
}

LogSnapshot LogSnapshot::of(const CSorvakDoc& doc) {
    LogSnapshot snapshot;
    snapshot.records.reserve(doc.count());
    snapshot.values.reserve(doc.count());
    for (const auto& record : doc.qsoList()) {
        snapshot.records.push_back(record.get());
        snapshot.values.push_back(record->values());
    }
    snapshot.contest = doc.contest();
    return snapshot;
}

size_t LogSnapshot::bytes() const {
    size_t total =
        records.capacity() * sizeof(const QsoRecord*) + values.capacity() * sizeof(QsoValues);
    for (const QsoValues& v : values) {
        total += heapBytes(v);
    }
    return total;
}

}  // namespace sorvak
