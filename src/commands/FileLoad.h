#pragma once

#include <optional>
#include <string>

#include "formats/FileKind.h"

namespace sorvak {

class CSorvakDoc;
class LogSource;
class Ui;

// The refusals of FileLoad, each followed by the file's path.
inline constexpr const char* kUnreadableFile = "ﾌｧｲﾙを読み込めませんでした。\n";
inline constexpr const char* kUnreadableFormat = "このﾌｧｲﾙの形式は読み込めません。\n";
inline constexpr const char* kNothingToLoad = "このﾌｧｲﾙから読み込めるQSOﾃﾞｰﾀがありません。\n";

// What a load came to: the kind the file was found to be, and whether it
// was taken into the document. A file not taken left the log the user had
// as it was: its QSOs, header, title and modified flag.
struct LoadResult {
    FileKind kind;
    bool taken;
};

// The load dispatcher of every way in: asks before a load replaces a log,
// detects the format, runs the reader, and only when the whole file was read
// and gave a log clears and titles the document (load) and takes what was
// read; then tells how many QSOs have no time and sets the modified flag. It
// does not refresh the view. A file of a kind without a reader, one whose
// reading failed part way and a text log without a QSO are refused (the
// user is told why, except for a file of comment lines only).
// Nothing when the user refused or the file cannot be opened.
std::optional<LoadResult> FileLoad(CSorvakDoc& doc, Ui& ui, const std::string& path, LoadMode mode);
// The same over a source already open at its first byte, named by its path.
std::optional<LoadResult> FileLoad(CSorvakDoc& doc, Ui& ui, LogSource& source, LoadMode mode);

}  // namespace sorvak
