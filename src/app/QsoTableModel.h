#pragma once

#include <QAbstractTableModel>

namespace sorvak {

class CSorvakDoc;

// The list's rows over the document: it keeps only the row count and builds
// each cell's text when the list asks for it.
class QsoTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit QsoTableModel(const CSorvakDoc& doc, QObject* parent = nullptr)
        : QAbstractTableModel(parent), doc_(doc) {}

    // Forgets every painted cell and shows `rows` rows.
    void setRowCount(int rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const CSorvakDoc& doc_;
    int rows_ = 0;
};

}  // namespace sorvak
