#include "reports/ReportFormat.h"

#include "model/Vocabulary.h"

namespace sorvak {

std::string formatCount(long long n, int width) {
    std::string text = n == 0 ? "-" : std::to_string(n);
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string formatCwSubcount(long long n, int width) {
    std::string text;
    if (n != 0) {
        text += '(';
        text += std::to_string(n);
        text += ')';
    }
    if (static_cast<int>(text.size()) < width) {
        text.append(static_cast<size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string_view bandIndexText(int band) {
    return band == 0 ? "ALL" : bandTextOf(band - 1);
}

}  // namespace sorvak
