#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

namespace sorvak::fuzz {
namespace {

// Bytes outside printable ASCII as \xNN, so that a difference shows.
std::string printable(const std::string& text) {
    std::string out;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out;
}

}  // namespace

Answer AgreeingUi::ask(const Message& message) {
    switch (message.buttons) {
        case Buttons::Ok:
        case Buttons::OkCancel:
            return Answer::Ok;
        default:
            return Answer::Yes;
    }
}

void propertyFailed(const std::string& what, const std::string& expected, const std::string& got) {
    std::fprintf(stderr, "\n%s\n  expected: %s\n  got:      %s\n", what.c_str(),
                 printable(expected).c_str(), printable(got).c_str());
    std::abort();
}

void expectSame(const std::string& what, const std::string& expected, const std::string& got) {
    if (expected != got) {
        propertyFailed(what, expected, got);
    }
}

std::map<std::string, SeedMaker>& seedMakers() {
    static std::map<std::string, SeedMaker> makers;
    return makers;
}

SeedRegistration::SeedRegistration(const std::string& target, SeedMaker maker) {
    seedMakers()[target] = std::move(maker);
}

std::vector<std::string> everyReadersSeeds() {
    std::vector<std::string> seeds;
    for (const char* reader :
         {"binary_log", "all_log", "dos_log", "cabrillo", "n1mm", "ccc", "adi", "adx"}) {
        for (std::string& seed : seedMakers().at(reader)()) {
            seeds.push_back(std::move(seed));
        }
    }
    return seeds;
}

}  // namespace sorvak::fuzz
