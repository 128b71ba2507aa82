#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "DialogControls.h"
#include "platform/Ui.h"

namespace sorvak {

// Ties a form's fields to the controls of its dialog: load shows the form,
// store reads the controls back into it, and a field's control can be found
// to give it the focus.
template <typename Form, typename Field>
class FormBindings {
  public:
    using Text = std::string Form::*;
    using Flag = bool Form::*;

    // `focus` is the control that takes the focus for the field (a combo box
    // for its edit); the edit itself when null.
    void bind(Field field, Text member, QLineEdit* edit, QWidget* focus = nullptr) {
        texts_.push_back(TextBinding{field, member, edit, focus != nullptr ? focus : edit});
    }
    void bind(std::optional<Field> field, Flag member, QAbstractButton* box) {
        flags_.push_back(FlagBinding{field, member, box});
    }

    // A new edit, drop-down list or check box with the object name, bound.
    QLineEdit* edit(const char* name, Field field, Text member) {
        QLineEdit* e = makeEdit(name);
        bind(field, member, e);
        return e;
    }
    QComboBox* combo(const char* name, Field field, Text member,
                     const std::vector<std::string>& entries) {
        QComboBox* c = makeCombo(name, entries);
        bind(field, member, c->lineEdit(), c);
        return c;
    }
    QCheckBox* box(const char* name, const char* caption, std::optional<Field> field, Flag member) {
        auto* b = new QCheckBox(QString::fromUtf8(caption));
        b->setObjectName(QString::fromLatin1(name));
        bind(field, member, b);
        return b;
    }

    void load(const Form& form) const {
        for (const auto& b : texts_) {
            QString text = QString::fromStdString(form.*b.member);
            if (b.edit->text() == text) {
                continue;
            }
            // A drop-down list shows an entry of its own as that entry.
            auto* combo = qobject_cast<QComboBox*>(b.focus);
            int entry = combo != nullptr ? combo->findText(text) : -1;
            if (entry >= 0) {
                combo->setCurrentIndex(entry);
            }
            if (b.edit->text() != text) {
                b.edit->setText(text);
            }
        }
        for (const auto& b : flags_) {
            b.box->setChecked(form.*b.member);
        }
    }

    void store(Form& form) const {
        for (const auto& b : texts_) {
            form.*b.member = b.edit->text().toStdString();
        }
        for (const auto& b : flags_) {
            form.*b.member = b.box->isChecked();
        }
    }

    // Reads the controls into the form and runs its checks; on a failure the
    // message is shown, its field takes the focus and false is returned.
    bool storeAndCheck(Form& form, Ui& ui) const {
        store(form);
        if (auto failure = form.check()) {
            ui.tell(failure->message);
            widgetOf(failure->field)->setFocus();
            return false;
        }
        return true;
    }

    QWidget* widgetOf(Field field) const {
        for (const auto& b : texts_) {
            if (b.field == field) {
                return b.focus;
            }
        }
        for (const auto& b : flags_) {
            if (b.field == field) {
                return b.box;
            }
        }
        return nullptr;
    }

    // The field whose control is `widget` or holds it (a combo's edit).
    std::optional<Field> fieldOf(const QWidget* widget) const {
        for (const auto& b : texts_) {
            if (widget == b.edit || widget == b.focus) {
                return b.field;
            }
        }
        for (const auto& b : flags_) {
            if (widget == b.box) {
                return b.field;
            }
        }
        return std::nullopt;
    }

  private:
    struct TextBinding {
        Field field;
        Text member;
        QLineEdit* edit;
        QWidget* focus;
    };
    struct FlagBinding {
        std::optional<Field> field;
        Flag member;
        QAbstractButton* box;
    };
    std::vector<TextBinding> texts_;
    std::vector<FlagBinding> flags_;
};

}  // namespace sorvak
