#pragma once

#include <optional>

#include "reports/LogCheck.h"

class QWidget;

namespace sorvak {

class CSorvakDoc;
class Ui;

// "ログのチェック(&K)...": the settings dialog, then the window of the
// findings. The settings accepted are kept for the run of the program.
class LogCheckCommand {
  public:
    LogCheckCommand(CSorvakDoc& doc, Ui& ui, QWidget& frame) : doc_(doc), ui_(ui), frame_(frame) {}

    void OnLogCheck();

  private:
    CSorvakDoc& doc_;
    Ui& ui_;
    QWidget& frame_;
    LogCheckSettings kept_;
};

}  // namespace sorvak
