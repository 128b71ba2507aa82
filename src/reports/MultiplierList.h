#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/StringIndex.h"

namespace sorvak {

// What a multiplier data file lists and how a QSO's fields name a multiplier,
// told by the file's first line. The numbers are those the files have always
// been known by.
enum class MultiplierFileType {
    Names = 0,      // any other first line: `multi` is a name, the first item of a line
    Columned = 1,   // "ardx.dat", "arrl10.dat": `multi` is a name taken from column 31
    CqZones = 2,    // "cqww.dat", "dxcc.dat": `multi` a zone 1..40, `multi2` a name
    IaruZones = 3,  // "iaru.dat": `multi` a zone 1..90, `multi2` a name
};

// The type a data file's first line selects (case-sensitive prefixes).
MultiplierFileType multiplierFileType(std::string_view headerLine);

// The highest zone of a zone type (40 or 90), 0 for the types without zones.
int zoneCount(MultiplierFileType type);

// `text` read as a zone of `type`: decimal digits only, blanks around them
// allowed, 1 to zoneCount(type). Nothing for anything else, "3A" included.
std::optional<int> parseZone(std::string_view text, MultiplierFileType type);

// The multipliers of a data file, in file order. Names are kept whole and the
// list has no upper size; a name listed again is not added a second time, so
// it cannot show up both as worked and as not worked.
class MultiplierList {
  public:
    explicit MultiplierList(MultiplierFileType type = MultiplierFileType::Names) : type_(type) {}

    MultiplierFileType type() const { return type_; }
    const std::vector<std::string>& names() const { return names_; }
    size_t size() const { return names_.size(); }

    // Adds `name` at the end; false (and nothing added) when the list has it.
    bool add(std::string_view name);
    // The position of `name` (exact, case-sensitive), in constant time.
    std::optional<size_t> indexOf(std::string_view name) const;

  private:
    MultiplierFileType type_;
    std::vector<std::string> names_;
    TextMap<size_t> positions_;
};

// Reads a data file held in memory: the first line gives the type, every
// further line up to the end or to a line beginning with "end of" may give a
// name. Types 1 to 3 take the first item at or after column 31 of lines that
// hold neither ',' nor ';'; type 0 the first item of the line. Lines without
// a name are skipped.
MultiplierList readMultiplierList(std::string_view bytes);

// Reads the data file at `path`; nothing when it cannot be opened.
std::optional<MultiplierList> loadMultiplierFile(const std::string& path);

// The list used when no data file is chosen: the ALL JA contest's 63
// multipliers "101" to "114" and "02" to "50", type 0.
MultiplierList builtInMultiplierList();

// The message shown when the data file at `path` cannot be opened (UTF-8).
std::string multiplierFileOpenMessage(const std::string& path);

}  // namespace sorvak
