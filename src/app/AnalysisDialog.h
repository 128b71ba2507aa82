#pragma once

#include <QDialog>
#include <utility>
#include <vector>

#include "editing/AnalysisForm.h"

class QCheckBox;
class QLineEdit;

namespace sorvak {

class Ui;

// The analysis settings dialog, a view over an AnalysisForm: a check box per
// report and option, the multiplier data file with its "参照(&R)" button.
class AnalysisDialog : public QDialog {
    Q_OBJECT

  public:
    AnalysisDialog(AnalysisForm& form, Ui& ui, QWidget* parent = nullptr);

    void accept() override;

  private:
    using Setting = int ReportSettings::*;

    QCheckBox* addCheck(const char* caption, const char* name, Setting field);
    void browse();

    AnalysisForm& form_;
    Ui& ui_;
    QLineEdit* multiDataFile_;
    std::vector<std::pair<Setting, QCheckBox*>> checks_;
};

}  // namespace sorvak
