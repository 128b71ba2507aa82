#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/QsoRecord.h"

namespace sorvak {

class CSorvakDoc;

// QSOs on the clipboard: as text, one line per QSO with the columns of the
// list separated by tabs (UTF-8), for a spreadsheet or a mail; and whole, in
// the program's own type, so that a paste into the program loses nothing.

inline constexpr const char* kQsoMimeType = "application/x-sorvak-qso-list";

std::string clipboardText(const CSorvakDoc& doc, const std::vector<size_t>& rows);
std::string clipboardRecords(const CSorvakDoc& doc, const std::vector<size_t>& rows);

using PastedQsos = std::vector<std::unique_ptr<QsoRecord>>;

// The QSOs of the program's own type; nothing for other bytes.
std::optional<PastedQsos> qsosFromRecords(std::string_view bytes);

// The QSOs of text lines in the copy layout, their dates taken in `year`
// (the lines name only month and day); blank lines are passed over. When a
// line is not in that layout: nothing, and its number (from 1) in `badLine`.
std::optional<PastedQsos> qsosFromText(std::string_view utf8, int year, size_t& badLine);

// The year text lines pasted before `row` are taken in: that of the nearest
// QSO with a date before the row, else after it, else `fallback`.
int pasteYear(const CSorvakDoc& doc, size_t row, int fallback);

}  // namespace sorvak
