#pragma once

#include <QDialog>

#include "FormBindings.h"
#include "editing/BulkChangeForm.h"

class QGridLayout;
class QLayout;

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
    // The box of a change, then its controls with the words after each.
    void addLine(QGridLayout* rows, int row, const char* name, const char* caption,
                 bool BulkChangeForm::*flag,
                 const std::vector<std::pair<QWidget*, const char*>>& controls);
    QLayout* makeChanges();
    QWidget* makeConditions();

    BulkChangeForm& form_;
    Ui& ui_;
    FormBindings<BulkChangeForm, BulkChangeForm::Field> bindings_;
};

}  // namespace sorvak
