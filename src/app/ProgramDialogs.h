#pragma once

class QSettings;
class QWidget;

namespace sorvak {

class DialogForm;
class Ui;

// Shows the dialog that belongs to the form, modal to `parent`, with its
// messages through `ui`; true when it was accepted. A form without a dialog is not accepted.
// With `settings`, the station's fields of the Cabrillo and JARL log dialogs
// are offered from them and kept in them.
bool runProgramDialog(DialogForm& form, Ui& ui, QWidget* parent, QSettings* settings = nullptr);

}  // namespace sorvak
