#include "MainStatusBar.h"

#include <QLabel>

namespace sorvak {
namespace {

// Qt cannot read the lock keys' states, so each indicator shows its name
// grayed: present, but not claiming the key is on or off.
QLabel* indicator(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + 8);
    label->setEnabled(false);
    return label;
}

}  // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent), message_(new QLabel(this)) {
    setObjectName("statusBar");
    message_->setObjectName("messagePane");
    addWidget(message_, 1);
    addPermanentWidget(indicator(this, "kanaPane", "ｶﾅ"));
    addPermanentWidget(indicator(this, "capsPane", "CAP"));
    addPermanentWidget(indicator(this, "numPane", "NUM"));
    addPermanentWidget(indicator(this, "scrollPane", "SCRL"));
    showPrompt(QString());
}

void MainStatusBar::showPrompt(const QString& prompt) {
    message_->setText(prompt.isEmpty() ? QStringLiteral("ﾚﾃﾞｨ") : prompt);
}

QString MainStatusBar::messageText() const {
    return message_->text();
}

}  // namespace sorvak
