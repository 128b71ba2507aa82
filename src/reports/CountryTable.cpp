#include "reports/CountryTable.h"

#include <algorithm>

namespace sorvak {

void CountryTable::add(CountryPrefixEntry entry) {
    if (entry.prefix.empty()) {
        return;
    }
    entry.prefixLength = static_cast<int>(entry.prefix.size());
    firstWithPrefix_.try_emplace(entry.prefix, entries_.size());
    longestPrefix_ = std::max(longestPrefix_, entry.prefix.size());
    entries_.push_back(std::move(entry));
}

const CountryPrefixEntry* CountryTable::longestPrefixOf(std::string_view text) const {
    for (size_t length = std::min(longestPrefix_, text.size()); length > 0; --length) {
        auto it = firstWithPrefix_.find(text.substr(0, length));
        if (it != firstWithPrefix_.end()) {
            return &entries_[it->second];
        }
    }
    return nullptr;
}

}  // namespace sorvak
