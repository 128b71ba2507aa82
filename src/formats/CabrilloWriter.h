#pragma once

#include <string>

namespace sorvak {

class CSorvakDoc;

// The Cabrillo file (version 2.0 or 3.0 as the document's Cabrillo settings
// say): header, one "QSO:" line per QSO in list order, the "QTC:" lines of
// the QTC notes in the memos, and the end line.
std::string writeCabrillo(const CSorvakDoc& doc);

// The frequency and mode fields of a QSO line; empty for a code outside the
// tables ("Other" has no mode text either).
const char* cabrilloFrequencyText(int band);
const char* cabrilloModeText(int mode);

}  // namespace sorvak
