#pragma once

#include "platform/Ui.h"

namespace sorvak {

// The version information box; it has nothing to fill in.
class VersionForm : public DialogForm {};

}  // namespace sorvak
