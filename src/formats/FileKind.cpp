#include "formats/FileKind.h"

#include <array>

namespace sorvak {
namespace {

struct KindEntry {
    const char* extension;
    const char* label;
};

constexpr std::array<KindEntry, 16> kKinds = {{
    {"*", "すべてのﾌｧｲﾙ"},
    {"QGB", "Quog for Windows ﾊﾞｲﾅﾘﾌｧｲﾙ"},
    {"ALL", "Quog for Windows ﾃｷｽﾄﾌｧｲﾙ"},
    {"TXT", "Quog for DOS ﾃｷｽﾄﾌｧｲﾙ"},
    {"*", "Quog関連のﾌｧｲﾙ"},
    {"CBR", "Cabrilloﾌｫｰﾏｯﾄﾌｧｲﾙ"},
    {"SPC", "Quogｽｰﾊﾟｰﾁｪｯｸ用ﾌｧｲﾙ"},
    {"TXT", "Turbo HAMLOG用 CSVﾌｧｲﾙ"},
    {"TXT", "Turbo HAMLOG用 CSVﾌｧｲﾙ"},
    {"TXT", "Turbo HAMLOG用 CSVﾌｧｲﾙ"},
    {"CSV", "ログ太郎のパパv8用 CSVﾌｧｲﾙ"},
    {"", ""},
    {"", ""},
    {"", ""},
    {"", ""},
    {"TXT", "JARL電子ログ"},
}};

}  // namespace

const char* fileKindExtension(int kind) {
    return kind >= 0 && kind < static_cast<int>(kKinds.size()) ? kKinds[kind].extension : "";
}

const char* fileKindLabel(int kind) {
    return kind >= 0 && kind < static_cast<int>(kKinds.size()) ? kKinds[kind].label : "";
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
    for (int kind : {KIND_QGB, KIND_ALL, KIND_DOS_TXT, KIND_UNKNOWN}) {
        std::string ext = fileKindExtension(kind);
        filter += std::string(fileKindLabel(kind)) + " (*." + ext + ")|*." + ext + "|";
    }
    return filter + "|";
}

}  // namespace sorvak
