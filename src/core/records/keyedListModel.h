#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <optional>

// A read-only table over stored records that fetches them page by page as
// the view scrolls, never all at once. Each row remembers its record's key,
// so a deletion addresses exactly the record shown.
class KeyedListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    struct Page {
        QList<qint64> keys;
        QList<QStringList> rows; // one text per column
    };
    // The records after a key, at most limit of them; nothing on a store error.
    using Fetch = std::function<std::optional<Page>(qint64 after, int limit)>;

    KeyedListModel(const QStringList& titles, const QList<Qt::Alignment>& alignment, Fetch fetch,
                   int pageSize = 200, QObject* parent = nullptr);

    // Drops what was fetched and fetches the first page; false on a store error.
    bool reload();
    qint64 keyAt(int row) const { return keys_.value(row); }
    // Takes a row whose record the caller has deleted.
    void removeFetchedRow(int row);
    // The last fetch failed; a view asks again only after a reload.
    bool failed() const { return failed_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  signals:
    void fetchFailed();

  private:
    bool fetchPage();

    QStringList titles_;
    QList<Qt::Alignment> alignment_;
    Fetch fetch_;
    int pageSize_;
    QList<qint64> keys_;
    QList<QStringList> rows_;
    bool complete_ = false;
    bool failed_ = false;
};
