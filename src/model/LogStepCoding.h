#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/QsoRecord.h"

namespace sorvak {

// The compact byte form in which the history keeps QSO values.

void putNumber(std::string& out, int64_t value);
void putText(std::string& out, std::string_view text);
void putValues(std::string& out, const QsoValues& values);

// Reads back, in the order written, what the put functions wrote.
class StepReader {
  public:
    explicit StepReader(std::string_view bytes) : rest_(bytes) {}
    bool atEnd() const { return rest_.empty(); }
    int64_t number();
    std::string text();
    QsoValues values();

  private:
    std::string_view rest_;
};

// The fields of a record one by one: the numbers first, then the texts. Bit
// i of a field mask stands for field i.
inline constexpr int kNumberFields = 10;
inline constexpr int kTextFields = 7;

// The fields that differ between the two, as a mask.
uint32_t differingFields(const QsoValues& a, const QsoValues& b);
// Writes field `field` of `values`.
void putField(std::string& out, const QsoValues& values, int field);
// Reads field `field` into `values`.
void readField(StepReader& in, QsoValues& values, int field);

}  // namespace sorvak
