#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "reports/StringIndex.h"

namespace sorvak {

// Where Debian's hamradio-files package installs the master call list.
inline constexpr const char* kInstalledMasterCalls = "/usr/share/hamradio-files/MASTER.SCP";

// The calls of a master call list: one call a line, lines starting with '#'
// are comments, blanks around a call are ignored.
class MasterCallList {
  public:
    explicit MasterCallList(std::string_view text);

    // The list in the file at `path`; nothing when it cannot be read.
    static std::optional<MasterCallList> read(const std::string& path);

    bool contains(std::string_view call) const { return calls_.find(call) != calls_.end(); }
    size_t size() const { return calls_.size(); }

  private:
    std::unordered_set<std::string, TextHash, std::equal_to<>> calls_;
};

}  // namespace sorvak
