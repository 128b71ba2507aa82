#pragma once

#include <QDialog>

namespace sorvak {

// The program's name, version and what it is for, with an OK button.
class VersionDialog : public QDialog {
    Q_OBJECT

  public:
    explicit VersionDialog(QWidget* parent = nullptr);
};

}  // namespace sorvak
