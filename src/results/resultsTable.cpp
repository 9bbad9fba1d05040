#include "results/resultsTable.h"

using namespace Qt::StringLiterals;

ResultsTable::ResultsTable(const QString& folder)
    : folder_(folder), store_(schemas::results(), folder) {}

bool ResultsTable::exists() const {
    return TableStore::fileExists(schemas::results(), folder_);
}

bool ResultsTable::open() {
    return store_.open(TableStore::Mode::Existing) &&
           store_.ensureIndex({u"Profil"_s, u"TypTestu"_s});
}

QList<Condition> ResultsTable::of(const QString& profile, const QString& kind) const {
    // The store cuts the name to the field's 30 characters, as it stored it.
    return {{u"Profil"_s, Condition::Op::Equal, profile},
            {u"TypTestu"_s, Condition::Op::Equal, kind}};
}

std::optional<QList<StoredResult>> ResultsTable::list(const QString& profile, const QString& kind,
                                                      qint64 after, int limit) {
    const auto rows = store_.page(of(profile, kind), after, limit);
    if (!rows)
        return std::nullopt;
    QList<StoredResult> results;
    for (const KeyedRow& r : *rows)
        results << StoredResult{r.key, ResultRecord::fromRow(r.row)};
    return results;
}

std::optional<int> ResultsTable::count(const QString& profile, const QString& kind) {
    return store_.count(of(profile, kind));
}

bool ResultsTable::remove(qint64 key) {
    return store_.removeKeys({key}).has_value();
}

std::optional<int> ResultsTable::removeAll(const QString& profile, const QString& kind) {
    return store_.remove(of(profile, kind));
}
