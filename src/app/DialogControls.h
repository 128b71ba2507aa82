#pragma once

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <string>
#include <vector>

class QDialog;

namespace sorvak {

// Small builders shared by the editing dialogs.

// An edit that turns typed letters into upper case.
void forceUpperCase(QLineEdit* edit);
// An edit that takes digits only.
void allowDigitsOnly(QLineEdit* edit);

QLineEdit* makeEdit(const char* name);
// An edit holding `value` (UTF-8), wide enough for `digits` digits when given.
QLineEdit* makeEdit(const char* name, const std::string& value, int digits = 0);
// An editable drop-down list with the entries.
QComboBox* makeCombo(const char* name, const std::vector<std::string>& entries);
// A label whose mnemonic moves the focus to its control.
QLabel* makeLabel(const char* caption, QWidget* buddy = nullptr);
// "OK" (the default button, object name "ok") and "ｷｬﾝｾﾙ" wired to the dialog.
QDialogButtonBox* makeOkCancel(QDialog* dialog, const char* okText = "OK");

}  // namespace sorvak
