#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sorvak {

class CSorvakDoc;
class LoadContext;

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
    KIND_ADI = 13,
    KIND_ADX = 14,
    KIND_JARL = 15,
};

enum class LoadMode { Load = 0, Append = 1, Merge = 2 };

// Everything the program knows of one kind of file. Every place that reads,
// writes, names or filters a format asks this table, so a new format is one
// more row.
struct FileFormat {
    FileKind kind;
    const char* label;             // file-dialog label (UTF-8); "" for none
    const char* extension;         // file-dialog extension ("QGB", "*"); "" for none
    void (*reader)(LoadContext&);  // nullptr: the kind is never read
    // nullptr: the kind is never written. A writer that cannot carry every
    // value puts the message for the user into its second argument.
    std::string (*writer)(const CSorvakDoc&, std::string& note);
    const char* cliName;  // `sorvak-cli convert --to` name; "" for none
    // The extension that selects this kind for a file written by its name
    // (convert's OUT, the name a save dialog proposes); "" for none. Several
    // kinds share the dialog extension TXT, so this is a column of its own.
    const char* namedBy;
    // Save, Save As and the close question write this kind over a title
    // ending in its extension; the open dialogs list these kinds together.
    bool savable;
    // The patterns the open, append and merge dialogs list the kind under
    // ("*.LOG;*.CBR"); "" for a kind they do not list.
    const char* openPatterns;
    // What an export of the kind adds to the log's name before the
    // extension, so that its proposed name is never the open log's own file.
    const char* nameSuffix;
    // Why the writer cannot write this log (UTF-8), or nothing when it can;
    // nullptr for a writer that takes every log. Only a writer whose lines
    // must stay readable by another program refuses.
    std::optional<std::string> (*refusal)(const CSorvakDoc&);
    // What the user should know before this log is written (UTF-8), or
    // nothing; the file is written all the same. nullptr for none.
    std::optional<std::string> (*caution)(const CSorvakDoc&);
    // What the user is told after a log with unsaved edits was written in
    // this kind; "" for nothing.
    const char* modifiedNote;
};

// Every kind, by code.
std::span<const FileFormat> fileFormats();
// The row of a kind; the row of KIND_UNKNOWN for a code outside the table.
const FileFormat& fileFormat(int kind);

// The file-dialog extension ("QGB", "*" ...) and label of a kind (UTF-8);
// empty for the kinds without a dialog entry.
const char* fileKindExtension(int kind);
const char* fileKindLabel(int kind);
bool hasReader(int kind);

// The kind whose `namedBy` extension the file name of `path` has, compared
// without letter case.
std::optional<FileKind> kindNamedBy(const std::string& path);
// The savable kind named by the last three characters of `path` (without
// letter case); nothing when `path` has no '.'.
std::optional<FileKind> savableKindOfEnding(const std::string& path);
// The kind of a `--to` name.
std::optional<FileKind> kindOfCliName(std::string_view name);

// The filter of the open, append and merge dialogs.
std::string logOpenFilter();
// The filter of the save-as dialog: the kinds Save writes.
std::string saveAsFilter();
// "label (*.EXT)|*.EXT|" of one kind, the piece every save filter is made of.
std::string kindFilterEntry(int kind);

}  // namespace sorvak
