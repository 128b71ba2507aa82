#include "QsoColumnWidths.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <cmath>

#include "model/CSorvakDoc.h"
#include "platform/Cp932.h"

namespace sorvak {

void QsoColumnWidths::setUp() {
    QHeaderView* header = view_.horizontalHeader();
    header->setSectionsMovable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(8);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QScopedValueRollback<bool> fitting(fitting_, true);
    for (size_t i = 0; i < kQsoColumnCount; ++i) {
        header->resizeSection(static_cast<int>(i), baseWidth(i));
    }
    view_.verticalHeader()->hide();
    view_.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_.verticalHeader()->setDefaultSectionSize(view_.fontMetrics().height() + 4);
    QObject::connect(header, &QHeaderView::sectionResized, &view_, [this](int column) {
        if (!fitting_) {
            sizedByUser_.at(static_cast<size_t>(column)) = true;
        }
    });
}

int QsoColumnWidths::cellPadding() const {
    // Qt keeps this margin on both sides of a cell's text, and the grid line
    // takes a pixel of the cell.
    int margin = view_.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view_) + 1;
    return 2 * margin + (view_.showGrid() ? 1 : 0);
}

int QsoColumnWidths::textWidth(const QString& text) const {
    // Qt cuts a text whose exact width is a fraction of a pixel too wide.
    return static_cast<int>(std::ceil(QFontMetricsF(view_.font()).horizontalAdvance(text)));
}

double QsoColumnWidths::scale() const {
    // The designed widths hold "0000" (the Time column, 37 pixels) at the
    // font they were made for; a larger font widens every column alike.
    double needed = textWidth(QStringLiteral("0000")) + cellPadding();
    return std::max(1.0, needed / kQsoColumns[2].width);
}

int QsoColumnWidths::baseWidth(size_t column) const {
    // A column is never narrower than its own heading, so "SRST" or "Pts"
    // stays readable where the designed width was made for a smaller font.
    const QHeaderView* header = view_.horizontalHeader();
    int headerPadding =
        2 * view_.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 2;
    int designed = static_cast<int>(std::lround(kQsoColumns[column].width * scale()));
    int heading = static_cast<int>(std::ceil(
                      QFontMetricsF(header->font())
                          .horizontalAdvance(QString::fromLatin1(kQsoColumns[column].header)))) +
                  headerPadding;
    return std::max(designed, heading);
}

void QsoColumnWidths::fit(const CSorvakDoc& doc) {
    // No column grows past twice the Memo column's designed width: a long
    // memo is read in the edit dialog.
    constexpr double kWidest = 400;
    std::array<std::string, kQsoColumnCount> longest = longestCellTexts(doc);
    int widest = static_cast<int>(std::lround(kWidest * scale()));
    QScopedValueRollback<bool> fitting(fitting_, true);
    for (size_t i = 0; i < kQsoColumnCount; ++i) {
        if (sizedByUser_[i]) {
            continue;
        }
        int base = baseWidth(i);
        int needed = textWidth(QString::fromStdString(cp932ToUtf8(longest[i]))) + cellPadding();
        view_.horizontalHeader()->resizeSection(static_cast<int>(i),
                                                std::max(base, std::min(needed, widest)));
    }
}

int QsoColumnWidths::widthShowingEveryColumn() const {
    return view_.horizontalHeader()->length() + view_.verticalScrollBar()->sizeHint().width() +
           2 * view_.frameWidth();
}

}  // namespace sorvak
