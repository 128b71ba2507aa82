#pragma once

#include <string>

namespace sorvak {

class CSorvakDoc;
class NumberToMultiForm;

// The tools that change every QSO of the log.

// Gives every QSO the sent number (CP932 bytes).
void applySentNumber(CSorvakDoc& doc, const std::string& sent);

// Derives every QSO's multiplier from its received number as the form says.
void applyNumberToMulti(CSorvakDoc& doc, const NumberToMultiForm& form);

}  // namespace sorvak
