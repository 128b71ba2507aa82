#pragma once

#include <QString>

#include "platform/Ui.h"

class QFileDialog;
class QSettings;
class QWidget;

namespace sorvak {

// The window's Ui: modal message boxes titled "SORVAK", Qt's file dialogs,
// the wait cursor and the program's dialogs.
class QtUi : public Ui {
  public:
    // Boxes and dialogs are modal to `parent` once it is set.
    void setParent(QWidget* parent) { parent_ = parent; }
    // The station's fields of the Cabrillo and JARL log dialogs are offered
    // from these settings and kept in them, once they are set.
    void setSettings(QSettings* settings) { settings_ = settings; }

    Answer ask(const Message& message) override;
    std::optional<std::string> openFileName(const FileDialog& dialog) override;
    std::optional<std::string> saveFileName(const FileDialog& dialog) override;
    bool runDialog(DialogForm& form) override;
    void beginWait() override;
    void endWait() override;

  private:
    void describe(QFileDialog& box, const FileDialog& dialog) const;
    // The chosen file, whose folder later dialogs without a folder of their
    // own start in.
    std::optional<std::string> chosenFile(QFileDialog& box);

    QWidget* parent_ = nullptr;
    QSettings* settings_ = nullptr;
    QString lastFolder_;
};

}  // namespace sorvak
