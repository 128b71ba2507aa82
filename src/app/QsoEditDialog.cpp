#include "QsoEditDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogControls.h"
#include "QsoKeyStrokes.h"
#include "platform/Ui.h"

namespace sorvak {
namespace {

// The call-sign edit keeps its caret and selects nothing when it gets the
// focus, so typing goes on where it was.
class CallSignEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        int caret = cursorPosition();
        QLineEdit::focusInEvent(event);
        deselect();
        setCursorPosition(caret);
    }
};

// The parts of the QSO's date and time, in their order on the dialog.
struct DatePart {
    const char* name;
    const char* caption;
    QsoEditForm::Field field;
    std::string QsoEditForm::*member;
};
using F = QsoEditForm;
const DatePart kDateParts[] = {
    {"year", "年", F::Field::Year, &F::year},       {"month", "月", F::Field::Month, &F::month},
    {"day", "日", F::Field::Day, &F::day},          {"hour", "時", F::Field::Hour, &F::hour},
    {"minute", "分", F::Field::Minute, &F::minute}, {"second", "秒", F::Field::Second, &F::second},
};

// Two controls in a titled group, side by side or one above the other.
QWidget* inGroup(const char* title, QWidget* first, QWidget* second,
                 QBoxLayout::Direction direction) {
    auto* group = new QGroupBox(QString::fromUtf8(title));
    auto* layout = new QBoxLayout(direction, group);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}

}  // namespace

QsoEditDialog::QsoEditDialog(QsoEditForm& form, Ui& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
    setObjectName("qsoEditDialog");
    setWindowTitle(QString::fromStdString(form_.title()));
    build();
    display(form_);
    useCurrentTime_->setVisible(form_.newMode);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
    bindings_.widgetOf(Field::CallSign)->setFocus();
}

QsoEditDialog::Controls QsoEditDialog::makeControls() {
    auto& b = bindings_;
    Controls c;
    c.qsoNumber = b.edit("qsoNumber", Field::QsoNumber, &F::qsoNumber);
    c.qsoNumber->setReadOnly(true);
    c.callSign = new CallSignEdit;
    c.callSign->setObjectName("callSign");
    b.bind(Field::CallSign, &F::callSign, c.callSign);
    c.srst = b.edit("srst", Field::Srst, &F::srst);
    c.sent = b.edit("sent", Field::Sent, &F::sent);
    c.rrst = b.edit("rrst", Field::Rrst, &F::rrst);
    c.rcvd = b.edit("rcvd", Field::Rcvd, &F::rcvd);
    for (QLineEdit* e : {c.callSign, c.sent, c.rcvd}) {
        forceUpperCase(e);
    }
    for (QLineEdit* e : {c.srst, c.rrst}) {
        allowDigitsOnly(e);
    }
    c.multi = b.edit("multi", Field::Multi, &F::multi);
    c.newMulti = b.box("newMulti", "new", Field::NewMulti, &F::newMulti);
    c.multi2 = b.edit("multi2", Field::Multi2, &F::multi2);
    c.newMulti2 = b.box("newMulti2", "new", Field::NewMulti2, &F::newMulti2);
    band_ = b.combo("band", Field::Band, &F::band, F::bandList());
    mode_ = b.combo("mode", Field::Mode, &F::mode, F::modeList());
    c.power = b.combo("power", Field::Power, &F::power, F::powerList());
    c.tx = b.edit("txNumber", Field::TxNumber, &F::txNumber);
    c.points = b.edit("points", Field::Points, &F::points);
    c.op = b.edit("operatorName", Field::Operator, &F::operatorName);
    c.memo = b.edit("memo", Field::Memo, &F::memo);
    for (const DatePart& part : kDateParts) {
        QLineEdit* e = b.edit(part.name, part.field, part.member);
        e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        c.date.push_back(e);
    }
    useCurrentTime_ =
        b.box("useCurrentTime", "現在時刻(&U)", Field::UseCurrentTime, &F::useCurrentTime);
    useCurrentTime_->setToolTip(
        QString::fromUtf8("交信日時に現在時刻を使用する場合はチェックします"));
    return c;
}

QLayout* QsoEditDialog::layOutDate(const Controls& c) {
    auto* row = new QHBoxLayout;
    QLabel* label = makeLabel("交信日時(&T)", c.date.front());
    row->addWidget(label);
    for (size_t i = 0; i < c.date.size(); ++i) {
        row->addWidget(c.date[i]);
        row->addWidget(makeLabel(kDateParts[i].caption));
    }
    row->addWidget(useCurrentTime_);
    row->addStretch();
    return row;
}

QLayout* QsoEditDialog::layOut(const Controls& c) {
    auto* grid = new QGridLayout;
    grid->addWidget(c.qsoNumber, 0, 0);
    grid->addLayout(layOutDate(c), 0, 1, 1, 7);
    grid->addWidget(makeLabel("ｺｰﾙｻｲﾝ(&C)", c.callSign), 1, 0);
    grid->addWidget(c.callSign, 2, 0);
    grid->addWidget(inGroup("送信ﾅﾝﾊﾞｰ(&S)", c.srst, c.sent, QBoxLayout::LeftToRight), 1, 1, 2, 1);
    grid->addWidget(inGroup("受信ﾅﾝﾊﾞｰ(&R)", c.rrst, c.rcvd, QBoxLayout::LeftToRight), 1, 2, 2, 1);
    grid->addWidget(inGroup("ﾏﾙﾁ", c.multi, c.newMulti, QBoxLayout::TopToBottom), 1, 3, 2, 1);
    grid->addWidget(inGroup("第2ﾏﾙﾁ", c.multi2, c.newMulti2, QBoxLayout::TopToBottom), 1, 4, 2, 1);
    grid->addWidget(makeLabel("ﾊﾞﾝﾄﾞ(&B)", band_), 1, 5);
    grid->addWidget(band_, 2, 5);
    grid->addWidget(makeLabel("ﾓｰﾄﾞ(&W)", mode_), 1, 6);
    grid->addWidget(mode_, 2, 6);
    grid->addWidget(makeLabel("ﾊﾟﾜｰ(&P)", c.power), 1, 7);
    grid->addWidget(c.power, 2, 7);
    auto* lastRow = new QHBoxLayout;
    lastRow->addWidget(makeLabel("T&X#", c.tx));
    lastRow->addWidget(c.tx);
    lastRow->addWidget(makeLabel("得点(&I)", c.points));
    lastRow->addWidget(c.points);
    lastRow->addWidget(makeLabel("ｵﾍﾟﾚｰﾀ(&O)", c.op));
    lastRow->addWidget(c.op);
    lastRow->addWidget(makeLabel("ﾒﾓ(&M)", c.memo));
    lastRow->addWidget(c.memo, 1);
    grid->addLayout(lastRow, 3, 0, 1, 8);
    return grid;
}

void QsoEditDialog::build() {
    Controls c = makeControls();
    QDialogButtonBox* buttons = makeOkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(layOut(c));
    layout->addWidget(buttons);

    std::vector<QWidget*> order = {c.callSign, c.srst,   c.sent,      c.rrst, c.rcvd,     c.multi,
                                   c.newMulti, c.multi2, c.newMulti2, band_,  mode_,      c.power,
                                   c.tx,       c.points, c.op,        c.memo, c.qsoNumber};
    order.insert(order.end(), c.date.begin(), c.date.end());
    order.push_back(buttons->button(QDialogButtonBox::Ok));
    order.push_back(buttons->button(QDialogButtonBox::Cancel));
    order.push_back(useCurrentTime_);
    setTabOrder(order);

    connect(band_, &QComboBox::currentTextChanged, this, [this] { follow(OnBandChanged); });
    connect(mode_, &QComboBox::currentTextChanged, this, [this] { follow(OnModeChanged); });
}

void QsoEditDialog::setTabOrder(const std::vector<QWidget*>& order) {
    for (size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void QsoEditDialog::display(const QsoEditForm& form) {
    showing_ = true;
    bindings_.load(form);
    showing_ = false;
}

void QsoEditDialog::follow(void (*rule)(QsoEditForm&)) {
    if (showing_) {
        return;
    }
    bindings_.store(form_);
    rule(form_);
    display(form_);
}

bool QsoEditDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        return handleKey(watched, static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

bool QsoEditDialog::handleKey(QObject*, QKeyEvent* event) {
    QsoKeyStroke stroke = qsoKeyStrokeOf(*event, QGuiApplication::platformName());
    if (stroke.key == QsoKey::Other) {
        return false;
    }
    Field focus = bindings_.fieldOf(QApplication::focusWidget()).value_or(Field::Other);
    if (event->isAutoRepeat()) {
        // A held key is not acted on again, nor typed where a rule owns it.
        QsoEditForm scratch = form_;
        return applyQsoKey(scratch, stroke, focus).swallowed;
    }
    bindings_.store(form_);
    QsoKeyResult result = applyQsoKey(form_, stroke, focus);
    if (result.fieldsChanged) {
        display(form_);
    }
    if (result.focus) {
        bindings_.widgetOf(*result.focus)->setFocus(Qt::OtherFocusReason);
    }
    return result.swallowed;
}

void QsoEditDialog::accept() {
    if (bindings_.storeAndCheck(form_, ui_)) {
        QDialog::accept();
    }
}

}  // namespace sorvak
