#pragma once

#include <QDialog>

#include "editing/ContestDataForm.h"

class QLineEdit;
class QRadioButton;

namespace sorvak {

class Ui;

// The contest header: call sign, contest name, time zone and coefficient,
// with the version shown read-only.
class ContestDataDialog : public QDialog {
    Q_OBJECT

  public:
    ContestDataDialog(ContestDataForm& form, Ui& ui, QWidget* parent = nullptr);

    void accept() override;

  private:
    ContestDataForm& form_;
    Ui& ui_;
    QLineEdit* call_;
    QLineEdit* name_;
    QRadioButton* jst_;
    QRadioButton* utc_;
    QLineEdit* coefficient_;
    QLineEdit* version_;
};

}  // namespace sorvak
