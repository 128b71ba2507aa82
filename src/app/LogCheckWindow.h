#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "reports/LogCheck.h"

class QCheckBox;
class QLabel;
class QTableView;

namespace sorvak {

class CSorvakDoc;
class LogCheckFindings;
class Ui;

// The window of the log check's findings, beside the main one: the summary
// above a table of findings. A double click on a finding selects its QSO in
// the list; "再チェック(&R)" checks the log again as it is now, with the same
// settings; "テキストで保存(&S)..." writes the findings as a text file. The
// findings for information ("(参考)") can be left out of the table.
class LogCheckWindow : public QWidget {
    Q_OBJECT

  public:
    // Checks the log as it is now; nothing when it could not.
    using Check = std::function<std::optional<LogCheckResult>()>;
    // Selects the QSO of a row of the list and scrolls it into view.
    using SelectQso = std::function<void(size_t row)>;

    LogCheckWindow(const CSorvakDoc& doc, Ui& ui, Check check, SelectQso selectQso,
                   QWidget* parent = nullptr);

    void setCheck(Check check) { check_ = std::move(check); }
    void show(LogCheckResult result);
    const LogCheckResult& result() const { return result_; }
    QTableView* table() const { return table_; }

    void OnRecheck();
    void OnSaveText();
    // Selects the QSO of the finding on the table's row.
    void OnFindingDoubleClicked(int findingRow);

  private:
    void showFindings();

    const CSorvakDoc& doc_;
    Ui& ui_;
    Check check_;
    SelectQso selectQso_;
    LogCheckResult result_;
    QLabel* summary_;
    QTableView* table_;
    LogCheckFindings* findings_;
    QCheckBox* withInformation_;
};

// Shows the frame's log check window with `result`, making it on first use.
LogCheckWindow* showLogCheck(const CSorvakDoc& doc, Ui& ui, QWidget& frame, LogCheckResult result,
                             LogCheckWindow::Check check);

}  // namespace sorvak
