#pragma once

#include <QDialog>

#include "editing/LogCheckForm.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace sorvak {

class Ui;

// The settings of the log check, a view over a LogCheckForm: the contest
// period, the shortest break, how breaks are counted, the operating-time
// limit, the dupe rule and the master call list.
class LogCheckDialog : public QDialog {
    Q_OBJECT

  public:
    LogCheckDialog(LogCheckForm& form, Ui& ui, QWidget* parent = nullptr);

    void accept() override;

  private:
    QLineEdit* edit(LogCheckForm::Field field) const;

    LogCheckForm& form_;
    Ui& ui_;
    QLineEdit* start_;
    QLineEdit* end_;
    QLineEdit* offTime_;
    QLineEdit* maxHours_;
    QButtonGroup* breakCounting_;
    QButtonGroup* dupeRule_;
    QCheckBox* masterCalls_;
};

}  // namespace sorvak
