#pragma once

class QWidget;

namespace sorvak {

class DialogForm;

// Shows the dialog that belongs to the form, modal to `parent`; true when
// it was accepted. A form without a dialog is not accepted.
bool runProgramDialog(DialogForm& form, QWidget* parent);

}  // namespace sorvak
