#include "ContestDataDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogControls.h"
#include "platform/Ui.h"

namespace sorvak {

ContestDataDialog::ContestDataDialog(ContestDataForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent),
      form_(form),
      ui_(ui),
      call_(makeEdit("stationCall")),
      name_(makeEdit("contestName")),
      jst_(new QRadioButton(QString::fromUtf8("JST(&J)"))),
      utc_(new QRadioButton(QString::fromUtf8("UTC(&U)"))),
      coefficient_(makeEdit("coefficient")),
      version_(makeEdit("version")) {
    setObjectName("contestDataDialog");
    setWindowTitle(QString::fromUtf8("ｺﾝﾃｽﾄﾃﾞｰﾀ"));
    jst_->setObjectName("jst");
    utc_->setObjectName("utc");
    version_->setReadOnly(true);
    call_->setText(QString::fromStdString(form_.stationCall));
    name_->setText(QString::fromStdString(form_.contestName));
    (form_.utc ? utc_ : jst_)->setChecked(true);
    coefficient_->setText(QString::fromStdString(form_.coefficient));
    version_->setText(QString::fromStdString(form_.version));
    for (QLineEdit* narrow : {coefficient_, version_}) {
        narrow->setMaximumWidth(narrow->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    }

    auto* zone = new QGroupBox;
    auto* zoneLayout = new QVBoxLayout(zone);
    zoneLayout->addWidget(jst_);
    zoneLayout->addWidget(utc_);
    auto* grid = new QGridLayout;
    grid->addWidget(makeLabel("ｺｰﾙｻｲﾝ(&C):", call_), 0, 0);
    grid->addWidget(call_, 0, 1);
    grid->addWidget(makeLabel("ﾊﾞｰｼﾞｮﾝ", version_), 0, 2);
    grid->addWidget(version_, 0, 3);
    grid->addWidget(makeLabel("ｺﾝﾃｽﾄ名(&N):", name_), 1, 0);
    grid->addWidget(name_, 1, 1, 1, 3);
    grid->addWidget(zone, 2, 0, 1, 2);
    grid->addWidget(makeLabel("局種係数(&F):", coefficient_), 2, 2);
    grid->addWidget(coefficient_, 2, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(makeOkCancel(this));
}

void ContestDataDialog::accept() {
    form_.stationCall = call_->text().toStdString();
    form_.contestName = name_->text().toStdString();
    form_.utc = utc_->isChecked();
    form_.coefficient = coefficient_->text().toStdString();
    if (auto failure = form_.check()) {
        ui_.tell(failure->message);
        using Field = ContestDataForm::Field;
        QLineEdit* edits[] = {call_, name_, coefficient_};
        edits[failure->field == Field::CallSign      ? 0
              : failure->field == Field::ContestName ? 1
                                                     : 2]
            ->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace sorvak
