#include "FileFilters.h"

namespace sorvak {
namespace {

QString anyCase(const QString& glob) {
    if (glob == QLatin1String("*.*")) {
        return QStringLiteral("*");
    }
    QString pattern;
    for (QChar c : glob) {
        if (c.isLetter() && c.unicode() < 0x80) {
            pattern += u'[' + c.toUpper() + c.toLower() + u']';
        } else {
            pattern += c;
        }
    }
    return pattern;
}

QString qtPatterns(const QString& patterns) {
    QStringList globs;
    for (const QString& glob : patterns.split(u';', Qt::SkipEmptyParts)) {
        globs.append(anyCase(glob.trimmed()));
    }
    return globs.join(u' ');
}

}  // namespace

QStringList qtNameFilters(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        filters.append(parts[i] + QStringLiteral(" (") + qtPatterns(parts[i + 1]) + u')');
    }
    return filters;
}

}  // namespace sorvak
