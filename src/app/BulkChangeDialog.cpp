#include "BulkChangeDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "DialogControls.h"
#include "editing/QsoEditForm.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

// Typing into a field, or choosing from its list, ticks the field's box: a
// value typed beside an unticked box would otherwise be left unused without
// a word. The box can still be unticked.
void tickOnInput(QWidget* control, QCheckBox* box) {
    auto tick = [box] { box->setChecked(true); };
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        QObject::connect(combo, &QComboBox::activated, box, tick);
        control = combo->lineEdit();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        QObject::connect(edit, &QLineEdit::textEdited, box, tick);
    }
}

}  // namespace

BulkChangeDialog::BulkChangeDialog(BulkChangeForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
    using F = BulkChangeForm;
    using Field = F::Field;
    setObjectName("bulkChangeDialog");
    setWindowTitle(QString::fromUtf8("選択されたQSO行の一括変更"));
    auto* rows = new QGridLayout;
    int row = 0;
    auto box = [&](const char* name, const char* caption, bool F::*flag) {
        auto* check = new QCheckBox(QString::fromUtf8(caption));
        check->setObjectName(QString::fromLatin1(name));
        bindings_.bind(std::nullopt, flag, check);
        rows->addWidget(check, row, 0);
        return check;
    };
    auto edit = [&](const char* name, Field field, std::string F::*member) {
        QLineEdit* e = makeEdit(name);
        bindings_.bind(field, member, e);
        return e;
    };
    auto combo = [&](const char* name, Field field, std::string F::*member,
                     const std::vector<std::string>& entries) {
        QComboBox* c = makeCombo(name, entries);
        bindings_.bind(field, member, c->lineEdit(), c);
        return c;
    };
    // One row: the box, then the controls with the words after each.
    auto line = [&](const char* name, const char* caption, bool F::*flag,
                    std::vector<std::pair<QWidget*, const char*>> controls) {
        QCheckBox* check = box(name, caption, flag);
        auto* values = new QHBoxLayout;
        for (const auto& [control, after] : controls) {
            tickOnInput(control, check);
            values->addWidget(control);
            if (after != nullptr) {
                values->addWidget(makeLabel(after));
            }
        }
        values->addStretch();
        rows->addLayout(values, row++, 1);
    };
    line("changeDate", "交信日(&D)", &F::changeDate,
         {{edit("year", Field::Year, &F::year), "年"},
          {edit("month", Field::Month, &F::month), "月"},
          {edit("day", Field::Day, &F::day), "日"}});
    line("changeTime", "交信時間(&T)", &F::changeTime,
         {{edit("shiftHours", Field::ShiftHours, &F::shiftHours), "時"},
          {edit("shiftMinutes", Field::ShiftMinutes, &F::shiftMinutes), "分 ずらす"}});
    line("changeSrst", "送信RST(&S)", &F::changeSrst,
         {{edit("srst", Field::Srst, &F::srst), nullptr}});
    line("changeSent", "送信ﾅﾝﾊﾞｰ(&S)", &F::changeSent,
         {{edit("sent", Field::Sent, &F::sent), nullptr}});
    line("changeRrst", "受信RST(&R)", &F::changeRrst,
         {{edit("rrst", Field::Rrst, &F::rrst), nullptr}});
    line("changeRcvd", "受信ﾅﾝﾊﾞｰ(&R)", &F::changeRcvd,
         {{edit("rcvd", Field::Rcvd, &F::rcvd), nullptr}});
    line("changeBand", "ﾊﾞﾝﾄﾞ(&B)", &F::changeBand,
         {{combo("band", Field::Band, &F::band, QsoEditForm::bandList()), nullptr}});
    line("changeMode", "ﾓｰﾄﾞ(&W)", &F::changeMode,
         {{combo("mode", Field::Mode, &F::mode, QsoEditForm::modeList()), nullptr}});
    line("changePower", "ﾊﾟﾜｰ(&P)", &F::changePower,
         {{combo("power", Field::Power, &F::power, QsoEditForm::powerList()), nullptr}});
    line("changeTxNumber", "TX#(&X)", &F::changeTxNumber,
         {{edit("txNumber", Field::TxNumber, &F::txNumber), nullptr}});
    line("changePoints", "得点(&I)", &F::changePoints,
         {{edit("points", Field::Points, &F::points), nullptr}});
    line("changeOperator", "ｵﾍﾟﾚｰﾀ(&O)", &F::changeOperator,
         {{edit("operatorName", Field::Operator, &F::operatorName), nullptr}});
    line("changeMemo", "ﾒﾓ(&M)", &F::changeMemo, {{edit("memo", Field::Memo, &F::memo), nullptr}});

    auto* conditions = new QGroupBox(QString::fromUtf8("変更条件"));
    auto* conditionRows = new QGridLayout(conditions);
    auto condition = [&](int at, const char* name, const char* caption, bool F::*flag,
                         QComboBox* list) {
        auto* check = new QCheckBox(QString::fromUtf8(caption));
        check->setObjectName(QString::fromLatin1(name));
        bindings_.bind(std::nullopt, flag, check);
        tickOnInput(list, check);
        conditionRows->addWidget(check, at, 0);
        conditionRows->addWidget(list, at, 1);
        conditionRows->addWidget(makeLabel("のみ"), at, 2);
    };
    condition(0, "onlyBand", "ﾊﾞﾝﾄﾞ(&B)", &F::onlyBand,
              combo("onlyBandText", Field::OnlyBand, &F::onlyBandText, QsoEditForm::bandList()));
    condition(1, "onlyMode", "ﾓｰﾄﾞ(&W)", &F::onlyMode,
              combo("onlyModeText", Field::OnlyMode, &F::onlyModeText, QsoEditForm::modeList()));

    auto* body = new QHBoxLayout;
    body->addLayout(rows);
    auto* side = new QVBoxLayout;
    side->addWidget(conditions);
    side->addStretch();
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(makeOkCancel(this));
    bindings_.load(form_);
}

void BulkChangeDialog::accept() {
    if (bindings_.storeAndCheck(form_, ui_)) {
        QDialog::accept();
    }
}

}  // namespace sorvak
