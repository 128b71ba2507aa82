#pragma once

#include <QDialog>

#include "editing/NumberToMultiForm.h"

class QCheckBox;
class QLineEdit;

namespace sorvak {

class Ui;

// Asks how the multipliers are derived from the received numbers.
class NumberToMultiDialog : public QDialog {
    Q_OBJECT

  public:
    NumberToMultiDialog(NumberToMultiForm& form, Ui& ui, QWidget* parent = nullptr);

    void accept() override;

  private:
    NumberToMultiForm& form_;
    Ui& ui_;
    QLineEdit* cutCount_;
    QCheckBox* digitsOnly_;
};

}  // namespace sorvak
