#pragma once

#include "platform/Ui.h"

class QWidget;

namespace sorvak {

// The window's Ui: modal message boxes titled "SORVAK", Qt's file dialogs,
// the wait cursor and the program's dialogs.
class QtUi : public Ui {
  public:
    // Boxes and dialogs are modal to `parent` once it is set.
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer ask(const Message& message) override;
    std::optional<std::string> openFileName(const FileDialog& dialog) override;
    std::optional<std::string> saveFileName(const FileDialog& dialog) override;
    bool runDialog(DialogForm& form) override;
    void beginWait() override;
    void endWait() override;

  private:
    QWidget* parent_ = nullptr;
};

}  // namespace sorvak
