#pragma once

#include <optional>
#include <string>

#include "formats/FileKind.h"

namespace sorvak {

class CSorvakDoc;
class Ui;

// The refusals of FileLoad, each followed by the file's path.
inline constexpr const char* kUnreadableFile = "ﾌｧｲﾙを読み込めませんでした。\n";
inline constexpr const char* kUnreadableFormat = "このﾌｧｲﾙの形式は読み込めません。\n";

// The load dispatcher of every way in: asks before a load replaces a log,
// detects the format, clears and titles the document (load), runs the
// reader and sets the modified flag. It does not refresh the view. A file of
// a kind without a reader changes nothing in the document.
// Returns the detected kind, or nothing when the user refused or the file
// cannot be opened; KIND_UNKNOWN, with the log untouched, for an ADIF file
// that gave no QSO.
std::optional<FileKind> FileLoad(CSorvakDoc& doc, Ui& ui, const std::string& path, LoadMode mode);

}  // namespace sorvak
