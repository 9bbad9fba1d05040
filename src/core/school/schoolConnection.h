#pragma once

#include "core/settings/schoolServer.h"
#include "core/store/tableSchema.h"

#include <QList>
#include <QString>

// The record tables that go to the school's server: results, protocols and
// the answer history. The question bank stays on each PC.
const QList<const TableSchema*>& schoolTables();

// Opens a connection of this thread to the school's server under the name and
// makes sure the program's tables are there in this version. On failure the
// connection is gone and problem says in Czech what failed, with the server's
// own words below.
bool openSchool(const SchoolServer& server, const QString& name, QString* problem,
                int timeoutSeconds = 5);
void closeSchool(const QString& name);

// libpq's reason for a failed connection, told in Czech (the reason itself
// follows on a line of its own).
QString connectionProblem(const SchoolServer& server, const QString& reason);
