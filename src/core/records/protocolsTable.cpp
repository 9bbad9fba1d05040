#include "core/records/protocolsTable.h"

using namespace Qt::StringLiterals;

ProtocolsTable::ProtocolsTable(const StorePlace& place)
    : RecordTable(schemas::protocols(), place) {}

QList<Condition> ProtocolsTable::of(const QString& profile) {
    // The store cuts the name to the field's 30 characters, as it stored it.
    return {{u"Profil"_s, Condition::Op::Equal, profile}};
}
