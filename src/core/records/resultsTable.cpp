#include "core/records/resultsTable.h"

using namespace Qt::StringLiterals;

ResultsTable::ResultsTable(const StorePlace& place) : RecordTable(schemas::results(), place) {}

QList<Condition> ResultsTable::of(const QString& profile, const QString& kind) {
    // The store cuts the name to the field's 30 characters, as it stored it.
    return {{u"Profil"_s, Condition::Op::Equal, profile},
            {u"TypTestu"_s, Condition::Op::Equal, kind}};
}
