#include "RecentFiles.h"

#include <QSettings>

namespace sorvak {
namespace {

QString key(int i) {
    return QStringLiteral("Recent File List/File%1").arg(i + 1);
}

}  // namespace

QStringList recentFiles(QSettings& settings) {
    QStringList files;
    for (int i = 0; i < kRecentFileCount; ++i) {
        QString file = settings.value(key(i)).toString();
        if (!file.isEmpty()) {
            files.append(file);
        }
    }
    return files;
}

void addRecentFile(QSettings& settings, const QString& path) {
    QStringList files = recentFiles(settings);
    files.removeAll(path);
    files.prepend(path);
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (i < files.size()) {
            settings.setValue(key(i), files[i]);
        } else {
            settings.remove(key(i));
        }
    }
}

}  // namespace sorvak
