#include "formats/MergeIndex.h"

#include <functional>
#include <string_view>

#include "model/CSorvakDoc.h"

namespace sorvak {
namespace {

void mix(size_t& seed, size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

}  // namespace

MergeIndex::MergeIndex(const CSorvakDoc& doc) {
    records_.reserve(doc.count() * 2);
    for (const auto& record : doc.qsoList()) {
        records_.insert(record.get());
    }
}

bool MergeIndex::isUnique(const QsoRecord& record) const {
    return !records_.contains(&record);
}

void MergeIndex::insert(const QsoRecord& record) {
    records_.insert(&record);
}

size_t MergeIndex::Hash::operator()(const QsoRecord* q) const {
    std::hash<std::string_view> text;
    std::hash<int> number;
    size_t seed = number(q->time());
    mix(seed, text(q->callSign()));
    mix(seed, number(q->band()));
    mix(seed, number(q->mode()));
    mix(seed, number(q->power()));
    mix(seed, number(q->points()));
    mix(seed, text(q->operatorName()));
    mix(seed, text(q->memo()));
    return seed;
}

bool MergeIndex::Equal::operator()(const QsoRecord* a, const QsoRecord* b) const {
    return sameQso(*a, *b);
}

}  // namespace sorvak
