#pragma once

#include <QDialog>

#include "editing/CheckListForm.h"

class QCheckBox;
class QLineEdit;

namespace sorvak {

class Ui;

// The check-list settings dialog, a view over a CheckListForm: OK copies the
// controls into the form and runs its checks; the first failing field is
// reported through the Ui and gets the focus.
class CheckListDialog : public QDialog {
    Q_OBJECT

  public:
    CheckListDialog(CheckListForm& form, Ui& ui, QWidget* parent = nullptr);

    void accept() override;

  private:
    CheckListForm& form_;
    Ui& ui_;
    QLineEdit* stationsPerLine_;
    QLineEdit* charsPerStation_;
    QCheckBox* showPortable_;
};

}  // namespace sorvak
