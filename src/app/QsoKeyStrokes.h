#pragma once

#include <QString>

#include "editing/QsoKeyRules.h"

class QKeyEvent;

namespace sorvak {

// The fast-entry key of a key press on the named windowing platform:
// letters by their physical position where the platform tells it.
QsoKeyStroke qsoKeyStrokeOf(const QKeyEvent& event, const QString& platform);

}  // namespace sorvak
