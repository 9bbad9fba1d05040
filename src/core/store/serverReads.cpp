#include "core/store/serverReads.h"

#include "core/store/sqlText.h"
#include "core/store/storePlace.h"
#include "core/store/tableStore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;
using namespace sqltext;

namespace serverreads {
namespace {
// A statement of bound values that reads; nothing, with the error, on failure.
std::optional<QSqlQuery> read(const QString& connection, const QString& sql,
                              const QVariantList& bound, StoreError* error) {
    QSqlError failure;
    auto query = boundRead(QSqlDatabase::database(connection, false), sql, bound, &failure);
    if (!query && error)
        *error = {failure.text(), u"Přehled třídy na serveru školy"_s, StoreError::kServer};
    return query;
}

// "?, ?, ?" for the profiles, which are bound in that order.
QString marks(const QStringList& profiles, QVariantList& bound) {
    QStringList marks;
    for (const QString& p : profiles) {
        marks << u"?"_s;
        bound << p;
    }
    return marks.join(u", "_s);
}
} // namespace

std::optional<QList<Learner>> learners(const QString& connection, const QString& after,
                                       int limit, StoreError* error) {
    auto query = read(connection,
                      u"SELECT \"Profil\", \"Posledni\" FROM "_s + serverTable(u"Zaci"_s) +
                          u" WHERE \"Profil\" > ? ORDER BY \"Profil\" LIMIT ?"_s,
                      {after.isNull() ? u""_s : after, limit}, error); // NULL would match none
    if (!query)
        return std::nullopt;
    QList<Learner> found;
    while (query->next())
        found << Learner{query->value(0).toString(), query->value(1).toDateTime().toLocalTime()};
    return found;
}

std::optional<QHash<QString, int>> counts(const QString& connection, const TableSchema& schema,
                                          const QStringList& profiles, StoreError* error) {
    QHash<QString, int> found;
    if (profiles.isEmpty())
        return found;
    QVariantList bound;
    auto query = read(connection,
                      u"SELECT \"Profil\", count(*) FROM "_s + serverTable(schema.name) +
                          u" WHERE \"Profil\" IN ("_s + marks(profiles, bound) +
                          u") GROUP BY \"Profil\""_s,
                      bound, error);
    if (!query)
        return std::nullopt;
    while (query->next())
        found.insert(query->value(0).toString(), query->value(1).toInt());
    return found;
}

std::optional<QHash<QString, QVariantList>> latest(const QString& connection,
                                                   const TableSchema& schema,
                                                   const QStringList& profiles,
                                                   const QStringList& fields, StoreError* error) {
    QHash<QString, QVariantList> found;
    if (profiles.isEmpty())
        return found;
    QStringList columns;
    QList<const Field*> chosen;
    for (const QString& f : fields) {
        columns << quoted(f);
        chosen << &schema.fields[schema.indexOf(f)];
    }
    QVariantList bound;
    auto query = read(connection,
                      u"SELECT DISTINCT ON (\"Profil\") \"Profil\", "_s + columns.join(u", "_s) +
                          u" FROM "_s + serverTable(schema.name) + u" WHERE \"Profil\" IN ("_s +
                          marks(profiles, bound) + u") ORDER BY \"Profil\", \"Klic\" DESC"_s,
                      bound, error);
    if (!query)
        return std::nullopt;
    while (query->next()) {
        QVariantList values;
        for (int i = 0; i < chosen.size(); ++i)
            values << fromStored(*chosen[i], query->value(i + 1));
        found.insert(query->value(0).toString(), values);
    }
    return found;
}

} // namespace serverreads
