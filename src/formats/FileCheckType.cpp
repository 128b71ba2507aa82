#include "formats/FileCheckType.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/AdifDetection.h"
#include "formats/BinaryLayout.h"
#include "formats/LogSource.h"
#include "formats/N1mmColumns.h"
#include "model/CSorvakDoc.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool looksLikeBinaryHeader(const RawRecord& bytes) {
    using namespace binary;
    uint8_t unused = bytes[kUnusedBeforeTimeZone];
    uint8_t zone = bytes[kTimeZone];
    bool zoneBytesAgree = (unused == 0x00 && zone == 0x00) || (unused == 0xFF && zone == 0xFF);
    uint8_t callLength = bytes[kCallSign];
    uint8_t first = bytes[kCallSign + 1];
    return zoneBytesAgree && callLength <= kCallSignCap && first >= '0' && first <= 'z';
}

bool nameEndsInQgb(const std::string& path) {
    std::string_view name = path;
    if (auto slash = name.find_last_of('/'); slash != std::string_view::npos) {
        name.remove_prefix(slash + 1);
    }
    if (name.size() < 4 || name[name.size() - 4] != '.') {
        return false;
    }
    std::string ext(name.substr(name.size() - 3));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return ext == "QGB";
}

bool hasN1mmCreatedBy(LogSource& source) {
    source.rewind();
    std::string line;
    while (source.readRawLine(line)) {
        if (startsWith(line, "CREATED-BY: N1MM Logger ")) {
            return true;
        }
    }
    return false;
}

// The column heading of the N1MM Logger generic files written today.
bool hasN1mmColumnHeading(LogSource& source) {
    source.rewind();
    std::string line;
    while (source.readLine(line)) {
        if (N1mmColumns::of(line)) {
            return true;
        }
    }
    return false;
}

}  // namespace

FileKind FileCheckType(LogSource& source, Ui& ui) {
    RawRecord bytes{};
    size_t got = source.read(bytes.data(), bytes.size());
    // A file that could not be read is reported by the load, not taken for
    // a short one.
    if (source.failed()) {
        return KIND_UNKNOWN;
    }
    if (got < 4) {
        ui.tell("ﾌｧｲﾙが短すぎます。");
        return KIND_UNKNOWN;
    }
    if (got == bytes.size() && looksLikeBinaryHeader(bytes)) {
        return KIND_QGB;
    }

    source.rewind();
    std::string line;
    source.readRawLine(line);
    if (startsWith(line, "Quog for Windows")) {
        return KIND_ALL;
    }
    if (startsWith(line, "mon ")) {
        return KIND_DOS_TXT;
    }
    if (std::count(line.begin(), line.end(), ',') >= 10) {
        return KIND_HAMLOG_OLD;
    }
    while (startsWith(line, ";")) {
        if (!source.readRawLine(line)) {
            return KIND_UNKNOWN;
        }
    }
    if (startsWith(line, "START-OF-LOG:")) {
        return KIND_CABRILLO;
    }
    if (startsWith(line, "CCC TXT file")) {
        return KIND_CCC;
    }
    if (nameEndsInQgb(source.path())) {
        ui.tell("一応Quogバイナリファイルとして読み込みます。");
        return KIND_QGB;
    }
    if (hasN1mmCreatedBy(source)) {
        return KIND_N1MM;
    }
    if (FileKind adif = adifKindOf(source); adif != KIND_UNKNOWN) {
        return adif;
    }
    if (hasN1mmColumnHeading(source)) {
        return KIND_N1MM;
    }
    if (!source.failed()) {
        ui.tell("ファイルの形式が不明です。");
    }
    return KIND_UNKNOWN;
}

}  // namespace sorvak
