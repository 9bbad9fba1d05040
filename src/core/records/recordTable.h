#pragma once

#include "core/store/tableStore.h"

#include <optional>

// A stored record with its key.
template <typename Record> struct Keyed {
    qint64 key = 0;
    Record record;
};

enum class Lookup { Found, Gone, Failed };

// One kind of stored record as the list windows use it: the records that
// match some conditions, page by page, one read again or removed by key, or
// all of them removed at once. Record needs a static fromRow(const Row&).
template <typename Record> class RecordTable {
  public:
    RecordTable(const TableSchema& schema, const StorePlace& place)
        : schema_(schema), place_(place), store_(schema, place) {}

    bool exists() const { return TableStore::fileExists(schema_, place_); }
    bool onServer() const { return place_.isServer(); }
    QString filePath() const { return store_.filePath(); }
    // Opens the existing table for reading and writing, which also rolls back
    // what a write killed half-way left behind; lists read through the index
    // (made here too for a table written before tables carried it).
    bool open() {
        return store_.open(TableStore::Mode::Existing) && store_.ensureIndex(schema_.index);
    }
    bool remove(qint64 key) { return store_.removeKeys({key}).has_value(); }
    const StoreError& error() const { return store_.error(); }

  protected:
    std::optional<QList<Keyed<Record>>> listWhere(const QList<Condition>& where, qint64 after,
                                                  int limit) {
        const auto rows = store_.page(where, after, limit);
        if (!rows)
            return std::nullopt;
        QList<Keyed<Record>> records;
        records.reserve(rows->size());
        for (const KeyedRow& r : *rows)
            records << Keyed<Record>{r.key, Record::fromRow(r.row)};
        return records;
    }
    // The record of that key among those matching, read again with every field.
    Lookup findWhere(const QList<Condition>& where, qint64 key, Keyed<Record>& found) {
        const auto page = listWhere(where, key - 1, 1);
        if (!page)
            return Lookup::Failed;
        if (page->isEmpty() || page->front().key != key)
            return Lookup::Gone;
        found = page->front();
        return Lookup::Found;
    }
    std::optional<int> countWhere(const QList<Condition>& where) { return store_.count(where); }
    std::optional<int> removeWhere(const QList<Condition>& where) { return store_.remove(where); }

  private:
    const TableSchema& schema_;
    StorePlace place_;
    TableStore store_;
};
