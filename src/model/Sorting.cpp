#include "model/Sorting.h"

#include <algorithm>

namespace sorvak {
namespace {

// Characters past the end of a call sign read as 0.
int charAt(std::string_view s, size_t i) {
    return i < s.size() ? static_cast<signed char>(s[i]) : 0;
}

int compareBytes(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int ca = static_cast<signed char>(a[i]);
        int cb = static_cast<signed char>(b[i]);
        if (ca != cb) {
            return ca - cb;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

int areaKey(std::string_view call, bool jaJhJr) {
    int d = (charAt(call, 2) - 39) % 10;
    int second = charAt(call, 1);
    int k = d * 1000 + (second - 65);
    char first = static_cast<char>(charAt(call, 0));
    if (first == 'J') {
        if (jaJhJr && second == 'H') {
            return k - 6;
        }
        if (jaJhJr && second == 'R') {
            return k - 15;
        }
        return k;
    }
    if (first == '8') {
        return k + 800;
    }
    if (second == 'J') {
        return k + 700;
    }
    return d * 10 + second + 25;
}

int suffixKey(std::string_view call) {
    int fifth = charAt(call, 5);
    if (call.size() <= 5 || fifth == '/') {
        return (charAt(call, 3) - 64) * 26 + (charAt(call, 4) - 64);
    }
    return (charAt(call, 3) - 64) * 676 + (charAt(call, 4) - 64) * 26 + (fifth - 64);
}

template <typename Key>
void stableSortBy(QsoList& list, Key key, bool descending) {
    std::stable_sort(list.begin(), list.end(), [&](const auto& a, const auto& b) {
        return descending ? key(*a) > key(*b) : key(*a) < key(*b);
    });
}

}  // namespace

int compareCallSigns(std::string_view a, std::string_view b, unsigned flags) {
    if (flags & CMP_BYTES) {
        return compareBytes(a, b);
    }
    bool jaJhJr = (flags & CMP_JA_JH_JR) != 0;
    int area = areaKey(a, jaJhJr) - areaKey(b, jaJhJr);
    if (area != 0) {
        return area;
    }
    return suffixKey(a) - suffixKey(b);
}

bool sortsDescending(unsigned flags) {
    return (flags & (SORT_POWER | SORT_TXNUMBER | SORT_POINTS | SORT_MEMO)) != 0;
}

// The list is ordered exactly as a stable insertion sort with the strict
// "belongs after" test would order it: std::stable_sort with the same strict
// comparison gives the same sequence in O(n log n).
void sortQsoList(QsoList& list, unsigned flags) {
    bool descending = sortsDescending(flags);
    if (flags & SORT_CALLSIGN) {
        std::stable_sort(list.begin(), list.end(), [flags](const auto& a, const auto& b) {
            return compareCallSigns(a->callSign(), b->callSign(), flags) < 0;
        });
    } else if (flags & SORT_TIME) {
        stableSortBy(
            list, [](const QsoRecord& q) { return q.time(); }, descending);
    } else if (flags & SORT_BAND) {
        stableSortBy(
            list, [](const QsoRecord& q) { return q.band(); }, descending);
    } else if (flags & SORT_MODE) {
        stableSortBy(
            list, [](const QsoRecord& q) { return q.mode(); }, descending);
    } else if (flags & SORT_POWER) {
        stableSortBy(
            list, [](const QsoRecord& q) { return q.power(); }, descending);
    } else if (flags & SORT_TXNUMBER) {
        stableSortBy(
            list, [](const QsoRecord& q) { return q.txNumber(); }, descending);
    } else if (flags & SORT_POINTS) {
        stableSortBy(
            list, [](const QsoRecord& q) { return q.points(); }, descending);
    } else if (flags & SORT_OPERATOR) {
        std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
            return compareCallSigns(a->operatorName(), b->operatorName(), CMP_BYTES) < 0;
        });
    } else if (flags & SORT_MEMO) {
        stableSortBy(
            list, [](const QsoRecord& q) { return q.memoLength(); }, descending);
    }
}

}  // namespace sorvak
