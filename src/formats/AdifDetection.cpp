#include "formats/AdifDetection.h"

#include <optional>
#include <string>

#include "formats/AdiTag.h"
#include "formats/AdifVocabulary.h"
#include "formats/LogSource.h"

namespace sorvak {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

size_t skipBlanks(std::string_view text, size_t at) {
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    return at;
}

// Skips the XML declaration, processing instructions, comments and the
// document type in front of the root element; npos when one is not closed.
size_t skipXmlProlog(std::string_view text) {
    size_t at = skipBlanks(text, 0);
    for (;;) {
        std::string_view rest = text.substr(at);
        size_t close = std::string_view::npos;
        if (rest.starts_with("<?")) {
            close = text.find("?>", at + 2);
            close = close == std::string_view::npos ? close : close + 2;
        } else if (rest.starts_with("<!--")) {
            close = text.find("-->", at + 4);
            close = close == std::string_view::npos ? close : close + 3;
        } else if (rest.starts_with("<!")) {
            close = text.find('>', at + 2);
            close = close == std::string_view::npos ? close : close + 1;
        } else {
            return at;
        }
        if (close == std::string_view::npos) {
            return close;
        }
        at = skipBlanks(text, close);
    }
}

bool holdsEoh(std::string_view text) {
    for (size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
        if (upperAscii(text.substr(at, 5)) == "<EOH>") {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string_view withoutByteOrderMark(std::string_view text) {
    return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}

bool isAdxText(std::string_view head) {
    head = withoutByteOrderMark(head);
    size_t root = skipXmlProlog(head);
    if (root == std::string_view::npos || upperAscii(head.substr(root, 4)) != "<ADX" ||
        root + 4 >= head.size()) {
        return false;
    }
    char after = head[root + 4];
    return isBlank(after) || after == '>' || after == '/';
}

FileKind adifKindOfText(std::string_view head) {
    if (isAdxText(head)) {
        return KIND_ADX;
    }
    head = withoutByteOrderMark(head);
    size_t first = head.find('<');
    std::optional<AdiTag> tag =
        first != std::string_view::npos ? parseAdiTag(head, first) : std::nullopt;
    bool dataTag = tag && tag->length;
    if (dataTag) {
        return KIND_ADI;
    }
    bool eohTag = tag && upperAscii(tag->name) == "EOH";
    if (first == skipBlanks(head, 0) && !eohTag) {
        return KIND_UNKNOWN;  // a file of other tags
    }
    return holdsEoh(head) ? KIND_ADI : KIND_UNKNOWN;
}

FileKind adifKindOf(LogSource& source) {
    source.rewind();
    std::string head(kAdifDetectionBytes, '\0');
    head.resize(source.read(head.data(), head.size()));
    return adifKindOfText(head);
}

}  // namespace sorvak
