#include "CheckListDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "DialogControls.h"
#include "platform/Ui.h"

namespace sorvak {
CheckListDialog::CheckListDialog(CheckListForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent),
      form_(form),
      ui_(ui),
      stationsPerLine_(makeEdit("stationsPerLine", form.stationsPerLine)),
      charsPerStation_(makeEdit("charsPerStation", form.charsPerStation)),
      showPortable_(new QCheckBox(QString::fromUtf8("ポータブル('/')の表示をする(&P)"))) {
    setObjectName("checkListDialog");
    setWindowTitle(QString::fromUtf8("重複ﾁｪｯｸﾘｽﾄの設定"));
    showPortable_->setObjectName("showPortable");
    showPortable_->setChecked(form.showPortable);
    auto* fields = new QFormLayout;
    fields->addRow(QString::fromUtf8("1行あたりの局数(&C):"), stationsPerLine_);
    fields->addRow(QString::fromUtf8("1局あたりの文字数(&L):"), charsPerStation_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(showPortable_);
    layout->addWidget(okCancelButtons(this));
}

void CheckListDialog::accept() {
    form_.stationsPerLine = stationsPerLine_->text().toStdString();
    form_.charsPerStation = charsPerStation_->text().toStdString();
    form_.showPortable = showPortable_->isChecked();
    if (auto failure = form_.check()) {
        ui_.tell(failure->message);
        QLineEdit* edit = failure->field == CheckListForm::Field::StationsPerLine
                              ? stationsPerLine_
                              : charsPerStation_;
        edit->setFocus();
        edit->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace sorvak
