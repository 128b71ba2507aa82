#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvak {

// One blank-separated item of a line (as "%s" reads it: blanks, tabs and
// the other white-space bytes separate items) and the column it starts at.
struct LineItem {
    std::string_view text;
    size_t column;
};

// The items of a line, left to right; they view the line.
std::vector<LineItem> itemsOf(std::string_view line);

// The texts of items [from, to), joined by one blank.
std::string joinedItems(const std::vector<LineItem>& items, size_t from, size_t to);

// The number of an item that "%9d" reads whole: an optional sign and
// digits, at most 9 bytes; nothing for any other text.
std::optional<int> wholeNumber(std::string_view item);

}  // namespace sorvak
