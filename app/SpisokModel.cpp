#include "app/SpisokModel.h"

#include "text/cp1251.h"

#include <QApplication>
#include <QPalette>
#include <QString>

namespace timyanka::app {

SpisokModel::SpisokModel(const std::vector<int32_t>& spisok, const base::ReceptStore& store,
                         QObject* parent)
    : QAbstractTableModel(parent), spisok_(spisok), store_(store) {}

int SpisokModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    // An empty list still shows one (empty) row, as the grid always has a current row.
    return spisok_.empty() ? 1 : static_cast<int>(spisok_.size());
}

int SpisokModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SpisokModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::BackgroundRole && index.column() == ColumnNumber) {
        // The running number is the grid's fixed column.
        return QApplication::palette().button();
    }
    if (role != Qt::DisplayRole || spisok_.empty()) {
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    }
    const auto row = static_cast<std::size_t>(index.row());
    if (row >= spisok_.size()) {
        return {};
    }
    const int32_t id = spisok_[row];
    switch (index.column()) {
    case ColumnNumber:
        return QString::number(index.row() + 1);
    case ColumnName:
        if (id >= 0 && id < store_.ReceptCount()) {
            return QString::fromStdString(text::Cp1251ToUtf8(store_.Recept(id).Name));
        }
        return QString();
    case ColumnId:
        return QString::number(id);
    default:
        return {};
    }
}

QVariant SpisokModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case ColumnNumber:
        return QStringLiteral("№");
    case ColumnName:
        return QStringLiteral("Название");
    case ColumnId:
        return QStringLiteral("id");
    default:
        return {};
    }
}

Qt::ItemFlags SpisokModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void SpisokModel::Reset() {
    beginResetModel();
    endResetModel();
}

} // namespace timyanka::app
