#include "QsoTableModel.h"

#include "model/CSorvakDoc.h"
#include "model/QsoColumns.h"
#include "platform/Cp932.h"

namespace sorvak {
namespace {

const QVariant kLeftAligned = QVariant::fromValue(int(Qt::AlignLeft | Qt::AlignVCenter));

}  // namespace

void QsoTableModel::setRowCount(int rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

int QsoTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int QsoTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kQsoColumnCount);
}

QVariant QsoTableModel::data(const QModelIndex& index, int role) const {
    auto row = static_cast<size_t>(index.row());
    if (!index.isValid() || row >= doc_.count()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return kLeftAligned;
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    std::string text = qsoCellText(doc_.at(row), row, static_cast<size_t>(index.column()));
    return QString::fromStdString(cp932ToUtf8(text));
}

QVariant QsoTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<size_t>(section) >= kQsoColumnCount) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return kLeftAligned;
    }
    if (role == Qt::DisplayRole) {
        return QString::fromLatin1(kQsoColumns[static_cast<size_t>(section)].header);
    }
    return {};
}

}  // namespace sorvak
