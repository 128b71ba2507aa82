#include "reports/MasterCallList.h"

#include "platform/FileBytes.h"
#include "reports/TextLines.h"

namespace sorvak {

MasterCallList::MasterCallList(std::string_view text) {
    calls_.reserve(text.size() / 7);
    TextLines lines(text);
    std::string_view line;
    while (lines.next(line)) {
        std::string_view call = trimBlanks(line);
        if (!call.empty() && call.front() != '#') {
            calls_.emplace(call);
        }
    }
}

std::optional<MasterCallList> MasterCallList::read(const std::string& path) {
    std::optional<std::string> text = readFileBytes(path);
    if (!text) {
        return std::nullopt;
    }
    return MasterCallList(*text);
}

}  // namespace sorvak
