#pragma once

#include <string>

namespace sorvak {

// True when two paths name the same file: the same device and inode when
// both exist (so a symbolic or hard link is its target), or equal absolute
// paths, with "." and ".." resolved, when letter case is ignored.
bool isSameFile(const std::string& a, const std::string& b);

}  // namespace sorvak
