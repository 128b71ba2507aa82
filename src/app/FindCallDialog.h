#pragma once

#include <QDialog>

#include "editing/FindCallForm.h"

class QLineEdit;
class QPushButton;

namespace sorvak {

// Asks for the text to find in the call signs; "次を検索(&F)" is pressable
// only while there is a text.
class FindCallDialog : public QDialog {
    Q_OBJECT

  public:
    explicit FindCallDialog(FindCallForm& form, QWidget* parent = nullptr);

    void accept() override;

  private:
    FindCallForm& form_;
    QLineEdit* text_;
    QPushButton* next_;
};

}  // namespace sorvak
