#include "formats/FileKind.h"

#include <algorithm>
#include <array>

#include "formats/AdifReader.h"
#include "formats/AdifWriter.h"
#include "formats/AllLog.h"
#include "formats/BinaryLog.h"
#include "formats/CabrilloWriter.h"
#include "formats/DosLog.h"
#include "formats/HamlogCsvWriter.h"
#include "formats/JarlLogWriter.h"
#include "formats/LogTaroCsvWriter.h"
#include "formats/Readers.h"
#include "formats/SupercheckWriter.h"

namespace sorvak {
namespace {

// A writer that always carries every value of the log.
template <std::string (*write)(const CSorvakDoc&)>
std::string whole(const CSorvakDoc& doc, std::string& /*note*/) {
    return write(doc);
}

// The JARL log of a log that passes its refusal check (writeLogTo makes it
// before anything is written).
std::string jarlLog(const CSorvakDoc& doc, std::string& /*note*/) {
    return writeJarlLog(doc).value_or(std::string());
}

constexpr const char* kHamlogLabel = "Turbo HAMLOG用 CSVﾌｧｲﾙ";

// clang-format off
const std::array<FileFormat, 16> kFormats = {{
    // kind           label                         ext    reader         writer                    --to          named  savable
    {KIND_UNKNOWN,    "すべてのﾌｧｲﾙ",               "*",   nullptr,       nullptr,                  "",           "",    false},
    {KIND_QGB,        "Quog for Windows ﾊﾞｲﾅﾘﾌｧｲﾙ", "QGB", readBinaryLog, writeBinaryLogFile,        "qgb",        "QGB", true},
    {KIND_ALL,        "Quog for Windows ﾃｷｽﾄﾌｧｲﾙ",  "ALL", readAllLog,    whole<writeAllLog>,       "all",        "ALL", true},
    {KIND_DOS_TXT,    "Quog for DOS ﾃｷｽﾄﾌｧｲﾙ",      "TXT", readDosLog,    whole<writeDosLog>,       "txt",        "TXT", true},
    {KIND_QUOG_FILES, "Quog関連のﾌｧｲﾙ",             "*",   nullptr,       nullptr,                  "",           "",    false},
    {KIND_CABRILLO,   "Cabrilloﾌｫｰﾏｯﾄﾌｧｲﾙ",         "CBR", readCabrillo,  whole<writeCabrillo>,     "cbr",        "CBR", false},
    {KIND_SUPERCHECK, "Quogｽｰﾊﾟｰﾁｪｯｸ用ﾌｧｲﾙ",        "SPC", nullptr,       whole<writeSupercheck>,   "spc",        "SPC", false},
    {KIND_HAMLOG_OLD, kHamlogLabel,                 "TXT", nullptr,       whole<writeHamlogCsvOld>, "hamlog-old", "",    false},
    {KIND_HAMLOG_445, kHamlogLabel,                 "TXT", nullptr,       whole<writeHamlogCsv445>, "hamlog445",  "",    false},
    {KIND_HAMLOG_500, kHamlogLabel,                 "TXT", nullptr,       whole<writeHamlogCsv500>, "hamlog500",  "",    false},
    {KIND_LOGTARO,    "ログ太郎のパパv8用 CSVﾌｧｲﾙ", "CSV", nullptr,       whole<writeLogTaroCsv>,   "logtaro",    "CSV", false},
    {KIND_N1MM,       "",                           "",    readN1mmLog,   nullptr,                  "",           "",    false},
    {KIND_CCC,        "",                           "",    readCccLog,    nullptr,                  "",           "",    false},
    {KIND_ADI,        "ADIFﾌｧｲﾙ",                   "ADI", readAdif,      writeAdiFile,             "adi",        "ADI", false},
    {KIND_ADX,        "ADIF XMLﾌｧｲﾙ",               "ADX", readAdif,      writeAdxFile,             "adx",        "ADX", false},
    {KIND_JARL,       "JARL電子ログ",               "TXT", nullptr,       jarlLog,                  "jarl",       "",    false},
}};
// clang-format on

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace

std::span<const FileFormat> fileFormats() {
    return kFormats;
}

const FileFormat& fileFormat(int kind) {
    return kind >= 0 && kind < static_cast<int>(kFormats.size()) ? kFormats[kind] : kFormats[0];
}

const char* fileKindExtension(int kind) {
    return kind >= 0 && kind < static_cast<int>(kFormats.size()) ? kFormats[kind].extension : "";
}

const char* fileKindLabel(int kind) {
    return kind >= 0 && kind < static_cast<int>(kFormats.size()) ? kFormats[kind].label : "";
}

bool hasReader(int kind) {
    return fileFormat(kind).reader != nullptr;
}

std::optional<FileKind> kindNamedBy(const std::string& path) {
    size_t slash = path.find_last_of('/');
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return std::nullopt;
    }
    std::string_view ext = std::string_view(path).substr(dot + 1);
    for (const FileFormat& format : kFormats) {
        if (*format.namedBy != '\0' && equalIgnoringCase(ext, format.namedBy)) {
            return format.kind;
        }
    }
    return std::nullopt;
}

std::optional<FileKind> savableKindOfEnding(const std::string& path) {
    if (path.find('.') == std::string::npos || path.size() < 3) {
        return std::nullopt;
    }
    std::string_view ending = std::string_view(path).substr(path.size() - 3);
    for (const FileFormat& format : kFormats) {
        if (format.savable && equalIgnoringCase(ending, format.extension)) {
            return format.kind;
        }
    }
    return std::nullopt;
}

std::optional<FileKind> kindOfCliName(std::string_view name) {
    for (const FileFormat& format : kFormats) {
        if (*format.cliName != '\0' && name == format.cliName) {
            return format.kind;
        }
    }
    return std::nullopt;
}

std::string kindFilterEntry(int kind) {
    std::string ext = fileKindExtension(kind);
    return std::string(fileKindLabel(kind)) + " (*." + ext + ")|*." + ext + "|";
}

const char* fileKindNameSuffix(int kind) {
    return kind == KIND_JARL ? "_JARL" : "";
}

std::string logOpenFilter() {
    std::string patterns;
    for (int kind = KIND_QGB; kind <= KIND_DOS_TXT; ++kind) {
        if (!patterns.empty()) {
            patterns += ';';
        }
        patterns += std::string("*.") + fileKindExtension(kind);
    }
    std::string filter =
        std::string(fileKindLabel(KIND_QUOG_FILES)) + " (" + patterns + ")|" + patterns + "|";
    for (int kind : {KIND_QGB, KIND_ALL, KIND_DOS_TXT}) {
        filter += kindFilterEntry(kind);
    }
    // The logs of other programs by their usual names; what a file holds is
    // still told by its content.
    filter += std::string(fileKindLabel(KIND_CABRILLO)) + " (*.LOG;*.CBR)|*.LOG;*.CBR|";
    filter += "N1MM File (*.TXT)|*.TXT|";
    filter += std::string(fileKindLabel(KIND_ADI)) + " (*.ADI;*.ADX)|*.ADI;*.ADX|";
    return filter + kindFilterEntry(KIND_UNKNOWN) + "|";
}

}  // namespace sorvak
