// make_fuzz_seeds TARGET DIR: writes the seed corpus of one fuzz target.
#include <cstdio>
#include <string>

#include "FuzzSupport.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_fuzz_seeds TARGET DIR\n");
        return 2;
    }
    auto& makers = sorvak::fuzz::seedMakers();
    auto it = makers.find(argv[1]);
    if (it == makers.end()) {
        return 0;  // a target without seeds starts from nothing
    }
    int n = 0;
    for (const auto& seed : it->second()) {
        std::string path = std::string(argv[2]) + "/seed-" + std::to_string(n++);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) {
            return 1;
        }
        std::fwrite(seed.data(), 1, seed.size(), file);
        std::fclose(file);
    }
    return 0;
}
