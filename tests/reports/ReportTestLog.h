#pragma once

#include <memory>
#include <string>

#include "model/CSorvakDoc.h"
#include "model/QsoRecord.h"

namespace sorvak::test {

// A QSO of November 2026 at `day` and `hhmm`, on the band and mode given,
// one point, no multiplier.
std::unique_ptr<QsoRecord> qsoAt(int day, int hhmm, const std::string& band = "7",
                                 const std::string& mode = "CW",
                                 const std::string& callSign = "JA1ABC");

// Adds `count` QSOs at day 1, `hhmm`, on `band`.
void addQsos(CSorvakDoc& doc, int count, int hhmm, const std::string& band,
             const std::string& mode = "CW");

// The file's bytes with CR LF turned into LF, and an empty text when any
// line end is not CR LF, so a whole report can be compared as plain text.
std::string textOfCrLfFile(const std::string& path);

}  // namespace sorvak::test
