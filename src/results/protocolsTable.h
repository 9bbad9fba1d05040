#pragma once

#include "pointstest/protocolRecord.h"
#include "store/tableStore.h"

#include <optional>

// A stored points-test protocol with its key.
struct StoredProtocol {
    qint64 key = 0;
    ProtocolRecord record;
};

// The protocol table Protokoly as the protocol windows use it: one profile's
// records, page by page, read or removed by key or all at once.
class ProtocolsTable {
  public:
    explicit ProtocolsTable(const QString& folder);

    bool exists() const;
    QString filePath() const { return store_.filePath(); }
    // Opens the existing table for reading and writing, which also rolls back
    // what a write killed half-way left behind.
    bool open();
    std::optional<QList<StoredProtocol>> list(const QString& profile, qint64 after = 0,
                                              int limit = -1);
    enum class Lookup { Found, Gone, Failed };
    // Reads the profile's record of that key into found.
    Lookup find(const QString& profile, qint64 key, StoredProtocol& found);
    std::optional<int> count(const QString& profile);
    bool remove(qint64 key);
    std::optional<int> removeAll(const QString& profile);
    const StoreError& error() const { return store_.error(); }

  private:
    QString folder_;
    TableStore store_;
};
