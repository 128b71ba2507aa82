#pragma once

#include <initializer_list>
#include <string>

#include "model/CSorvakDoc.h"

namespace sorvak::test {

// Three QSOs that the export tests know by heart:
// 2026-11-03 09:05 JA1ABC/1/P on 7 CW, 599 10H / 579 13M, multi 13, TX 0,
//   operator OP1, a well-formed QTC note as its memo;
// 2026-01-21 23:59 7K1XYZ on 430 SSB, 59 10H / 57 25L, multi 25, TX 1,
//   a malformed QTC note as its memo;
// 2026-12-31 00:00 JA1ABCDEFG/MM on 1.9 Other, 599 10H / 599 X, TX 12,
//   operator "ｵﾍﾟ" and memo "メモ" in CP932.
void addExportSample(CSorvakDoc& doc);

// The lines, each ended with CR LF as text files are written.
std::string crlfLines(std::initializer_list<std::string> lines);

}  // namespace sorvak::test
