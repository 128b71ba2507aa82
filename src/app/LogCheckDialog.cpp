#include "LogCheckDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "DialogControls.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

using F = LogCheckForm;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// An edit with its unit after it.
QWidget* withUnit(QLineEdit* line, const char* unit) {
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(line);
    layout->addWidget(new QLabel(text(unit)));
    layout->addStretch();
    return box;
}

// A group of radio buttons, one per choice, the one of `chosen` checked; each
// button's id is its choice's number.
template <typename Choice>
QGroupBox* choices(const char* title, const char* name, QButtonGroup*& group,
                   std::initializer_list<std::pair<Choice, const char*>> options, Choice chosen) {
    auto* box = new QGroupBox(text(title));
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (const auto& [choice, caption] : options) {
        auto* button = new QRadioButton(text(caption));
        group->addButton(button, static_cast<int>(choice));
        button->setChecked(choice == chosen);
        layout->addWidget(button);
    }
    return box;
}

}  // namespace

LogCheckDialog::LogCheckDialog(LogCheckForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent),
      form_(form),
      ui_(ui),
      start_(makeEdit("start", form.start, 16)),
      end_(makeEdit("end", form.end, 16)),
      offTime_(makeEdit("offTime", form.offTime, 5)),
      maxHours_(makeEdit("maxHours", form.maxHours, 4)),
      masterCalls_(new QCheckBox(text(F::kMasterCallsLabel))) {
    setObjectName("logCheckDialog");
    setWindowTitle(text(F::kTitle));
    start_->setPlaceholderText(F::kMomentForm);
    end_->setPlaceholderText(F::kMomentForm);
    auto* period = new QGroupBox(text(F::kPeriodGroup));
    auto* moments = new QFormLayout(period);
    moments->addRow(text(F::kStartLabel), start_);
    moments->addRow(text(F::kEndLabel), end_);
    auto* limits = new QFormLayout;
    limits->addRow(text(F::kOffTimeLabel), withUnit(offTime_, F::kMinutesUnit));
    limits->addRow(text(F::kMaxHoursLabel), withUnit(maxHours_, F::kHoursUnit));
    masterCalls_->setObjectName("useMasterCalls");
    masterCalls_->setChecked(form.useMasterCalls);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(period);
    layout->addLayout(limits);
    layout->addWidget(choices(
        F::kBreakGroup, "breakCounting", breakCounting_,
        {{BreakCounting::Gap, F::kGapLabel}, {BreakCounting::EmptyMinutes, F::kEmptyMinutesLabel}},
        form.breakCounting));
    layout->addWidget(choices(F::kDupeGroup, "dupeRule", dupeRule_,
                              {{DupeRule::BandMode, F::kBandModeLabel},
                               {DupeRule::Band, F::kBandLabel},
                               {DupeRule::Contest, F::kContestLabel}},
                              form.dupeRule));
    layout->addWidget(masterCalls_);
    layout->addWidget(okCancelButtons(this));
}

QLineEdit* LogCheckDialog::edit(LogCheckForm::Field field) const {
    switch (field) {
        case F::Field::Start:
            return start_;
        case F::Field::End:
            return end_;
        case F::Field::OffTime:
            return offTime_;
        case F::Field::MaxHours:
            return maxHours_;
    }
    return start_;
}

void LogCheckDialog::accept() {
    form_.start = start_->text().toStdString();
    form_.end = end_->text().toStdString();
    form_.offTime = offTime_->text().toStdString();
    form_.maxHours = maxHours_->text().toStdString();
    form_.breakCounting = static_cast<BreakCounting>(breakCounting_->checkedId());
    form_.dupeRule = static_cast<DupeRule>(dupeRule_->checkedId());
    form_.useMasterCalls = masterCalls_->isChecked();
    if (auto failure = form_.check()) {
        ui_.tell(failure->message);
        QLineEdit* line = edit(failure->field);
        line->setFocus();
        line->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace sorvak
