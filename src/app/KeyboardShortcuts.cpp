#include "KeyboardShortcuts.h"

namespace sorvak {

const std::vector<KeyBinding>& keyboardShortcuts() {
    // Cut, copy, paste, undo and the pane keys have no action here, but they
    // are still taken so that the list does not act on them by itself.
    static const std::vector<KeyBinding> table = {
        {Command::FileNew, "Ctrl+N"},       {Command::FileOpen, "Ctrl+O"},
        {Command::FileSave, "Ctrl+S"},      {Command::FileSaveAs, "Ctrl+Shift+S"},
        {Command::NewQso, "Ctrl+Q"},        {Command::NewQso, "Ins"},
        {Command::EditSelectAll, "Ctrl+A"}, {Command::EditFind, "Ctrl+F"},
        {Command::EditDelete, "Del"},       {Command::None, "Ctrl+X"},
        {Command::None, "Shift+Del"},       {Command::None, "Ctrl+C"},
        {Command::None, "Ctrl+Ins"},        {Command::None, "Ctrl+V"},
        {Command::None, "Shift+Ins"},       {Command::None, "Ctrl+Z"},
        {Command::None, "Alt+Backspace"},   {Command::None, "F6"},
        {Command::None, "Shift+F6"},
    };
    return table;
}

}  // namespace sorvak
