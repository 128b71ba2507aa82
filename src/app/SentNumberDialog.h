#pragma once

#include <QDialog>

#include "editing/SentNumberForm.h"

class QLineEdit;

namespace sorvak {

class Ui;

// Asks for the sent number that every QSO gets.
class SentNumberDialog : public QDialog {
    Q_OBJECT

  public:
    SentNumberDialog(SentNumberForm& form, Ui& ui, QWidget* parent = nullptr);

    void accept() override;

  private:
    SentNumberForm& form_;
    Ui& ui_;
    QLineEdit* sent_;
};

}  // namespace sorvak
