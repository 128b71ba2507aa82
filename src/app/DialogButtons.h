#pragma once

class QDialog;
class QDialogButtonBox;

namespace sorvak {

// The "OK" and "ｷｬﾝｾﾙ" buttons of a dialog, wired to its accept and reject.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

}  // namespace sorvak
