#pragma once

#include <QIcon>

class QStyle;

namespace sorvak {

// The toolbar's button images: the style's own where it has one, the
// clipboard ones drawn here.
QIcon newFileIcon(const QStyle& style);
QIcon openFileIcon(const QStyle& style);
QIcon saveFileIcon(const QStyle& style);
QIcon versionIcon(const QStyle& style);
QIcon cutIcon();
QIcon copyIcon();
QIcon pasteIcon();

}  // namespace sorvak
