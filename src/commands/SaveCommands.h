#pragma once

#include <optional>
#include <string>

#include "formats/FileKind.h"

namespace sorvak {

class CSorvakDoc;
class Ui;
struct CabrilloHeader;

// "上書き保存(&S)": writes the log over the file it came from.
void OnFileSave(CSorvakDoc& doc, Ui& ui);
// "名前を付けて保存(&A)...": writes the log under a chosen name, which becomes the title.
void OnFileSaveAs(CSorvakDoc& doc, Ui& ui);
// Asked before a close, new or open; true when that may go on.
bool saveModified(CSorvakDoc& doc, Ui& ui);
// One export menu item: asks for a file and writes the log in `kind`'s
// format; true when a file was written. The modified flag is cleared only
// when that file is the log's own (the title's) in its own format.
bool exportLog(CSorvakDoc& doc, Ui& ui, FileKind kind);
// "Cabrilloフォーマットファイル(&C)": the header dialog, then the export.
void OnExportCabrillo(CSorvakDoc& doc, Ui& ui);
// Before a Cabrillo header with values that are not ASCII is written: asks
// whether to write it all the same; true when it may be written.
bool acceptCabrilloHeader(const CabrilloHeader& header, int version, Ui& ui);
// "JARL電子ログ(&J)...": the JARL electronic log dialog, then the export.
void OnExportJarl(CSorvakDoc& doc, Ui& ui);

// The last step of every save and export: writes the log in `kind`'s format
// over `path` without ever leaving it half-written (after telling what the
// user should know first, see writeCaution) and tells the user when that
// failed; true when it succeeded. The modified flag is the caller's.
bool writeLogTo(CSorvakDoc& doc, Ui& ui, FileKind kind, const std::string& path);

// The format Save writes over the title: that of the file the log was read
// from or last saved as, when Save writes that format, else nothing (a
// Cabrillo or N1MM file, say); by the title's ending when the file's format
// is not known.
std::optional<FileKind> savableKindOfTitle(const CSorvakDoc& doc);

}  // namespace sorvak
