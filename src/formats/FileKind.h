#pragma once

#include <string>

namespace sorvak {

// Codes of the load and save dispatchers.
enum FileKind : int {
    KIND_UNKNOWN = 0,  // all files; also the detection result for an unknown format
    KIND_QGB = 1,
    KIND_ALL = 2,
    KIND_DOS_TXT = 3,
    KIND_QUOG_FILES = 4,  // label of the combined open filter only
    KIND_CABRILLO = 5,
    KIND_SUPERCHECK = 6,
    KIND_HAMLOG_OLD = 7,
    KIND_HAMLOG_445 = 8,
    KIND_HAMLOG_500 = 9,
    KIND_LOGTARO = 10,
    KIND_N1MM = 11,
    KIND_CCC = 12,
    KIND_JARL = 15,
};

enum class LoadMode { Load = 0, Append = 1, Merge = 2 };

// The file-dialog extension ("QGB", "*" ...) and label of a kind (UTF-8);
// empty for the kinds without a dialog entry.
const char* fileKindExtension(int kind);
const char* fileKindLabel(int kind);
// What an export of the kind adds to the log's name before the extension, so
// that its proposed name is never the open log's own file: "_JARL" for the
// JARL electronic log, empty for the others.
const char* fileKindNameSuffix(int kind);

// The filter of the open, append and merge dialogs.
std::string logOpenFilter();

}  // namespace sorvak
