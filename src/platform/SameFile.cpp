#include "platform/SameFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace sorvak {
namespace {

bool sameInode(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::string normalised(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool isSameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return false;
    }
    if (sameInode(a, b)) {
        return true;
    }
    std::string x = normalised(a);
    std::string y = normalised(b);
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [](char p, char q) { return upper(p) == upper(q); });
}

}  // namespace sorvak
