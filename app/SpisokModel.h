// The list grid's model: one row per listed recipe (running number, name, Id), one empty
// row when nothing is listed. It reads the list and the store as they are; Reset() after
// they change.
#pragma once

#include "base/recept_store.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

namespace timyanka::app {

class SpisokModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColumnNumber = 0, ColumnName = 1, ColumnId = 2, ColumnCount = 3 };

    SpisokModel(const std::vector<int32_t>& spisok, const base::ReceptStore& store,
                QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The list or the recipes changed: every view starts afresh.
    void Reset();

private:
    const std::vector<int32_t>& spisok_;
    const base::ReceptStore& store_;
};

} // namespace timyanka::app
