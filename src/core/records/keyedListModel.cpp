#include "core/records/keyedListModel.h"

KeyedListModel::KeyedListModel(const QStringList& titles, const QList<Qt::Alignment>& alignment,
                               Fetch fetch, int pageSize, QObject* parent)
    : QAbstractTableModel(parent), titles_(titles), alignment_(alignment), fetch_(std::move(fetch)),
      pageSize_(pageSize) {}

bool KeyedListModel::reload() {
    beginResetModel();
    keys_.clear();
    rows_.clear();
    complete_ = false;
    failed_ = false;
    endResetModel();
    return fetchPage();
}

bool KeyedListModel::fetchPage() {
    const auto page = fetch_(keys_.isEmpty() ? 0 : keys_.last(), pageSize_);
    if (!page) {
        failed_ = true;
        emit fetchFailed();
        return false;
    }
    complete_ = page->keys.size() < pageSize_;
    if (page->keys.isEmpty())
        return true;
    beginInsertRows({}, int(keys_.size()), int(keys_.size() + page->keys.size() - 1));
    keys_ += page->keys;
    rows_ += page->rows;
    endInsertRows();
    return true;
}

void KeyedListModel::removeFetchedRow(int row) {
    if (row < 0 || row >= keys_.size())
        return;
    beginRemoveRows({}, row, row);
    keys_.removeAt(row);
    rows_.removeAt(row);
    endRemoveRows();
}

int KeyedListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(keys_.size());
}

int KeyedListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(titles_.size());
}

QVariant KeyedListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    if (role == Qt::DisplayRole)
        return rows_[index.row()].value(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment_.value(index.column(), Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    return {};
}

QVariant KeyedListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return titles_.value(section);
    return {};
}

bool KeyedListModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !complete_ && !failed_;
}

void KeyedListModel::fetchMore(const QModelIndex& parent) {
    if (canFetchMore(parent))
        fetchPage();
}
