#pragma once

class QToolBar;
class QWidget;

namespace sorvak {

class CommandSet;

// The toolbar over the commands' shared actions, dockable on any edge. The
// menus must have described the actions first.
QToolBar* createMainToolBar(QWidget* parent, CommandSet& commands);

}  // namespace sorvak
