#include "NumberToMultiDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "DialogControls.h"
#include "platform/Ui.h"

namespace sorvak {

NumberToMultiDialog::NumberToMultiDialog(NumberToMultiForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent),
      form_(form),
      ui_(ui),
      cutCount_(makeEdit("cutCount")),
      digitsOnly_(new QCheckBox(QString::fromUtf8("数字以外の文字以降をカットする"))) {
    setObjectName("numberToMultiDialog");
    setWindowTitle(QString::fromUtf8("ﾅﾝﾊﾞｰ欄からﾏﾙﾁ欄へｺﾋﾟｰ"));
    digitsOnly_->setObjectName("digitsOnly");
    cutCount_->setText(QString::fromStdString(form_.cutCount));
    digitsOnly_->setChecked(form_.digitsOnly);
    auto* row = new QHBoxLayout;
    row->addWidget(makeLabel("末尾の"));
    row->addWidget(cutCount_);
    row->addWidget(makeLabel("文字をカットする"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(digitsOnly_);
    layout->addWidget(makeOkCancel(this));
}

void NumberToMultiDialog::accept() {
    form_.cutCount = cutCount_->text().toStdString();
    form_.digitsOnly = digitsOnly_->isChecked();
    if (auto message = form_.check()) {
        ui_.tell(*message);
        cutCount_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace sorvak
