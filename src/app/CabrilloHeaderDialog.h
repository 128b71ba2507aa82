#pragma once

#include <QDialog>
#include <string>
#include <utility>
#include <vector>

#include "editing/CabrilloHeaderForm.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace sorvak {

class Ui;

// The Cabrillo header dialog: a view over a CabrilloHeaderForm. OK copies
// the controls into the form and runs its checks; the first failing field is
// reported through the Ui and gets the focus.
class CabrilloHeaderDialog : public QDialog {
    Q_OBJECT

  public:
    CabrilloHeaderDialog(CabrilloHeaderForm& form, Ui& ui, QWidget* parent = nullptr);

    void accept() override;

  private:
    using TextField = std::string CabrilloHeaderForm::*;

    QComboBox* addCombo(const char* name, TextField field, const std::vector<std::string>& entries);
    QLineEdit* addEdit(const char* name, TextField field);
    void buildVersionRow(QGridLayout* grid, int row);
    void buildCategoryGroup(QGridLayout* grid, int row);
    void applyVersionState();
    void copyToForm();
    QWidget* widgetOf(CabrilloHeaderForm::Field field) const;
    QWidget* widgetOf(TextField field) const;

    CabrilloHeaderForm& form_;
    Ui& ui_;
    QRadioButton* version3_ = nullptr;
    QRadioButton* version2_ = nullptr;
    QLabel* locationLabel_ = nullptr;
    QLabel* sectionLabel_ = nullptr;
    QComboBox* category_ = nullptr;
    QGroupBox* categoryGroup_ = nullptr;
    std::vector<std::pair<TextField, QComboBox*>> combos_;
    std::vector<std::pair<TextField, QLineEdit*>> edits_;
};

}  // namespace sorvak
