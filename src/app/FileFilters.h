#pragma once

#include <QStringList>
#include <string>

namespace sorvak {

// Turns a "label|pattern|label|pattern||" filter into Qt name filters whose
// patterns match the extension in any letter case; "*.*" matches every file.
// Each filter's own label is kept as it is shown.
QStringList qtNameFilters(const std::string& filter);

}  // namespace sorvak
