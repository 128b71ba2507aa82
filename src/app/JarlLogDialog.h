#pragma once

#include <QDialog>
#include <array>

#include "editing/JarlLogForm.h"

class QCheckBox;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace sorvak {

class Ui;

// The JARL electronic log dialog: a view over a JarlLogForm. The signature
// follows the name as it is typed, the score follows the coefficient and the
// check-log box; OK copies the controls into the form and runs its checks,
// and the first failing field is reported through the Ui and gets the focus.
// A log without an operator list that others operated is written only when
// the user confirms it; otherwise the operator list gets the focus.
class JarlLogDialog : public QDialog {
    Q_OBJECT

  public:
    JarlLogDialog(JarlLogForm& form, Ui& ui, QWidget* parent = nullptr);

    void accept() override;

  private:
    QWidget* buildFields();
    QLayout* buildOptions();
    QWidget* buildScore();
    QWidget* editOf(JarlField field) const { return edits_[static_cast<size_t>(field)]; }
    QString textOf(JarlField field) const;
    void setTextOf(JarlField field, const QString& text);
    void nameEdited(const QString& name);
    void showScore();
    void copyToForm();

    JarlLogForm& form_;
    Ui& ui_;
    std::array<QWidget*, kJarlFieldCount> edits_{};  // a QLineEdit or, multi-line, a QPlainTextEdit
    QCheckBox* checkLog_ = nullptr;
    QRadioButton* utcLogSheet_ = nullptr;
    QLineEdit* score_ = nullptr;
    QPlainTextEdit* scoreTable_ = nullptr;
};

}  // namespace sorvak
