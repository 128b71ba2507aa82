#include "MainToolBar.h"

#include <QAction>
#include <QToolBar>

#include "CommandSet.h"
#include "ToolIcons.h"

namespace sorvak {
namespace {

void addButton(QToolBar& bar, QAction* action, const QIcon& icon, const char* tip) {
    action->setIcon(icon);
    action->setIconVisibleInMenu(false);
    action->setToolTip(QString::fromUtf8(tip));
    bar.addAction(action);
}

}  // namespace

QToolBar* createMainToolBar(QWidget* parent, CommandSet& commands) {
    auto* bar = new QToolBar(QStringLiteral("ツールバー"), parent);
    bar->setObjectName("toolBar");
    bar->setIconSize(QSize(16, 15));
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    const QStyle& style = *bar->style();
    addButton(*bar, commands.action(Command::FileNew), newFileIcon(style), "新規ﾌｧｲﾙ");
    addButton(*bar, commands.action(Command::FileOpen), openFileIcon(style), "ﾛｰﾄﾞ");
    addButton(*bar, commands.action(Command::FileSave), saveFileIcon(style), "ｾｰﾌﾞ");
    bar->addSeparator();
    addButton(*bar, commands.action(Command::EditCut), cutIcon(), "切り取り");
    addButton(*bar, commands.action(Command::EditCopy), copyIcon(), "ｺﾋﾟ-");
    addButton(*bar, commands.action(Command::EditPaste), pasteIcon(), "貼り付け");
    bar->addSeparator();
    addButton(*bar, commands.action(Command::AppAbout), versionIcon(style), "ﾊﾞｰｼﾞｮﾝ情報");
    return bar;
}

}  // namespace sorvak
