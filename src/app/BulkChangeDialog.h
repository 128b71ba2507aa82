#pragma once

#include <QDialog>

#include "FormBindings.h"
#include "editing/BulkChangeForm.h"

namespace sorvak {

class Ui;

// The bulk change dialog over its form; the first failing field is reported
// and gets the focus.
class BulkChangeDialog : public QDialog {
    Q_OBJECT

  public:
    BulkChangeDialog(BulkChangeForm& form, Ui& ui, QWidget* parent = nullptr);

    void accept() override;

  private:
    BulkChangeForm& form_;
    Ui& ui_;
    FormBindings<BulkChangeForm, BulkChangeForm::Field> bindings_;
};

}  // namespace sorvak
