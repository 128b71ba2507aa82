#include "WindowLayout.h"

#include <QHeaderView>
#include <QSettings>
#include <algorithm>
#include <vector>

#include "CMainFrame.h"
#include "CSorvakView.h"

namespace sorvak {
namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kColumnOrder = QStringLiteral("list/columnOrder");
const QString kColumnWidths = QStringLiteral("list/columnWidths");
constexpr int kWidestColumn = 4000;

// The list's columns in the order they are shown, when `text` names each
// column once.
std::vector<int> columnOrderOf(const QString& text, int columns) {
    std::vector<int> order;
    for (const QString& item : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        int column = item.toInt(&ok);
        if (!ok || column < 0 || column >= columns) {
            return {};
        }
        order.push_back(column);
    }
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    bool everyColumnOnce = static_cast<int>(sorted.size()) == columns &&
                           std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
    return everyColumnOnce ? order : std::vector<int>{};
}

void restoreColumns(QHeaderView& header, const QSettings& settings) {
    std::vector<int> order = columnOrderOf(settings.value(kColumnOrder).toString(), header.count());
    for (int visual = 0; visual < static_cast<int>(order.size()); ++visual) {
        header.moveSection(header.visualIndex(order[static_cast<size_t>(visual)]), visual);
    }
    // "column:width" of each column the user sized.
    for (const QString& item : settings.value(kColumnWidths).toString().split(u',')) {
        bool columnOk = false;
        bool widthOk = false;
        int column = item.section(u':', 0, 0).toInt(&columnOk);
        int width = item.section(u':', 1, 1).toInt(&widthOk);
        if (columnOk && widthOk && column >= 0 && column < header.count() && width > 0 &&
            width <= kWidestColumn) {
            header.resizeSection(column, width);
        }
    }
}

}  // namespace

void restoreWindowLayout(CMainFrame& frame, const QSettings& settings) {
    frame.restoreGeometry(settings.value(kGeometry).toByteArray());
    restoreColumns(*frame.view().horizontalHeader(), settings);
}

void keepWindowLayout(const CMainFrame& frame, QSettings& settings) {
    settings.setValue(kGeometry, frame.saveGeometry());
    const CSorvakView& view = const_cast<CMainFrame&>(frame).view();
    const QHeaderView& header = *view.horizontalHeader();
    QStringList order;
    QStringList widths;
    for (int visual = 0; visual < header.count(); ++visual) {
        order.append(QString::number(header.logicalIndex(visual)));
    }
    for (int column = 0; column < header.count(); ++column) {
        if (view.sizedByUser(static_cast<size_t>(column))) {
            widths.append(QStringLiteral("%1:%2").arg(column).arg(header.sectionSize(column)));
        }
    }
    settings.setValue(kColumnOrder, order.join(u','));
    settings.setValue(kColumnWidths, widths.join(u','));
}

}  // namespace sorvak
