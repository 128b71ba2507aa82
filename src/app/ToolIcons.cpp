#include "ToolIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <functional>

namespace sorvak {
namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;

QIcon drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

void page(QPainter& painter, int x, int y) {
    painter.setBrush(Qt::white);
    painter.drawRect(x, y, 7, 9);
    painter.drawLine(x + 2, y + 3, x + 5, y + 3);
    painter.drawLine(x + 2, y + 6, x + 5, y + 6);
}

}  // namespace

QIcon newFileIcon(const QStyle& style) {
    return style.standardIcon(QStyle::SP_FileIcon);
}

QIcon openFileIcon(const QStyle& style) {
    return style.standardIcon(QStyle::SP_DialogOpenButton);
}

QIcon saveFileIcon(const QStyle& style) {
    return style.standardIcon(QStyle::SP_DialogSaveButton);
}

QIcon versionIcon(const QStyle& style) {
    return style.standardIcon(QStyle::SP_MessageBoxInformation);
}

QIcon cutIcon() {
    return drawn([](QPainter& p) {
        p.drawLine(5, 1, 10, 9);
        p.drawLine(10, 1, 5, 9);
        p.drawEllipse(2, 9, 4, 4);
        p.drawEllipse(9, 9, 4, 4);
    });
}

QIcon copyIcon() {
    return drawn([](QPainter& p) {
        page(p, 2, 1);
        page(p, 7, 5);
    });
}

QIcon pasteIcon() {
    return drawn([](QPainter& p) {
        p.setBrush(QColor(0xc0, 0x90, 0x40));
        p.drawRect(1, 2, 9, 11);
        p.setBrush(Qt::gray);
        p.drawRect(3, 1, 5, 2);
        page(p, 7, 5);
    });
}

}  // namespace sorvak
