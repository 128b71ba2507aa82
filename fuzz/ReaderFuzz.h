#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "formats/LoadContext.h"
#include "model/CSorvakDoc.h"

namespace sorvak::fuzz {

using Reader = void (*)(LoadContext&);
using Writer = std::string (*)(const CSorvakDoc&);

// What a reader target checks beyond surviving its input.
struct ReaderChecks {
    Reader reader = nullptr;
    // The log's own writer; nullptr for a format that is only read. With a
    // writer, what was loaded is written, read back and compared, and the
    // log read back is written again and must give the same bytes.
    Writer writer = nullptr;
    // Whether the layout holds the QSO whole; the others are left out of the
    // round trip (nullptr: every QSO).
    bool (*holds)(const CSorvakDoc& doc, const QsoRecord& qso) = nullptr;
    // Clears the fields of a QSO that the layout does not hold; nullptr when
    // it holds them all.
    void (*keepHeld)(QsoValues& qso) = nullptr;
    // Readies a loaded log for its writer as the export does (nullptr: as it is).
    void (*beforeWriting)(CSorvakDoc& doc) = nullptr;
    // The log's own data besides its QSOs that the file holds, as text;
    // nullptr for a file that holds none.
    std::string (*logData)(const CSorvakDoc& doc) = nullptr;
};

// Loads the input with the reader, then makes the round trip of the checks.
// (Appending and merging, which run the readers in their other load modes,
// are the load dispatcher's target.)
int fuzzReader(const uint8_t* data, size_t size, const ReaderChecks& checks);

// Whether the two hold the same values, field for field.
bool sameValues(const QsoValues& a, const QsoValues& b);
// Every value of a QSO, the texts with their lengths.
std::string describeQso(const QsoValues& qso);

// Whether a number is written within `width` columns.
bool fitsColumns(int number, size_t width);
// Whether the band and mode are in the vocabulary: a text log writes others
// as nothing, and the columns after them slip.
bool hasBandAndModeTexts(const QsoRecord& qso);

}  // namespace sorvak::fuzz
