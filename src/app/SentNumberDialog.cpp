#include "SentNumberDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "DialogControls.h"
#include "platform/Ui.h"

namespace sorvak {

SentNumberDialog::SentNumberDialog(SentNumberForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui), sent_(makeEdit("sent")) {
    setObjectName("sentNumberDialog");
    setWindowTitle(QString::fromUtf8("送信ﾅﾝﾊﾞｰの一括変更"));
    sent_->setText(QString::fromStdString(form_.sent));
    auto* row = new QHBoxLayout;
    row->addWidget(makeLabel("送信ﾅﾝﾊﾞｰ(&S):", sent_));
    row->addWidget(sent_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(makeOkCancel(this));
}

void SentNumberDialog::accept() {
    form_.sent = sent_->text().toStdString();
    if (auto message = form_.check()) {
        ui_.tell(*message);
        sent_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace sorvak
