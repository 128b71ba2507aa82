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

// PC keyboard scan codes of the keys the rules use.
QsoKey keyOfScanCode(quint32 scan) {
    switch (scan) {
        case 1:
            return QsoKey::Escape;
        case 17:
            return QsoKey::W;
        case 19:
            return QsoKey::R;
        case 20:
            return QsoKey::T;
        case 24:
            return QsoKey::O;
        case 25:
            return QsoKey::P;
        case 31:
            return QsoKey::S;
        case 37:
            return QsoKey::K;
        case 48:
            return QsoKey::B;
        case 50:
            return QsoKey::M;
        case 57:
            return QsoKey::Space;
        default:
            return QsoKey::Other;
    }
}

QsoKey keyOfKeyCode(int key) {
    switch (key) {
        case Qt::Key_Escape:
            return QsoKey::Escape;
        case Qt::Key_Space:
            return QsoKey::Space;
        case Qt::Key_W:
            return QsoKey::W;
        case Qt::Key_R:
            return QsoKey::R;
        case Qt::Key_T:
            return QsoKey::T;
        case Qt::Key_O:
            return QsoKey::O;
        case Qt::Key_P:
            return QsoKey::P;
        case Qt::Key_S:
            return QsoKey::S;
        case Qt::Key_K:
            return QsoKey::K;
        case Qt::Key_B:
            return QsoKey::B;
        case Qt::Key_M:
            return QsoKey::M;
        default:
            return QsoKey::Other;
    }
}

QWidget* inGroup(const char* title, QWidget* first, QWidget* second) {
    auto* group = new QGroupBox(QString::fromUtf8(title));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}

}  // namespace

QsoKeyStroke QsoEditDialog::strokeOf(const QKeyEvent& event, const QString& platform) {
    QsoKeyStroke stroke;
    Qt::KeyboardModifiers mods = event.modifiers();
    stroke.ctrl = mods.testFlag(Qt::ControlModifier);
    stroke.shift = mods.testFlag(Qt::ShiftModifier);
    stroke.alt = mods.testFlag(Qt::AltModifier);
    // On X11 and Wayland the native scan code is the PC scan code plus 8;
    // without one (other platforms, synthetic events) the key code stands in.
    quint32 native = event.nativeScanCode();
    if (native > 8 && (platform == QLatin1String("xcb") || platform == QLatin1String("wayland"))) {
        stroke.key = keyOfScanCode(native - 8);
    } else {
        stroke.key = keyOfKeyCode(event.key());
    }
    return stroke;
}

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

void QsoEditDialog::build() {
    auto edit = [this](const char* name, Field field, std::string QsoEditForm::*member) {
        QLineEdit* e = field == Field::CallSign ? new CallSignEdit : new QLineEdit;
        e->setObjectName(QString::fromLatin1(name));
        bindings_.bind(field, member, e);
        return e;
    };
    auto combo = [this](const char* name, Field field, std::string QsoEditForm::*member,
                        const std::vector<std::string>& entries) {
        QComboBox* c = makeCombo(name, entries);
        bindings_.bind(field, member, c->lineEdit(), c);
        return c;
    };
    using F = QsoEditForm;
    QLineEdit* qsoNumber = edit("qsoNumber", Field::QsoNumber, &F::qsoNumber);
    qsoNumber->setReadOnly(true);
    QLineEdit* callSign = edit("callSign", Field::CallSign, &F::callSign);
    QLineEdit* srst = edit("srst", Field::Srst, &F::srst);
    QLineEdit* sent = edit("sent", Field::Sent, &F::sent);
    QLineEdit* rrst = edit("rrst", Field::Rrst, &F::rrst);
    QLineEdit* rcvd = edit("rcvd", Field::Rcvd, &F::rcvd);
    for (QLineEdit* e : {callSign, sent, rcvd}) {
        forceUpperCase(e);
    }
    for (QLineEdit* e : {srst, rrst}) {
        allowDigitsOnly(e);
    }
    QLineEdit* multi = edit("multi", Field::Multi, &F::multi);
    auto* newMulti = new QCheckBox("new");
    newMulti->setObjectName("newMulti");
    bindings_.bind(Field::NewMulti, &F::newMulti, newMulti);
    QLineEdit* multi2 = edit("multi2", Field::Multi2, &F::multi2);
    auto* newMulti2 = new QCheckBox("new");
    newMulti2->setObjectName("newMulti2");
    bindings_.bind(Field::NewMulti2, &F::newMulti2, newMulti2);
    band_ = combo("band", Field::Band, &F::band, F::bandList());
    mode_ = combo("mode", Field::Mode, &F::mode, F::modeList());
    QComboBox* power = combo("power", Field::Power, &F::power, F::powerList());
    QLineEdit* tx = edit("txNumber", Field::TxNumber, &F::txNumber);
    QLineEdit* points = edit("points", Field::Points, &F::points);
    QLineEdit* op = edit("operatorName", Field::Operator, &F::operatorName);
    QLineEdit* memo = edit("memo", Field::Memo, &F::memo);
    const std::pair<const char*, std::pair<Field, std::string F::*>> dateParts[] = {
        {"年", {Field::Year, &F::year}},     {"月", {Field::Month, &F::month}},
        {"日", {Field::Day, &F::day}},       {"時", {Field::Hour, &F::hour}},
        {"分", {Field::Minute, &F::minute}}, {"秒", {Field::Second, &F::second}},
    };
    const char* dateNames[] = {"year", "month", "day", "hour", "minute", "second"};
    useCurrentTime_ = new QCheckBox(QString::fromUtf8("現在時刻(&U)"));
    useCurrentTime_->setObjectName("useCurrentTime");
    useCurrentTime_->setToolTip(
        QString::fromUtf8("交信日時に現在時刻を使用する場合はチェックします"));
    bindings_.bind(Field::UseCurrentTime, &F::useCurrentTime, useCurrentTime_);

    auto* grid = new QGridLayout;
    grid->addWidget(qsoNumber, 0, 0);
    auto* dateRow = new QHBoxLayout;
    std::vector<QWidget*> dateEdits;
    QLabel* dateLabel = makeLabel("交信日時(&T)");
    dateRow->addWidget(dateLabel);
    int i = 0;
    for (const auto& [caption, binding] : dateParts) {
        QLineEdit* e = edit(dateNames[i++], binding.first, binding.second);
        e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        dateRow->addWidget(e);
        dateRow->addWidget(makeLabel(caption));
        dateEdits.push_back(e);
    }
    dateLabel->setBuddy(dateEdits.front());
    dateRow->addWidget(useCurrentTime_);
    dateRow->addStretch();
    grid->addLayout(dateRow, 0, 1, 1, 7);
    grid->addWidget(makeLabel("ｺｰﾙｻｲﾝ(&C)", callSign), 1, 0);
    grid->addWidget(callSign, 2, 0);
    auto* sentGroup = new QGroupBox(QString::fromUtf8("送信ﾅﾝﾊﾞｰ(&S)"));
    auto* sentLayout = new QHBoxLayout(sentGroup);
    sentLayout->addWidget(srst);
    sentLayout->addWidget(sent);
    auto* rcvdGroup = new QGroupBox(QString::fromUtf8("受信ﾅﾝﾊﾞｰ(&R)"));
    auto* rcvdLayout = new QHBoxLayout(rcvdGroup);
    rcvdLayout->addWidget(rrst);
    rcvdLayout->addWidget(rcvd);
    grid->addWidget(sentGroup, 1, 1, 2, 1);
    grid->addWidget(rcvdGroup, 1, 2, 2, 1);
    grid->addWidget(inGroup("ﾏﾙﾁ", multi, newMulti), 1, 3, 2, 1);
    grid->addWidget(inGroup("第2ﾏﾙﾁ", multi2, newMulti2), 1, 4, 2, 1);
    grid->addWidget(makeLabel("ﾊﾞﾝﾄﾞ(&B)", band_), 1, 5);
    grid->addWidget(band_, 2, 5);
    grid->addWidget(makeLabel("ﾓｰﾄﾞ(&W)", mode_), 1, 6);
    grid->addWidget(mode_, 2, 6);
    grid->addWidget(makeLabel("ﾊﾟﾜｰ(&P)", power), 1, 7);
    grid->addWidget(power, 2, 7);
    auto* lastRow = new QHBoxLayout;
    lastRow->addWidget(makeLabel("T&X#", tx));
    lastRow->addWidget(tx);
    lastRow->addWidget(makeLabel("得点(&I)", points));
    lastRow->addWidget(points);
    lastRow->addWidget(makeLabel("ｵﾍﾟﾚｰﾀ(&O)", op));
    lastRow->addWidget(op);
    lastRow->addWidget(makeLabel("ﾒﾓ(&M)", memo));
    lastRow->addWidget(memo, 1);
    grid->addLayout(lastRow, 3, 0, 1, 8);
    QDialogButtonBox* buttons = makeOkCancel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    std::vector<QWidget*> order = {callSign, srst,   sent,      rrst,  rcvd,     multi,
                                   newMulti, multi2, newMulti2, band_, mode_,    power,
                                   tx,       points, op,        memo,  qsoNumber};
    order.insert(order.end(), dateEdits.begin(), dateEdits.end());
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
    QsoKeyStroke stroke = strokeOf(*event, QGuiApplication::platformName());
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
