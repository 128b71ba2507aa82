#include "model/LogStepCoding.h"

#include <type_traits>

namespace sorvak {
namespace {

static_assert(std::is_same_v<int32_t, int>, "the time is kept as an int field");

using Number = int QsoValues::*;
using Text = std::string QsoValues::*;

constexpr Number kNumbers[kNumberFields] = {
    &QsoValues::time,      &QsoValues::srst,     &QsoValues::rrst, &QsoValues::newMulti,
    &QsoValues::newMulti2, &QsoValues::band,     &QsoValues::mode, &QsoValues::power,
    &QsoValues::points,    &QsoValues::txNumber,
};
constexpr Text kTexts[kTextFields] = {
    &QsoValues::callSign, &QsoValues::sent,         &QsoValues::rcvd, &QsoValues::multi,
    &QsoValues::multi2,   &QsoValues::operatorName, &QsoValues::memo,
};

}  // namespace

// Numbers as a variable-length zigzag form: the small ones of a QSO take one
// or two bytes.
void putNumber(std::string& out, int64_t value) {
    auto bits = (static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63);
    while (bits >= 0x80) {
        out += static_cast<char>((bits & 0x7F) | 0x80);
        bits >>= 7;
    }
    out += static_cast<char>(bits);
}

void putText(std::string& out, std::string_view text) {
    putNumber(out, static_cast<int64_t>(text.size()));
    out.append(text);
}

void putValues(std::string& out, const QsoValues& values) {
    for (int field = 0; field < kNumberFields + kTextFields; ++field) {
        putField(out, values, field);
    }
}

int64_t StepReader::number() {
    uint64_t bits = 0;
    for (int shift = 0; !rest_.empty(); shift += 7) {
        auto byte = static_cast<uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        bits |= static_cast<uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            break;
        }
    }
    return static_cast<int64_t>(bits >> 1) ^ -static_cast<int64_t>(bits & 1);
}

std::string StepReader::text() {
    auto size = static_cast<size_t>(number());
    std::string text(rest_.substr(0, size));
    rest_.remove_prefix(text.size());
    return text;
}

QsoValues StepReader::values() {
    QsoValues values;
    for (int field = 0; field < kNumberFields + kTextFields; ++field) {
        readField(*this, values, field);
    }
    return values;
}

uint32_t differingFields(const QsoValues& a, const QsoValues& b) {
    uint32_t mask = 0;
    for (int i = 0; i < kNumberFields; ++i) {
        if (a.*kNumbers[i] != b.*kNumbers[i]) {
            mask |= 1U << i;
        }
    }
    for (int i = 0; i < kTextFields; ++i) {
        if (a.*kTexts[i] != b.*kTexts[i]) {
            mask |= 1U << (kNumberFields + i);
        }
    }
    return mask;
}

void putField(std::string& out, const QsoValues& values, int field) {
    if (field < kNumberFields) {
        putNumber(out, values.*kNumbers[field]);
    } else {
        putText(out, values.*kTexts[field - kNumberFields]);
    }
}

void readField(StepReader& in, QsoValues& values, int field) {
    if (field < kNumberFields) {
        values.*kNumbers[field] = static_cast<int>(in.number());
    } else {
        values.*kTexts[field - kNumberFields] = in.text();
    }
}

}  // namespace sorvak
