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

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent), message_(new QLabel(this)), counts_(new QLabel(this)) {
    setObjectName("statusBar");
    message_->setObjectName("messagePane");
    counts_->setObjectName("countPane");
    addWidget(message_, 1);
    addPermanentWidget(counts_);
    addPermanentWidget(indicator(this, "kanaPane", "ｶﾅ"));
    addPermanentWidget(indicator(this, "capsPane", "CAP"));
    addPermanentWidget(indicator(this, "numPane", "NUM"));
    addPermanentWidget(indicator(this, "scrollPane", "SCRL"));
    showPrompt(QString());
    showCounts(0, 0);
}

void MainStatusBar::showPrompt(const QString& prompt) {
    message_->setText(prompt.isEmpty() ? QStringLiteral("ﾚﾃﾞｨ") : prompt);
}

QString MainStatusBar::messageText() const {
    return message_->text();
}

void MainStatusBar::showCounts(size_t rows, size_t selected) {
    counts_->setText(QStringLiteral("QSO数: %1  選択: %2").arg(rows).arg(selected));
}

QString MainStatusBar::countText() const {
    return counts_->text();
}

}  // namespace sorvak
