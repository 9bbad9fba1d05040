#pragma once

#include "core/store/tableSchema.h"
#include "core/store/tableStore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

// The SQL text of the store and the conversion of values to and from their
// stored form: identifiers quoted, one column type per field kind, dates and
// times as ISO-8601 text, conditions as a WHERE clause with bound values.
namespace sqltext {

QString quoted(const QString& identifier);
// A table of the program's schema on the school's server, as SQL names it.
QString serverTable(const QString& name);
QString sqlType(FieldType type);
QVariant toStored(const Field& field, const QVariant& value);
QVariant fromStored(const Field& field, const QVariant& value);
// " WHERE a = ? AND b IN (?, ?)", appending the values to bound; empty
// without conditions.
QString whereClause(const TableSchema& schema, const QList<Condition>& where, QVariantList& bound);

// Runs a statement that reads, forward only, with its values bound; nothing
// on failure, with the database's error in *error.
std::optional<QSqlQuery> boundRead(const QSqlDatabase& db, const QString& sql,
                                   const QVariantList& bound, QSqlError* error);

} // namespace sqltext
