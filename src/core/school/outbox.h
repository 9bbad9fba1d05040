#pragma once

#include "core/store/tableStore.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The outbox Odchozi in the user folder: what this PC still owes the school's
// server, oldest first. Every record is stored here with an id of its own
// before it is sent, so a send cut off half-way is simply sent again and the
// server keeps each id once.
namespace schemas {
const TableSchema& outbox(); // Odchozi
} // namespace schemas

namespace outbox {

// Queues records of one of the school tables, in one transaction.
bool queueRecords(const QString& folder, const TableSchema& table, const QList<Row>& rows,
                  StoreError* error);
// Queues the deletion on the server of these profiles' records that reached
// it by the time, and drops what of theirs still waits: a profile removed
// here goes from the server as well, once it can be reached.
bool queueRemoval(const QString& folder, const QStringList& profiles, const QDateTime& when,
                  StoreError* error);
// Drops waiting records of the table whose fields equal the conditions'
// values (the first such, or all): what a learner deletes here before it was
// sent must not reach the server afterwards.
bool forget(const QString& folder, const TableSchema& table, const QList<Condition>& equal,
            bool all, StoreError* error);
// How many entries wait; 0 when there is no outbox.
std::optional<int> waiting(const QString& folder, StoreError* error);

// Sends what waits over the open server connection, oldest first, and
// removes from the outbox only what the server has taken. sent receives the
// number of entries delivered, even when a later one fails.
bool send(const QString& folder, const QString& connection, int* sent, StoreError* error);

} // namespace outbox
