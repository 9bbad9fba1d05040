#pragma once

#include "core/store/tableSchema.h"

#include <QList>
#include <QString>

struct StoreError;

// The program's tables on a school server, in the schema kServerSchema: made
// on the first connection of a role that may make them, upgraded step by
// step, never touched by a newer version's tables.
namespace serverschema {

// The layout this program writes and reads.
inline constexpr int kVersion = 1;

enum class State {
    Ready,     // the tables are there in this version
    Missing,   // none yet, and this role may not make them
    Newer,     // made by a newer version of the program
    Failed,    // the server refused or the connection broke
};

// Checks the tables over the open connection, making or upgrading them when
// the role may; found receives the version on the server (0 when none).
State ensure(const QString& connection, const QList<const TableSchema*>& tables, int* found,
             StoreError* error);

// Whether the server still answers over the open connection.
bool answers(const QString& connection);

} // namespace serverschema
