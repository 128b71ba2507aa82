#include "formats/QtcNote.h"

#include <charconv>

namespace sorvak {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads a text the way the scanf pattern of the note does.
class NoteScanner {
  public:
    explicit NoteScanner(std::string_view text) : rest_(text) {}

    bool literal(std::string_view expected) {
        if (rest_.substr(0, expected.size()) != expected) {
            return false;
        }
        rest_.remove_prefix(expected.size());
        return true;
    }

    // A blank in the pattern matches any run of blanks, none included.
    void blanks() {
        while (!rest_.empty() && isBlank(rest_.front())) {
            rest_.remove_prefix(1);
        }
    }

    bool number(int& value, size_t width = std::string_view::npos) {
        blanks();
        std::string_view field = rest_.substr(0, width);
        size_t start = !field.empty() && (field[0] == '+' || field[0] == '-') ? 1 : 0;
        const char* first = field.data() + start;
        auto [end, error] = std::from_chars(first, field.data() + field.size(), value);
        if (error != std::errc() || end == first) {
            return false;
        }
        if (field[0] == '-') {
            value = -value;
        }
        rest_.remove_prefix(static_cast<size_t>(end - field.data()));
        return true;
    }

    bool word(std::string& value) {
        blanks();
        size_t length = 0;
        while (length < rest_.size() && !isBlank(rest_[length])) {
            ++length;
        }
        value = rest_.substr(0, length);
        rest_.remove_prefix(length);
        return length > 0;
    }

  private:
    std::string_view rest_;
};

}  // namespace

std::optional<QtcNote> parseQtcNote(std::string_view memo) {
    NoteScanner scan(memo);
    QtcNote note;
    std::string lastWord;
    bool complete = scan.literal("[QTC") && scan.number(note.serial) && scan.literal("/") &&
                    scan.number(note.count) && scan.word(note.callSign) &&
                    scan.number(note.year, 4) && scan.literal("-") && scan.number(note.month, 2) &&
                    scan.literal("-") && scan.number(note.day, 2) && scan.number(note.hhmm, 4) &&
                    scan.word(lastWord);
    return complete ? std::optional<QtcNote>(note) : std::nullopt;
}

}  // namespace sorvak
