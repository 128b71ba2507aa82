#include "reports/ResolveCountry.h"

namespace sorvak {
namespace {

// The part from `start` up to the next '/' or the end.
std::string_view partAt(std::string_view call, size_t start) {
    size_t slash = call.find('/', start);
    return call.substr(start, slash == std::string_view::npos ? slash : slash - start);
}

bool isPortableMark(std::string_view part) {
    return part.size() == 1 || part == "QRP";
}

}  // namespace

std::string_view prefixPartOf(std::string_view call) {
    size_t firstSlash = call.find('/');
    if (firstSlash == std::string_view::npos) {
        return call;
    }
    std::string_view first = call.substr(0, firstSlash);
    std::string_view second = partAt(call, firstSlash + 1);
    if (isPortableMark(second)) {
        return call;
    }
    size_t secondSlash = call.find('/', firstSlash + 1);
    std::string_view fromSecond = call.substr(firstSlash + 1);
    if (secondSlash == std::string_view::npos) {
        return first.size() > second.size() ? fromSecond : call;
    }
    std::string_view third = partAt(call, secondSlash + 1);
    if (isPortableMark(third)) {
        return second.size() < first.size() ? fromSecond : call;
    }
    if (third.size() < first.size() && third.size() < second.size()) {
        return call.substr(secondSlash + 1);
    }
    return fromSecond;
}

const CountryPrefixEntry* resolveCountry(const CountryTable& table, std::string_view callSign) {
    return table.longestPrefixOf(prefixPartOf(callSign));
}

}  // namespace sorvak
