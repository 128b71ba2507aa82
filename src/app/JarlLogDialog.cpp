#include "JarlLogDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Ui.h"

namespace sorvak {
namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The fields stand in two columns of ten, in the order of the summary sheet.
constexpr int kRowsPerColumn = 10;
constexpr int kEditWidth = 240;

}  // namespace

JarlLogDialog::JarlLogDialog(JarlLogForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
    setObjectName("jarlLogDialog");
    setWindowTitle(QString::fromUtf8("JARL電子ログの作成"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ok");
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("ｷｬﾝｾﾙ"));
    connect(buttons, &QDialogButtonBox::accepted, this, &JarlLogDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &JarlLogDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFields());
    layout->addWidget(buildScore());
    layout->addWidget(buttons);
    showScore();
}

QWidget* JarlLogDialog::buildFields() {
    auto* fields = new QWidget;
    auto* grid = new QGridLayout(fields);
    int index = 0;
    for (const JarlFieldInfo& info : jarlFields()) {
        QWidget* edit = nullptr;
        if (info.multiLine) {
            auto* lines = new QPlainTextEdit(text(form_[info.field]));
            lines->setTabChangesFocus(true);
            lines->setFixedHeight(lines->fontMetrics().lineSpacing() * 3 + 12);
            edit = lines;
        } else {
            auto* line = new QLineEdit(text(form_[info.field]));
            line->setCursorPosition(0);  // a long text such as the oath shows its start
            edit = line;
        }
        edit->setObjectName(info.cliName);
        edit->setMinimumWidth(kEditWidth);
        edits_[static_cast<size_t>(info.field)] = edit;
        auto* label = new QLabel(QString::fromUtf8(info.label) + " (" + info.tag + "):");
        label->setBuddy(edit);
        int row = index % kRowsPerColumn;
        int column = index / kRowsPerColumn * 2;
        grid->addWidget(label, row, column, info.multiLine ? Qt::AlignTop : Qt::Alignment());
        grid->addWidget(edit, row, column + 1);
        ++index;
    }
    auto* name = static_cast<QLineEdit*>(editOf(JarlField::Name));
    connect(name, &QLineEdit::textEdited, this, &JarlLogDialog::nameEdited);
    auto* coefficient = static_cast<QLineEdit*>(editOf(JarlField::FdCoeff));
    connect(coefficient, &QLineEdit::textEdited, this, [this](const QString& value) {
        form_[JarlField::FdCoeff] = value.toStdString();
        showScore();
    });
    grid->addLayout(buildOptions(), kRowsPerColumn, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return fields;
}

QLayout* JarlLogDialog::buildOptions() {
    checkLog_ = new QCheckBox(QString::fromUtf8("チェックログとして提出"));
    checkLog_->setObjectName("checkLog");
    checkLog_->setChecked(form_.checkLog);
    connect(checkLog_, &QCheckBox::toggled, this, [this](bool checked) {
        form_.checkLog = checked;
        showScore();
    });
    auto* jst = new QRadioButton("JST");
    jst->setObjectName("timeJst");
    jst->setChecked(!form_.utcLogSheet);
    utcLogSheet_ = new QRadioButton("UTC");
    utcLogSheet_->setObjectName("timeUtc");
    utcLogSheet_->setChecked(form_.utcLogSheet);
    auto* row = new QHBoxLayout;
    row->addWidget(checkLog_);
    row->addSpacing(24);
    row->addWidget(new QLabel(QString::fromUtf8("ログシートの日時:")));
    row->addWidget(jst);
    row->addWidget(utcLogSheet_);
    row->addStretch();
    return row;
}

QWidget* JarlLogDialog::buildScore() {
    auto* group = new QGroupBox(QString::fromUtf8("総得点 (TOTALSCORE)"));
    auto* layout = new QVBoxLayout(group);
    score_ = new QLineEdit;
    score_->setObjectName("score");
    score_->setReadOnly(true);
    scoreTable_ = new QPlainTextEdit;
    scoreTable_->setObjectName("scoreTable");
    scoreTable_->setReadOnly(true);
    scoreTable_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    scoreTable_->setLineWrapMode(QPlainTextEdit::NoWrap);
    scoreTable_->setMinimumHeight(scoreTable_->fontMetrics().lineSpacing() * 6 + 12);
    layout->addWidget(score_);
    layout->addWidget(scoreTable_);
    return group;
}

QString JarlLogDialog::textOf(JarlField field) const {
    QWidget* edit = editOf(field);
    if (auto* line = qobject_cast<QLineEdit*>(edit)) {
        return line->text();
    }
    return static_cast<QPlainTextEdit*>(edit)->toPlainText();
}

void JarlLogDialog::setTextOf(JarlField field, const QString& value) {
    QWidget* edit = editOf(field);
    if (auto* line = qobject_cast<QLineEdit*>(edit)) {
        line->setText(value);
    } else {
        static_cast<QPlainTextEdit*>(edit)->setPlainText(value);
    }
}

void JarlLogDialog::nameEdited(const QString& name) {
    form_[JarlField::Signature] = textOf(JarlField::Signature).toStdString();
    form_.setName(name.toStdString());
    setTextOf(JarlField::Signature, text(form_[JarlField::Signature]));
}

void JarlLogDialog::showScore() {
    score_->setText(QString::number(form_.totalScore()));
    QStringList lines;
    for (const std::string& line : form_.scoreLines()) {
        lines.append(text(line));
    }
    scoreTable_->setPlainText(lines.join('\n'));
}

void JarlLogDialog::copyToForm() {
    for (const JarlFieldInfo& info : jarlFields()) {
        form_[info.field] = textOf(info.field).toStdString();
    }
    form_.checkLog = checkLog_->isChecked();
    form_.utcLogSheet = utcLogSheet_->isChecked();
}

void JarlLogDialog::accept() {
    copyToForm();
    if (auto failure = form_.check()) {
        ui_.tell(failure->message);
        editOf(failure->field)->setFocus();
        return;
    }
    if (auto question = form_.operatorListQuestion(); question && !ui_.confirm(*question)) {
        editOf(JarlField::MultiOpList)->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace sorvak
