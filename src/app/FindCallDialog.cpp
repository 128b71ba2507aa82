#include "FindCallDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogControls.h"

namespace sorvak {

FindCallDialog::FindCallDialog(FindCallForm& form, QWidget* parent)
    : QDialog(parent), form_(form), text_(makeEdit("text")) {
    setObjectName("findCallDialog");
    setWindowTitle(QString::fromUtf8("コールサイン検索"));
    forceUpperCase(text_);
    text_->setText(QString::fromStdString(form_.text));
    QDialogButtonBox* buttons = makeOkCancel(this, "次を検索(&F)");
    next_ = buttons->button(QDialogButtonBox::Ok);
    auto follow = [this] { next_->setEnabled(!text_->text().isEmpty()); };
    connect(text_, &QLineEdit::textChanged, this, follow);
    follow();
    auto* row = new QHBoxLayout;
    row->addWidget(makeLabel("検索する文字列(&N)", text_));
    row->addWidget(text_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

void FindCallDialog::accept() {
    form_.text = text_->text().toStdString();
    if (!form_.canSearch()) {
        return;
    }
    QDialog::accept();
}

}  // namespace sorvak
