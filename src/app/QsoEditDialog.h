#pragma once

#include <QDialog>

#include "FormBindings.h"
#include "editing/QsoEditForm.h"
#include "editing/QsoKeyRules.h"

class QCheckBox;
class QComboBox;
class QLayout;
class QLineEdit;
class QKeyEvent;

namespace sorvak {

class Ui;

// The QSO dialog over its form, for editing a stored QSO and for entering new
// ones, with the fast-entry keys applied before any control sees them.
class QsoEditDialog : public QDialog {
    Q_OBJECT

  public:
    QsoEditDialog(QsoEditForm& form, Ui& ui, QWidget* parent = nullptr);

    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using Field = QsoEditForm::Field;

    // The dialog's controls, each bound to its field of the form.
    struct Controls {
        QLineEdit* qsoNumber = nullptr;
        QLineEdit* callSign = nullptr;
        QLineEdit* srst = nullptr;
        QLineEdit* sent = nullptr;
        QLineEdit* rrst = nullptr;
        QLineEdit* rcvd = nullptr;
        QLineEdit* multi = nullptr;
        QCheckBox* newMulti = nullptr;
        QLineEdit* multi2 = nullptr;
        QCheckBox* newMulti2 = nullptr;
        QComboBox* power = nullptr;
        QLineEdit* tx = nullptr;
        QLineEdit* points = nullptr;
        QLineEdit* op = nullptr;
        QLineEdit* memo = nullptr;
        std::vector<QWidget*> date;
    };

    void build();
    Controls makeControls();
    QLayout* layOut(const Controls& c);
    QLayout* layOutDate(const Controls& c);
    void setTabOrder(const std::vector<QWidget*>& order);
    bool handleKey(QObject* watched, QKeyEvent* event);
    // Runs a rule with the fields read before and shown after.
    void follow(void (*rule)(QsoEditForm&));
    void display(const QsoEditForm& form);

    QsoEditForm& form_;
    Ui& ui_;
    FormBindings<QsoEditForm, Field> bindings_;
    QComboBox* band_ = nullptr;
    QComboBox* mode_ = nullptr;
    QCheckBox* useCurrentTime_ = nullptr;
    bool showing_ = false;
};

}  // namespace sorvak
