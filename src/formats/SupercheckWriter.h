#pragma once

#include <string>

namespace sorvak {

class CSorvakDoc;

// The supercheck file: per QSO the call sign in 11 columns and the received
// exchange; no header.
std::string writeSupercheck(const CSorvakDoc& doc);

}  // namespace sorvak
