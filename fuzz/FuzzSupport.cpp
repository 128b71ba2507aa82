#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>

namespace sorvak::fuzz {

std::string writeInput(const uint8_t* data, size_t size, const std::string& extension) {
    std::string path = "/tmp/sorvak-fuzz-" + std::to_string(getpid()) + "." + extension;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file != nullptr) {
        if (size > 0) {
            std::fwrite(data, 1, size, file);
        }
        std::fclose(file);
    }
    return path;
}

Answer AgreeingUi::ask(const Message& message) {
    switch (message.buttons) {
        case Buttons::Ok:
        case Buttons::OkCancel:
            return Answer::Ok;
        default:
            return Answer::Yes;
    }
}

std::map<std::string, SeedMaker>& seedMakers() {
    static std::map<std::string, SeedMaker> makers;
    return makers;
}

SeedRegistration::SeedRegistration(const std::string& target, SeedMaker maker) {
    seedMakers()[target] = std::move(maker);
}

}  // namespace sorvak::fuzz
