#pragma once

#include <cstddef>
#include <vector>

namespace sorvak {

// What the commands need of the QSO list on screen: its selection
// and its refresh. The window's list implements it; the command line and the
// tests keep the selection in memory.
class ListSelection {
  public:
    virtual ~ListSelection() = default;

    // The selected rows, ascending.
    virtual std::vector<size_t> selectedRows() const = 0;
    // Adds the rows (ascending) to the selection in one step.
    virtual void selectRows(const std::vector<size_t>& rows) = 0;
    // Takes the selection and focus from every row, selects and focuses the
    // row and scrolls it into view.
    virtual void selectOnly(size_t row) = 0;
    // Clears the selection and shows the document's current row count.
    virtual void refresh() = 0;
    // After the rows (ascending) were deleted: shows what is left in the
    // order it had, the focus on the row that followed the last deleted one.
    virtual void showRowsDeleted(const std::vector<size_t>& rows) = 0;
};

// A selection kept in memory.
class RowSelection : public ListSelection {
  public:
    std::vector<size_t> selectedRows() const override;
    void selectRows(const std::vector<size_t>& rows) override;
    void selectOnly(size_t row) override;
    void refresh() override;
    void showRowsDeleted(const std::vector<size_t>& rows) override;

    int refreshCount = 0;
    // The row last given the focus by selectOnly.
    size_t focusedRow = 0;

  private:
    std::vector<size_t> rows_;
};

}  // namespace sorvak
