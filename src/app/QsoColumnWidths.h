#pragma once

#include <QString>
#include <array>

#include "model/QsoColumns.h"

class QTableView;

namespace sorvak {

class CSorvakDoc;

// The widths of the QSO list's columns: the designed widths scaled to the
// list's font, never narrower than a heading, and widened to the longest
// text a column holds unless the user has sized the column.
class QsoColumnWidths {
  public:
    explicit QsoColumnWidths(QTableView& view) : view_(view) {}

    // Gives the header its designed widths and follows the user's sizing.
    void setUp();
    // Fits every column the user has not sized to the widest text it holds.
    void fit(const CSorvakDoc& doc);
    // The factor from the designed column widths to the list's font (1 at
    // the font they were made for, never less).
    double scale() const;
    // The width of the list with every column whole and the scroll bar.
    int widthShowingEveryColumn() const;
    // True once the user (or a kept layout) gave the column its width.
    bool sizedByUser(size_t column) const { return sizedByUser_.at(column); }

  private:
    // The pixels of a cell that its text may not use.
    int cellPadding() const;
    int textWidth(const QString& text) const;
    // The designed width at the list's font, or the heading's if wider.
    int baseWidth(size_t column) const;

    QTableView& view_;
    std::array<bool, kQsoColumnCount> sizedByUser_{};
    bool fitting_ = false;
};

}  // namespace sorvak
