#pragma once

#include "results/resultRecord.h"
#include "store/tableStore.h"

// A stored practice or examination result with its key.
struct StoredResult {
    qint64 key = 0;
    ResultRecord record;
};

// The results table Vysledky as the result windows use it: one profile's
// records of one kind, page by page, removed by key or all at once.
class ResultsTable {
  public:
    explicit ResultsTable(const QString& folder);

    bool exists() const;
    // Opens the existing table for reading and writing, which also rolls back
    // what a write killed half-way left behind.
    bool open();
    std::optional<QList<StoredResult>> list(const QString& profile, const QString& kind,
                                            qint64 after = 0, int limit = -1);
    std::optional<int> count(const QString& profile, const QString& kind);
    bool remove(qint64 key);
    std::optional<int> removeAll(const QString& profile, const QString& kind);
    const StoreError& error() const { return store_.error(); }

  private:
    QList<Condition> of(const QString& profile, const QString& kind) const;

    QString folder_;
    TableStore store_;
};
