#pragma once

#include <functional>

namespace sorvak::test {

// Runs `checks` in a child process whose files may not grow beyond
// `limitBytes`, as on a full disk (the signal of an over-long write is
// ignored, so writes fail as they do then); true when the child's checks held.
bool holdsOnAFullDisk(long limitBytes, const std::function<bool()>& checks);

}  // namespace sorvak::test
