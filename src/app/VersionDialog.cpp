#include "VersionDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace sorvak {

VersionDialog::VersionDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("versionDialog");
    setWindowTitle("SORVAKのバージョン情報");
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* text = new QLabel(QStringLiteral("SORVAK Version " SORVAK_VERSION "\n"
                                           "コンテストログの確認・修正と提出用ファイルの作成"),
                            this);
    text->setObjectName("versionText");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

}  // namespace sorvak
