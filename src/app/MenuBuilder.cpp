#include "MenuBuilder.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <vector>

#include "CommandSet.h"
#include "KeyboardShortcuts.h"

namespace sorvak {
namespace {

QList<QKeySequence> keysOf(Command command) {
    QList<QKeySequence> keys;
    for (const KeyBinding& binding : keyboardShortcuts()) {
        if (binding.command == command) {
            keys.append(QKeySequence(QString::fromLatin1(binding.keys)));
        }
    }
    return keys;
}

void describe(QAction& action, const MenuEntry& entry) {
    action.setObjectName(QString::fromLatin1(entry.name));
    action.setText(QString::fromUtf8(entry.text));
    action.setStatusTip(QString::fromUtf8(entry.prompt));
    action.setEnabled(!entry.grayed);
}

// The shared action of a main-menu entry. An entry that shows a shortcut
// carries the command's keys; the others get theirs from the window.
QAction* sharedAction(const MenuEntry& entry, CommandSet& commands) {
    QAction* action = commands.action(entry.command);
    describe(*action, entry);
    if (action->text().contains(u'\t')) {
        action->setShortcuts(keysOf(entry.command));
    }
    return action;
}

// Walks a definition; `addItem` puts the entry's action into the menu.
template <typename AddTopMenu, typename AddItem>
void walk(const std::vector<MenuEntry>& definition, AddTopMenu addTopMenu, AddItem addItem) {
    std::vector<QMenu*> open;
    for (const MenuEntry& entry : definition) {
        QString text = QString::fromUtf8(entry.text);
        switch (entry.kind) {
            case EntryKind::Popup:
                open.push_back(open.empty() ? addTopMenu(text) : open.back()->addMenu(text));
                break;
            case EntryKind::End:
                open.pop_back();
                break;
            case EntryKind::Separator:
                open.back()->addSeparator();
                break;
            case EntryKind::Item:
                addItem(*open.back(), entry);
                break;
        }
    }
}

}  // namespace

void buildMenuBar(QMenuBar& bar, CommandSet& commands) {
    walk(
        mainMenuDefinition(), [&bar](const QString& text) { return bar.addMenu(text); },
        [&commands](QMenu& menu, const MenuEntry& entry) {
            menu.addAction(sharedAction(entry, commands));
        });
}

void addWindowShortcuts(QWidget& window, CommandSet& commands) {
    for (const KeyBinding& binding : keyboardShortcuts()) {
        Command command = binding.command;
        if (command != Command::None && !commands.action(command)->shortcuts().isEmpty()) {
            continue;
        }
        auto* key = new QAction(&window);
        key->setShortcut(QKeySequence(QString::fromLatin1(binding.keys)));
        QObject::connect(key, &QAction::triggered, &window, [&commands, command] {
            if (command != Command::None && commands.isEnabled(command)) {
                commands.run(command);
            }
        });
        window.addAction(key);
    }
}

std::unique_ptr<QMenu> buildPopupMenu(const std::vector<MenuEntry>& definition,
                                      CommandSet& commands) {
    auto popup = std::make_unique<QMenu>();
    walk(
        definition,
        [&popup](const QString& text) {
            popup->setTitle(text);
            return popup.get();
        },
        [&commands](QMenu& menu, const MenuEntry& entry) {
            QAction* action = menu.addAction(QString());
            describe(*action, entry);
            Command command = entry.command;
            QObject::connect(action, &QAction::triggered, &menu,
                             [&commands, command] { commands.run(command); });
        });
    return popup;
}

std::unique_ptr<QMenu> buildListMenu(CommandSet& commands, size_t selected, bool canPaste) {
    std::unique_ptr<QMenu> menu = buildPopupMenu(contextMenuDefinition(), commands);
    auto enable = [&menu](const char* name, bool enabled) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == QLatin1String(name)) {
                action->setEnabled(enabled);
            }
        }
    };
    if (selected == 0) {
        enable("ID_EDIT_QSO", false);
    }
    if (selected >= 1) {
        for (const char* entry : {"ID_EDIT_CUT", "ID_EDIT_COPY", "ID_EDIT_DELETE"}) {
            enable(entry, true);
        }
    }
    enable("ID_EDIT_PASTE", canPaste);
    if (selected >= 2) {
        enable("ID_EDIT_BULK_CHANGE", true);
    }
    return menu;
}

}  // namespace sorvak
