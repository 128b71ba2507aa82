#include "model/QsoColumns.h"

#include <cstdio>

#include "model/CSorvakDoc.h"
#include "model/QsoRecord.h"
#include "model/Sorting.h"

namespace sorvak {

const std::array<QsoColumn, kQsoColumnCount> kQsoColumns = {{
    {"Line", 33, 0},          {"Date", 42, 0},
    {"Time", 37, SORT_TIME},  {"CallSign", 72, SORT_CALLSIGN},
    {"SRST", 30, 0},          {"Sent", 58, 0},
    {"RRST", 30, 0},          {"Rcvd", 58, 0},
    {"Multi", 48, 0},         {"New", 18, 0},
    {"Multi2", 48, 0},        {"New2", 18, 0},
    {"Band", 38, SORT_BAND},  {"Mode", 35, SORT_MODE},
    {"Pwr", 21, SORT_POWER},  {"TX#", 18, SORT_TXNUMBER},
    {"Pts", 18, SORT_POINTS}, {"Operator", 40, SORT_OPERATOR},
    {"Memo", 200, SORT_MEMO},
}};

namespace {

std::string numberIf(bool shown, int value) {
    return shown ? std::to_string(value) : std::string();
}

std::string dateText(const QsoRecord& q) {
    if (q.month() < 0) {
        return {};
    }
    return std::to_string(q.month()) + "/" + std::to_string(q.day());
}

std::string timeText(const QsoRecord& q) {
    int hhmm = q.hhmm();
    if (hhmm < 0) {
        return {};
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d", hhmm);
    return buffer;
}

std::string powerText(const QsoRecord& q) {
    char letter = q.powerLetter();
    return letter == '\0' ? std::string() : std::string(1, letter);
}

// The record's own text that the column shows, or null for a column whose
// text is made from a number or a code.
const std::string* fieldText(const QsoRecord& q, size_t column) {
    switch (column) {
        case 3:
            return &q.callSign();
        case 5:
            return &q.sent();
        case 7:
            return &q.rcvd();
        case 8:
            return &q.multi();
        case 10:
            return &q.multi2();
        case 17:
            return &q.operatorName();
        case 18:
            return &q.memo();
        default:
            return nullptr;
    }
}

std::string madeText(const QsoRecord& q, size_t row, size_t column) {
    switch (column) {
        case 0:
            return std::to_string(row + 1);
        case 1:
            return dateText(q);
        case 2:
            return timeText(q);
        case 4:
            return numberIf(q.srst() > 0, q.srst());
        case 6:
            return numberIf(q.rrst() > 0, q.rrst());
        case 9:
            return q.newMulti() != 0 ? "*" : "";
        case 11:
            return q.newMulti2() != 0 ? "*" : "";
        case 12:
            return std::string(q.bandText());
        case 13:
            return std::string(q.modeText());
        case 14:
            return powerText(q);
        case 15:
            return numberIf(q.txNumber() >= 0, q.txNumber());
        case 16:
            return numberIf(q.points() >= 0, q.points());
        default:
            return {};
    }
}

}  // namespace

std::string qsoCellText(const QsoRecord& q, size_t row, size_t column) {
    const std::string* field = fieldText(q, column);
    return field != nullptr ? *field : madeText(q, row, column);
}

std::string qsoRowText(const QsoRecord& q, size_t row) {
    std::string line;
    for (size_t column = 0; column < kQsoColumnCount; ++column) {
        if (column > 0) {
            line += '\t';
        }
        line += qsoCellText(q, row, column);
    }
    return line;
}

std::array<std::string, kQsoColumnCount> longestCellTexts(const CSorvakDoc& doc) {
    std::array<const std::string*, kQsoColumnCount> longestField{};
    std::array<std::string, kQsoColumnCount> longest;
    for (size_t row = 0; row < doc.count(); ++row) {
        const QsoRecord& q = doc.at(row);
        for (size_t column = 0; column < kQsoColumnCount; ++column) {
            if (const std::string* field = fieldText(q, column)) {
                if (longestField[column] == nullptr ||
                    field->size() > longestField[column]->size()) {
                    longestField[column] = field;
                }
            } else if (std::string text = madeText(q, row, column);
                       text.size() > longest[column].size()) {
                longest[column] = std::move(text);
            }
        }
    }
    for (size_t column = 0; column < kQsoColumnCount; ++column) {
        if (longestField[column] != nullptr) {
            longest[column] = *longestField[column];
        }
    }
    return longest;
}

}  // namespace sorvak
