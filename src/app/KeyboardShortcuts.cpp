#include "KeyboardShortcuts.h"

namespace sorvak {

const std::vector<KeyBinding>& keyboardShortcuts() {
    // The pane keys have no action here, but they are still taken so that
    // the list does not act on them by itself.
    static const std::vector<KeyBinding> table = {
        {Command::FileNew, "Ctrl+N"},       {Command::FileOpen, "Ctrl+O"},
        {Command::FileSave, "Ctrl+S"},      {Command::FileSaveAs, "Ctrl+Shift+S"},
        {Command::NewQso, "Ctrl+Q"},        {Command::NewQso, "Ins"},
        {Command::EditUndo, "Ctrl+Z"},      {Command::EditUndo, "Alt+Backspace"},
        {Command::EditRedo, "Ctrl+Y"},      {Command::EditRedo, "Ctrl+Shift+Z"},
        {Command::EditSelectAll, "Ctrl+A"}, {Command::EditFind, "Ctrl+F"},
        {Command::EditDelete, "Del"},       {Command::EditCut, "Ctrl+X"},
        {Command::EditCut, "Shift+Del"},    {Command::EditCopy, "Ctrl+C"},
        {Command::EditCopy, "Ctrl+Ins"},    {Command::EditPaste, "Ctrl+V"},
        {Command::EditPaste, "Shift+Ins"},  {Command::None, "F6"},
        {Command::None, "Shift+F6"},
    };
    return table;
}

}  // namespace sorvak
