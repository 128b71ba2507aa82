#pragma once

#include <string>
#include <vector>

class QMimeData;

namespace sorvak {

// The paths of the local files a drag carries, in its order.
std::vector<std::string> localFiles(const QMimeData& data);

}  // namespace sorvak
