#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "MenuDefinition.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace sorvak {

class CommandSet;

// Fills the menu bar from the main menu definition with the commands' shared
// actions, each with its text, prompt, start state and keyboard shortcuts.
void buildMenuBar(QMenuBar& bar, CommandSet& commands);

// Adds the keys of the shortcut table that no menu entry carries to `window`.
void addWindowShortcuts(QWidget& window, CommandSet& commands);

// A menu made fresh from a one-popup definition, with actions of its own that
// run the commands' handlers.
std::unique_ptr<QMenu> buildPopupMenu(const std::vector<MenuEntry>& definition,
                                      CommandSet& commands);

// The QSO list's pop-up menu for the number of selected rows: the list's own
// entries enabled by the selection, and paste while the clipboard holds QSOs,
// whatever the main menu shows.
std::unique_ptr<QMenu> buildListMenu(CommandSet& commands, size_t selected, bool canPaste);

}  // namespace sorvak
