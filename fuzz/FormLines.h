#pragma once

#include <string>
#include <string_view>

namespace sorvak::fuzz {

// The fuzzer's input as the texts typed into a dialog's fields, one a line;
// past the last line every field is left empty. No field can be given a NUL
// character, so those are left out.
class FormLines {
  public:
    explicit FormLines(std::string_view input) : rest_(input) {}

    std::string next() {
        size_t end = std::min(rest_.find('\n'), rest_.size());
        std::string line(rest_.substr(0, end));
        rest_.remove_prefix(std::min(end + 1, rest_.size()));
        std::erase(line, '\0');
        return line;
    }
    // A check box: ticked when its line begins with '1'.
    bool nextBox() { return next().starts_with('1'); }
    std::string_view rest() const { return rest_; }

  private:
    std::string_view rest_;
};

}  // namespace sorvak::fuzz
