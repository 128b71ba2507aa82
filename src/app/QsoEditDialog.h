#pragma once

#include <QDialog>

#include "FormBindings.h"
#include "editing/QsoEditForm.h"
#include "editing/QsoKeyRules.h"

class QCheckBox;
class QComboBox;
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

    // The fast-entry key of a key press on the named windowing platform:
    // letters by their physical position where the platform tells it.
    static QsoKeyStroke strokeOf(const QKeyEvent& event, const QString& platform);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using Field = QsoEditForm::Field;

    void build();
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
