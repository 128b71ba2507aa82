#include "CommandLine.h"

#include <QFileInfo>

namespace sorvak {
namespace {

// A leading '/' also starts every absolute path here, so a '/' parameter is
// a switch only when it is a single name that is not an existing file.
bool isSwitch(const QString& parameter) {
    if (parameter.startsWith(u'-')) {
        return true;
    }
    return parameter.startsWith(u'/') && parameter.count(u'/') == 1 &&
           !QFileInfo::exists(parameter);
}

}  // namespace

CommandLineInfo parseCommandLine(const QStringList& parameters) {
    CommandLineInfo info;
    for (const QString& parameter : parameters) {
        if (isSwitch(parameter)) {
            info.readOnly = info.readOnly || parameter.mid(1) == QLatin1String("ro");
        } else if (!info.fileName) {
            info.fileName = QFileInfo(parameter).absoluteFilePath().toStdString();
        }
    }
    return info;
}

}  // namespace sorvak
