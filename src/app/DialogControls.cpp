#include "DialogControls.h"

#include <QDialog>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QValidator>

namespace sorvak {
namespace {

class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

}  // namespace

void forceUpperCase(QLineEdit* edit) {
    edit->setValidator(new UpperCaseValidator(edit));
}

void allowDigitsOnly(QLineEdit* edit) {
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

QLineEdit* makeEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QLineEdit* makeEdit(const char* name, const std::string& value, int digits) {
    QLineEdit* edit = makeEdit(name);
    edit->setText(QString::fromStdString(value));
    if (digits > 0) {
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(digits, u'0')));
    }
    return edit;
}

QComboBox* makeCombo(const char* name, const std::vector<std::string>& entries) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& entry : entries) {
        combo->addItem(QString::fromStdString(entry));
    }
    return combo;
}

QLabel* makeLabel(const char* caption, QWidget* buddy) {
    auto* label = new QLabel(QString::fromUtf8(caption));
    if (buddy != nullptr) {
        label->setBuddy(buddy);
    }
    return label;
}

QDialogButtonBox* makeOkCancel(QDialog* dialog, const char* okText) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QString::fromUtf8(okText));
    ok->setObjectName("ok");
    ok->setDefault(true);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setText(QString::fromUtf8("ｷｬﾝｾﾙ"));
    cancel->setObjectName("cancel");
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace sorvak
