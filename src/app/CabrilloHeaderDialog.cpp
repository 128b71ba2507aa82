#include "CabrilloHeaderDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Ui.h"

namespace sorvak {
namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A label whose mnemonic moves the focus to its control.
QLabel* labelFor(const char* caption, QWidget* buddy) {
    auto* label = new QLabel(QString::fromUtf8(caption));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

CabrilloHeaderDialog::CabrilloHeaderDialog(CabrilloHeaderForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
    setObjectName("cabrilloHeaderDialog");
    setWindowTitle(QString::fromUtf8("Cabrilloフォーマットファイル作成"));
    auto* grid = new QGridLayout;
    buildVersionRow(grid, 0);

    using F = CabrilloHeaderForm;
    QComboBox* contest = addCombo("contest", &F::contest, F::contestList());
    grid->addWidget(labelFor("CON&TEST:", contest), 1, 0);
    grid->addWidget(contest, 1, 1, 1, 3);

    QLineEdit* location = addEdit("location", &F::location);
    locationLabel_ = labelFor("&LOCATION:", location);
    sectionLabel_ = labelFor("A&RRL-SECTION:", location);
    grid->addWidget(locationLabel_, 2, 0);
    grid->addWidget(sectionLabel_, 2, 0);
    grid->addWidget(location, 2, 1, 1, 3);

    QLineEdit* callSign = addEdit("callSign", &F::callSign);
    grid->addWidget(labelFor("&CALLSIGN:", callSign), 3, 0);
    grid->addWidget(callSign, 3, 1, 1, 3);

    category_ = addCombo("category", &F::category, F::categoryList());
    grid->addWidget(labelFor("CATEGOR&Y:", category_), 4, 0);
    grid->addWidget(category_, 4, 1, 1, 3);

    buildCategoryGroup(grid, 5);

    QLineEdit* name = addEdit("name", &F::name);
    grid->addWidget(labelFor("&NAME:", name), 6, 0);
    grid->addWidget(name, 6, 1, 1, 3);
    QLineEdit* address = addEdit("address", &F::address);
    grid->addWidget(labelFor("&ADDRESS:", address), 7, 0);
    grid->addWidget(address, 7, 1, 1, 3);

    int row = 8;
    for (const char* caption : {"CLAIMED-&SCORE:", "&OPERATORS:", "C&LUB:"}) {
        auto* unused = new QLineEdit;
        unused->setEnabled(false);
        grid->addWidget(labelFor(caption, unused), row, 0);
        grid->addWidget(unused, row++, 1, 1, 3);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ok");
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("ｷｬﾝｾﾙ"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CabrilloHeaderDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CabrilloHeaderDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    version3_->setChecked(form_.version != 2);
    version2_->setChecked(form_.version == 2);
    applyVersionState();
}

void CabrilloHeaderDialog::buildVersionRow(QGridLayout* grid, int row) {
    version3_ = new QRadioButton(QString::fromUtf8("Ver.&3.0"));
    version3_->setObjectName("version3");
    version2_ = new QRadioButton(QString::fromUtf8("Ver.&2.0"));
    version2_->setObjectName("version2");
    auto* radios = new QHBoxLayout;
    radios->addWidget(version3_);
    radios->addWidget(version2_);
    radios->addStretch();
    grid->addWidget(new QLabel(QString::fromUtf8("Cabrilloバージョン")), row, 0);
    grid->addLayout(radios, row, 1, 1, 3);
    for (QRadioButton* radio : {version3_, version2_}) {
        connect(radio, &QRadioButton::clicked, this, &CabrilloHeaderDialog::applyVersionState);
    }
}

void CabrilloHeaderDialog::buildCategoryGroup(QGridLayout* grid, int row) {
    using F = CabrilloHeaderForm;
    struct Entry {
        const char* caption;
        const char* name;
        TextField field;
        const std::vector<std::string>& entries;
    };
    const Entry entries[] = {
        {"&Assisted:", "catAssisted", &F::catAssisted, F::assistedList()},
        {"&Band:", "catBand", &F::catBand, F::bandList()},
        {"&Mode:", "catMode", &F::catMode, F::modeList()},
        {"&Operator:", "catOperator", &F::catOperator, F::operatorList()},
        {"&Power:", "catPower", &F::catPower, F::powerList()},
        {"&Station:", "catStation", &F::catStation, F::stationList()},
        {"&Time:", "catTime", &F::catTime, F::timeList()},
        {"&TX:", "catTransmitter", &F::catTransmitter, F::transmitterList()},
        {"&Overlay:", "catOverlay", &F::catOverlay, F::overlayList()},
    };
    categoryGroup_ = new QGroupBox;
    categoryGroup_->setObjectName("categoryGroup");
    auto* inner = new QGridLayout(categoryGroup_);
    int index = 0;
    for (const Entry& entry : entries) {
        QComboBox* combo = addCombo(entry.name, entry.field, entry.entries);
        int r = index / 2;
        int c = index % 2 * 2;  // two to a row
        inner->addWidget(labelFor(entry.caption, combo), r, c);
        inner->addWidget(combo, r, c + 1);
        ++index;
    }
    grid->addWidget(categoryGroup_, row, 0, 1, 4);
}

QComboBox* CabrilloHeaderDialog::addCombo(const char* name, TextField field,
                                          const std::vector<std::string>& entries) {
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& entry : entries) {
        combo->addItem(text(entry));
    }
    combo->setEditText(text(form_.*field));
    combo->lineEdit()->setMaxLength(CabrilloHeaderForm::kMaxLength);
    combos_.emplace_back(field, combo);
    return combo;
}

QLineEdit* CabrilloHeaderDialog::addEdit(const char* name, TextField field) {
    auto* edit = new QLineEdit(text(form_.*field));
    edit->setObjectName(name);
    edit->setMaxLength(CabrilloHeaderForm::kMaxLength);
    edits_.emplace_back(field, edit);
    return edit;
}

void CabrilloHeaderDialog::applyVersionState() {
    bool version2 = version2_->isChecked();
    locationLabel_->setVisible(!version2);
    sectionLabel_->setVisible(version2);
    category_->setEnabled(version2);
    for (QComboBox* combo : categoryGroup_->findChildren<QComboBox*>()) {
        combo->setEnabled(!version2);
    }
}

void CabrilloHeaderDialog::copyToForm() {
    form_.version = version2_->isChecked() ? 2 : 3;
    for (const auto& [field, combo] : combos_) {
        form_.*field = combo->currentText().toStdString();
    }
    for (const auto& [field, edit] : edits_) {
        form_.*field = edit->text().toStdString();
    }
}

QWidget* CabrilloHeaderDialog::widgetOf(CabrilloHeaderForm::Field field) const {
    using F = CabrilloHeaderForm;
    switch (field) {
        case F::Field::Contest:
            return widgetOf(&F::contest);
        case F::Field::CallSign:
            return widgetOf(&F::callSign);
        case F::Field::Category:
            return widgetOf(&F::category);
        case F::Field::Name:
            return widgetOf(&F::name);
        case F::Field::Address:
            return widgetOf(&F::address);
    }
    return nullptr;
}

QWidget* CabrilloHeaderDialog::widgetOf(TextField field) const {
    for (const auto& [held, combo] : combos_) {
        if (held == field) {
            return combo;
        }
    }
    for (const auto& [held, edit] : edits_) {
        if (held == field) {
            return edit;
        }
    }
    return nullptr;
}

void CabrilloHeaderDialog::accept() {
    copyToForm();
    if (auto failure = form_.check()) {
        ui_.tell(failure->message);
        widgetOf(failure->field)->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace sorvak
