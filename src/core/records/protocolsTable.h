#pragma once

#include "core/records/protocolRecord.h"
#include "core/records/recordTable.h"

using StoredProtocol = Keyed<ProtocolRecord>;

// The protocol table Protokoly as the protocol windows use it: one profile's
// records.
class ProtocolsTable : public RecordTable<ProtocolRecord> {
  public:
    explicit ProtocolsTable(const StorePlace& place);

    std::optional<QList<StoredProtocol>> list(const QString& profile, qint64 after = 0,
                                              int limit = -1) {
        return listWhere(of(profile), after, limit);
    }
    Lookup find(const QString& profile, qint64 key, StoredProtocol& found) {
        return findWhere(of(profile), key, found);
    }
    std::optional<int> count(const QString& profile) { return countWhere(of(profile)); }
    std::optional<int> removeAll(const QString& profile) { return removeWhere(of(profile)); }

  private:
    static QList<Condition> of(const QString& profile);
};
