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

using F = BulkChangeForm;
using Field = F::Field;

}  // namespace

BulkChangeDialog::BulkChangeDialog(BulkChangeForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
    setObjectName("bulkChangeDialog");
    setWindowTitle(QString::fromUtf8("選択されたQSO行の一括変更"));
    auto* body = new QHBoxLayout;
    body->addLayout(makeChanges());
    auto* side = new QVBoxLayout;
    side->addWidget(makeConditions());
    side->addStretch();
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(makeOkCancel(this));
    bindings_.load(form_);
}

void BulkChangeDialog::addLine(QGridLayout* rows, int row, const char* name, const char* caption,
                               bool F::*flag,
                               const std::vector<std::pair<QWidget*, const char*>>& controls) {
    QCheckBox* check = bindings_.box(name, caption, std::nullopt, flag);
    rows->addWidget(check, row, 0);
    auto* values = new QHBoxLayout;
    for (const auto& [control, after] : controls) {
        tickOnInput(control, check);
        values->addWidget(control);
        if (after != nullptr) {
            values->addWidget(makeLabel(after));
        }
    }
    values->addStretch();
    rows->addLayout(values, row, 1);
}

QLayout* BulkChangeDialog::makeChanges() {
    auto& b = bindings_;
    auto* rows = new QGridLayout;
    int row = 0;
    addLine(rows, row++, "changeDate", "交信日(&D)", &F::changeDate,
            {{b.edit("year", Field::Year, &F::year), "年"},
             {b.edit("month", Field::Month, &F::month), "月"},
             {b.edit("day", Field::Day, &F::day), "日"}});
    addLine(rows, row++, "changeTime", "交信時間(&T)", &F::changeTime,
            {{b.edit("shiftHours", Field::ShiftHours, &F::shiftHours), "時"},
             {b.edit("shiftMinutes", Field::ShiftMinutes, &F::shiftMinutes), "分 ずらす"}});
    addLine(rows, row++, "changeSrst", "送信RST(&S)", &F::changeSrst,
            {{b.edit("srst", Field::Srst, &F::srst), nullptr}});
    addLine(rows, row++, "changeSent", "送信ﾅﾝﾊﾞｰ(&S)", &F::changeSent,
            {{b.edit("sent", Field::Sent, &F::sent), nullptr}});
    addLine(rows, row++, "changeRrst", "受信RST(&R)", &F::changeRrst,
            {{b.edit("rrst", Field::Rrst, &F::rrst), nullptr}});
    addLine(rows, row++, "changeRcvd", "受信ﾅﾝﾊﾞｰ(&R)", &F::changeRcvd,
            {{b.edit("rcvd", Field::Rcvd, &F::rcvd), nullptr}});
    addLine(rows, row++, "changeBand", "ﾊﾞﾝﾄﾞ(&B)", &F::changeBand,
            {{b.combo("band", Field::Band, &F::band, QsoEditForm::bandList()), nullptr}});
    addLine(rows, row++, "changeMode", "ﾓｰﾄﾞ(&W)", &F::changeMode,
            {{b.combo("mode", Field::Mode, &F::mode, QsoEditForm::modeList()), nullptr}});
    addLine(rows, row++, "changePower", "ﾊﾟﾜｰ(&P)", &F::changePower,
            {{b.combo("power", Field::Power, &F::power, QsoEditForm::powerList()), nullptr}});
    addLine(rows, row++, "changeTxNumber", "TX#(&X)", &F::changeTxNumber,
            {{b.edit("txNumber", Field::TxNumber, &F::txNumber), nullptr}});
    addLine(rows, row++, "changePoints", "得点(&I)", &F::changePoints,
            {{b.edit("points", Field::Points, &F::points), nullptr}});
    addLine(rows, row++, "changeOperator", "ｵﾍﾟﾚｰﾀ(&O)", &F::changeOperator,
            {{b.edit("operatorName", Field::Operator, &F::operatorName), nullptr}});
    addLine(rows, row++, "changeMemo", "ﾒﾓ(&M)", &F::changeMemo,
            {{b.edit("memo", Field::Memo, &F::memo), nullptr}});
    return rows;
}

QWidget* BulkChangeDialog::makeConditions() {
    auto* conditions = new QGroupBox(QString::fromUtf8("変更条件"));
    auto* rows = new QGridLayout(conditions);
    auto condition = [&](int at, const char* name, const char* caption, bool F::*flag,
                         QComboBox* list) {
        QCheckBox* check = bindings_.box(name, caption, std::nullopt, flag);
        tickOnInput(list, check);
        rows->addWidget(check, at, 0);
        rows->addWidget(list, at, 1);
        rows->addWidget(makeLabel("のみ"), at, 2);
    };
    condition(0, "onlyBand", "ﾊﾞﾝﾄﾞ(&B)", &F::onlyBand,
              bindings_.combo("onlyBandText", Field::OnlyBand, &F::onlyBandText,
                              QsoEditForm::bandList()));
    condition(1, "onlyMode", "ﾓｰﾄﾞ(&W)", &F::onlyMode,
              bindings_.combo("onlyModeText", Field::OnlyMode, &F::onlyModeText,
                              QsoEditForm::modeList()));
    return conditions;
}

void BulkChangeDialog::accept() {
    if (bindings_.storeAndCheck(form_, ui_)) {
        QDialog::accept();
    }
}

}  // namespace sorvak
