#pragma once

class QWidget;

namespace sorvak {

class DialogForm;
class Ui;

// Shows the dialog that belongs to the form, modal to `parent`, with its
// messages through `ui`; true when it was accepted. A form without a dialog is not accepted.
bool runProgramDialog(DialogForm& form, Ui& ui, QWidget* parent);

}  // namespace sorvak
