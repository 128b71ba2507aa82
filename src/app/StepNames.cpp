#include "StepNames.h"

#include <QRegularExpression>

namespace sorvak {
namespace {

bool isSort(Command command) {
    return command >= Command::SortCallAscii && command <= Command::SortMemo;
}

}  // namespace

std::string stepName(Command command, const QString& entryText) {
    if (command == Command::EditUndo || command == Command::EditRedo) {
        return {};
    }
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    QString name = entryText.section(u'\t', 0, 0);
    name.remove(mnemonic);
    name.remove(u'&');
    if (name.endsWith(QStringLiteral("..."))) {
        name.chop(3);
    }
    name = name.trimmed();
    if (isSort(command)) {
        name = QStringLiteral("ソート(") + name + QStringLiteral(")");
    }
    return name.toStdString();
}

std::string columnSortStepName(const char* heading) {
    return std::string("ソート(") + heading + "列)";
}

}  // namespace sorvak
