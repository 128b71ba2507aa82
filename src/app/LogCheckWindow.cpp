#include "LogCheckWindow.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include "CSorvakView.h"
#include "RateChartWindow.h"
#include "ViewSelection.h"
#include "commands/LogCheckCommands.h"
#include "model/CSorvakDoc.h"
#include "platform/Ui.h"
#include "reports/LogCheckText.h"

namespace sorvak {

// The findings as the table's rows, their cells made when painted; the
// information may be left out.
class LogCheckFindings : public QAbstractTableModel {
  public:
    explicit LogCheckFindings(QObject* parent) : QAbstractTableModel(parent) {}

    void setFindings(const std::vector<CheckFinding>* findings, bool withInformation) {
        beginResetModel();
        findings_ = findings;
        shown_.clear();
        for (size_t i = 0; findings != nullptr && i < findings->size(); ++i) {
            if (withInformation || (*findings)[i].level == CheckLevel::Warning) {
                shown_.push_back(i);
            }
        }
        endResetModel();
    }
    // The finding a row of the table shows.
    const CheckFinding& finding(int row) const {
        return (*findings_)[shown_[static_cast<size_t>(row)]];
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(shown_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(kLogCheckColumnCount);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) {
            return {};
        }
        const CheckFinding& shown = finding(index.row());
        // Information stands back so that the warnings are seen first.
        if (role == Qt::ForegroundRole && shown.level == CheckLevel::Information) {
            return QColor(Qt::darkGray);
        }
        if (role != Qt::DisplayRole) {
            return {};
        }
        auto cells = findingCells(shown);
        return QString::fromStdString(cells[static_cast<size_t>(index.column())]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
            return {};
        }
        return QString::fromUtf8(kLogCheckColumns[static_cast<size_t>(section)]);
    }

  private:
    const std::vector<CheckFinding>* findings_ = nullptr;
    std::vector<size_t> shown_;
};

namespace {

QPushButton* button(const char* caption, const char* name) {
    auto* push = new QPushButton(QString::fromUtf8(caption));
    push->setObjectName(name);
    return push;
}

}  // namespace

LogCheckWindow::LogCheckWindow(const CSorvakDoc& doc, Ui& ui, Check check, SelectQso selectQso,
                               QWidget* parent)
    : QWidget(parent, Qt::Window),
      doc_(doc),
      ui_(ui),
      check_(std::move(check)),
      selectQso_(std::move(selectQso)),
      summary_(new QLabel),
      table_(new QTableView),
      findings_(new LogCheckFindings(this)),
      withInformation_(new QCheckBox(QString::fromUtf8(kLogCheckWithInformation))) {
    setObjectName("logCheck");
    setWindowTitle(QString::fromUtf8(kLogCheckResultTitle));
    summary_->setObjectName("summary");
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table_->setObjectName("findings");
    table_->setModel(findings_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { OnFindingDoubleClicked(index.row()); });
    withInformation_->setObjectName("withInformation");
    withInformation_->setChecked(true);
    connect(withInformation_, &QCheckBox::toggled, this, [this] { showFindings(); });
    QPushButton* recheck = button(kLogCheckRecheck, "recheck");
    QPushButton* save = button(kLogCheckSaveText, "saveText");
    connect(recheck, &QPushButton::clicked, this, &LogCheckWindow::OnRecheck);
    connect(save, &QPushButton::clicked, this, &LogCheckWindow::OnSaveText);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(recheck);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(withInformation_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(760, 480);
}

void LogCheckWindow::show(LogCheckResult result) {
    result_ = std::move(result);
    QStringList lines;
    for (const std::string& line : result_.summary) {
        lines << QString::fromStdString(line);
    }
    summary_->setText(lines.join('\n'));
    showFindings();
    QWidget::show();
    raise();
    activateWindow();
}

void LogCheckWindow::showFindings() {
    findings_->setFindings(&result_.findings, withInformation_->isChecked());
    table_->resizeColumnsToContents();
}

void LogCheckWindow::OnRecheck() {
    if (std::optional<LogCheckResult> result = check_()) {
        show(std::move(*result));
    }
}

void LogCheckWindow::OnSaveText() {
    OnSaveLogCheckText(doc_, ui_, result_);
}

void LogCheckWindow::OnFindingDoubleClicked(int findingRow) {
    if (findingRow < 0 || findingRow >= findings_->rowCount()) {
        return;
    }
    const CheckFinding& finding = findings_->finding(findingRow);
    // A finding about the whole log has no QSO; one the log has lost since
    // the check is not shown.
    if (!finding.rows.empty() && finding.rows.front() < doc_.count()) {
        selectQso_(finding.rows.front());
    }
}

LogCheckWindow* showLogCheck(const CSorvakDoc& doc, Ui& ui, QWidget& frame, LogCheckResult result,
                             LogCheckWindow::Check check) {
    auto* window = frame.findChild<LogCheckWindow*>();
    if (window == nullptr) {
        auto* list = frame.findChild<CSorvakView*>();
        window = new LogCheckWindow(
            doc, ui, check,
            [list](size_t row) {
                if (list != nullptr) {
                    ViewSelection(*list).selectOnly(row);
                    list->setFocus();
                }
            },
            &frame);
        QRect screen = frame.screen()->availableGeometry();
        window->setGeometry(placeBeside(frame.frameGeometry(), window->size(), screen));
    }
    window->setCheck(std::move(check));
    window->show(std::move(result));
    return window;
}

}  // namespace sorvak
