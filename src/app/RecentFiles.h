#pragma once

#include <QStringList>

class QSettings;

namespace sorvak {

inline constexpr int kRecentFileCount = 4;

// The recent-file list kept in the settings; the menus never show it.
QStringList recentFiles(QSettings& settings);
// Puts the path at the head of the list, keeping at most kRecentFileCount.
void addRecentFile(QSettings& settings, const QString& path);

}  // namespace sorvak
