#pragma once

#include <unordered_set>

#include "model/QsoRecord.h"

namespace sorvak {

class CSorvakDoc;

// Answers the document's isUnique for a run of merges without walking the
// list per record: the records of the list, and those added through it, are
// kept in a hash set keyed on the fields that isUnique compares.
class MergeIndex {
  public:
    explicit MergeIndex(const CSorvakDoc& doc);

    bool isUnique(const QsoRecord& record) const;
    // Remembers a record that was added to the list.
    void insert(const QsoRecord& record);

  private:
    struct Hash {
        size_t operator()(const QsoRecord* q) const;
    };
    struct Equal {
        bool operator()(const QsoRecord* a, const QsoRecord* b) const;
    };
    std::unordered_set<const QsoRecord*, Hash, Equal> records_;
};

}  // namespace sorvak
