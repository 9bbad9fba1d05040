#pragma once

#include "core/store/tableSchema.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct StoreError;

// The class overview's reads on the school's server: a page of learners at a
// time, and figures of just those learners, each through an index.
namespace serverreads {

struct Learner {
    QString profile;
    QDateTime lastRecord; // when a record of theirs last reached the server
};

// Learners by name after the given one, at most limit of them.
std::optional<QList<Learner>> learners(const QString& connection, const QString& after,
                                       int limit, StoreError* error);

// How many records each of the profiles has in the table.
std::optional<QHash<QString, int>> counts(const QString& connection, const TableSchema& table,
                                          const QStringList& profiles, StoreError* error);

// Each profile's latest row of the table (by key), only the named fields.
std::optional<QHash<QString, QVariantList>> latest(const QString& connection,
                                                   const TableSchema& table,
                                                   const QStringList& profiles,
                                                   const QStringList& fields, StoreError* error);

} // namespace serverreads
