#pragma once

#include "core/records/recordTable.h"
#include "core/records/resultRecord.h"

using StoredResult = Keyed<ResultRecord>;

// The results table Vysledky as the result windows use it: one profile's
// records of one kind.
class ResultsTable : public RecordTable<ResultRecord> {
  public:
    explicit ResultsTable(const StorePlace& place);

    std::optional<QList<StoredResult>> list(const QString& profile, const QString& kind,
                                            qint64 after = 0, int limit = -1) {
        return listWhere(of(profile, kind), after, limit);
    }
    Lookup find(const QString& profile, const QString& kind, qint64 key, StoredResult& found) {
        return findWhere(of(profile, kind), key, found);
    }
    std::optional<int> count(const QString& profile, const QString& kind) {
        return countWhere(of(profile, kind));
    }
    std::optional<int> removeAll(const QString& profile, const QString& kind) {
        return removeWhere(of(profile, kind));
    }

  private:
    static QList<Condition> of(const QString& profile, const QString& kind);
};
