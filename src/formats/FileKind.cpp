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
// before anything is written), with the score its dialog showed.
std::string jarlLog(const CSorvakDoc& doc, std::string& /*note*/) {
    return writeJarlLog(doc, doc.jarlLogHeader().totalScore).value_or(std::string());
}

constexpr const char* kHamlogLabel = "Turbo HAMLOG用 CSVﾌｧｲﾙ";
constexpr const char* kRecalculate =
    "保存されたログファイルは更新されています。\n整合のためにQuogで再計算する必要があります。";

// clang-format off
const std::array<FileFormat, 16> kFormats = {{
    // kind           label                         ext    reader         writer                    --to          named  savable open           suffix   refusal         caution                  note
    {KIND_UNKNOWN,    "すべてのﾌｧｲﾙ",               "*",   nullptr,       nullptr,                  "",           "",    false,  "",            "",      nullptr,        nullptr,                 ""},
    {KIND_QGB,        "Quog for Windows ﾊﾞｲﾅﾘﾌｧｲﾙ", "QGB", readBinaryLog, writeBinaryLogFile,        "qgb",        "QGB", true,   "*.QGB",       "",      nullptr,        nullptr,                 kRecalculate},
    {KIND_ALL,        "Quog for Windows ﾃｷｽﾄﾌｧｲﾙ",  "ALL", readAllLog,    whole<writeAllLog>,       "all",        "ALL", true,   "*.ALL",       "",      nullptr,        nullptr,                 ""},
    {KIND_DOS_TXT,    "Quog for DOS ﾃｷｽﾄﾌｧｲﾙ",      "TXT", readDosLog,    whole<writeDosLog>,       "txt",        "TXT", true,   "*.TXT",       "",      nullptr,        nullptr,                 ""},
    {KIND_QUOG_FILES, "Quog関連のﾌｧｲﾙ",             "*",   nullptr,       nullptr,                  "",           "",    false,  "",            "",      nullptr,        nullptr,                 ""},
    {KIND_CABRILLO,   "Cabrilloﾌｫｰﾏｯﾄﾌｧｲﾙ",         "CBR", readCabrillo,  whole<writeCabrillo>,     "cbr",        "CBR", false,  "*.LOG;*.CBR", "",      nullptr,        cabrilloIncompleteLines, ""},
    {KIND_SUPERCHECK, "Quogｽｰﾊﾟｰﾁｪｯｸ用ﾌｧｲﾙ",        "SPC", nullptr,       whole<writeSupercheck>,   "spc",        "SPC", false,  "",            "",      nullptr,        nullptr,                 ""},
    {KIND_HAMLOG_OLD, kHamlogLabel,                 "TXT", nullptr,       whole<writeHamlogCsvOld>, "hamlog-old", "",    false,  "",            "",      nullptr,        nullptr,                 ""},
    {KIND_HAMLOG_445, kHamlogLabel,                 "TXT", nullptr,       whole<writeHamlogCsv445>, "hamlog445",  "",    false,  "",            "",      nullptr,        nullptr,                 ""},
    {KIND_HAMLOG_500, kHamlogLabel,                 "TXT", nullptr,       whole<writeHamlogCsv500>, "hamlog500",  "",    false,  "",            "",      nullptr,        nullptr,                 ""},
    {KIND_LOGTARO,    "ログ太郎のパパv8用 CSVﾌｧｲﾙ", "CSV", nullptr,       whole<writeLogTaroCsv>,   "logtaro",    "CSV", false,  "",            "",      nullptr,        nullptr,                 ""},
    {KIND_N1MM,       "N1MM File",                  "",    readN1mmLog,   nullptr,                  "",           "",    false,  "*.TXT",       "",      nullptr,        nullptr,                 ""},
    {KIND_CCC,        "",                           "",    readCccLog,    nullptr,                  "",           "",    false,  "",            "",      nullptr,        nullptr,                 ""},
    {KIND_ADI,        "ADIFﾌｧｲﾙ",                   "ADI", readAdif,      writeAdiFile,             "adi",        "ADI", false,  "*.ADI;*.ADX", "",      nullptr,        nullptr,                 ""},
    {KIND_ADX,        "ADIF XMLﾌｧｲﾙ",               "ADX", readAdif,      writeAdxFile,             "adx",        "ADX", false,  "",            "",      nullptr,        nullptr,                 ""},
    {KIND_JARL,       "JARL電子ログ",               "TXT", nullptr,       jarlLog,                  "jarl",       "",    false,  "",            "_JARL", jarlLogRefusal, nullptr,                 ""},
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

std::string logOpenFilter() {
    std::string patterns;
    for (const FileFormat& format : kFormats) {
        if (format.savable) {
            patterns += std::string(patterns.empty() ? "" : ";") + format.openPatterns;
        }
    }
    std::string filter =
        std::string(fileKindLabel(KIND_QUOG_FILES)) + " (" + patterns + ")|" + patterns + "|";
    // The logs of other programs by their usual names; what a file holds is
    // still told by its content.
    for (const FileFormat& format : kFormats) {
        if (*format.openPatterns != '\0') {
            filter += std::string(format.label) + " (" + format.openPatterns + ")|" +
                      format.openPatterns + "|";
        }
    }
    return filter + kindFilterEntry(KIND_UNKNOWN) + "|";
}

std::string saveAsFilter() {
    std::string filter = kindFilterEntry(KIND_UNKNOWN);
    for (const FileFormat& format : kFormats) {
        if (format.savable) {
            filter += kindFilterEntry(format.kind);
        }
    }
    return filter + "|";
}

}  // namespace sorvak
