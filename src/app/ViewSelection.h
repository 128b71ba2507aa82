#pragma once

#include "editing/ListSelection.h"

namespace sorvak {

class CSorvakView;

// The QSO list's selection and refresh as the commands see them.
class ViewSelection : public ListSelection {
  public:
    explicit ViewSelection(CSorvakView& view) : view_(view) {}

    std::vector<size_t> selectedRows() const override;
    void selectRows(const std::vector<size_t>& rows) override;
    void selectOnly(size_t row) override;
    void refresh() override;
    void showRowsDeleted(const std::vector<size_t>& rows) override;

  private:
    CSorvakView& view_;
};

}  // namespace sorvak
