#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/StringIndex.h"

namespace sorvak {

// One prefix of the country file with the country it belongs to.
struct CountryPrefixEntry {
    int zone = 0;             // CQ zone
    std::string mainPrefix;   // the country's main prefix
    std::string continent;    // two-letter code, "??" when unknown
    std::string prefix;       // never empty
    int prefixLength = 0;     // length of `prefix`
    std::string countryName;  // at most 25 characters, as the file writes it
};

// Every prefix of a country file in file order, indexed so that the longest
// prefix of a call sign is found with one hash look-up per possible length
// rather than by walking the whole table. Nothing is dropped: a prefix of
// any length and any number of them are kept.
class CountryTable {
  public:
    // Adds an entry at the end; an empty prefix is not added, as it could
    // never match.
    void add(CountryPrefixEntry entry);

    const std::vector<CountryPrefixEntry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }

    // The entry with the longest prefix that `text` begins with (exact,
    // case-sensitive); of entries with the same prefix, the first in the file.
    // Null when none matches.
    const CountryPrefixEntry* longestPrefixOf(std::string_view text) const;

  private:
    std::vector<CountryPrefixEntry> entries_;
    TextMap<size_t> firstWithPrefix_;
    size_t longestPrefix_ = 0;
};

}  // namespace sorvak
