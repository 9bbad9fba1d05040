#include "results/protocolsTable.h"

using namespace Qt::StringLiterals;

namespace {
// The store cuts the name to the field's 30 characters, as it stored it.
QList<Condition> of(const QString& profile) {
    return {{u"Profil"_s, Condition::Op::Equal, profile}};
}
} // namespace

ProtocolsTable::ProtocolsTable(const QString& folder)
    : folder_(folder), store_(schemas::protocols(), folder) {}

bool ProtocolsTable::exists() const {
    return TableStore::fileExists(schemas::protocols(), folder_);
}

bool ProtocolsTable::open() {
    return store_.open(TableStore::Mode::Existing) && store_.ensureIndex({u"Profil"_s});
}

std::optional<QList<StoredProtocol>> ProtocolsTable::list(const QString& profile, qint64 after,
                                                          int limit) {
    const auto rows = store_.page(of(profile), after, limit);
    if (!rows)
        return std::nullopt;
    QList<StoredProtocol> protocols;
    protocols.reserve(rows->size());
    for (const KeyedRow& r : *rows)
        protocols << StoredProtocol{r.key, ProtocolRecord::fromRow(r.row)};
    return protocols;
}

ProtocolsTable::Lookup ProtocolsTable::find(const QString& profile, qint64 key,
                                            StoredProtocol& found) {
    const auto page = list(profile, key - 1, 1);
    if (!page)
        return Lookup::Failed;
    if (page->isEmpty() || page->front().key != key)
        return Lookup::Gone;
    found = page->front();
    return Lookup::Found;
}

std::optional<int> ProtocolsTable::count(const QString& profile) {
    return store_.count(of(profile));
}

bool ProtocolsTable::remove(qint64 key) {
    return store_.removeKeys({key}).has_value();
}

std::optional<int> ProtocolsTable::removeAll(const QString& profile) {
    return store_.remove(of(profile));
}
