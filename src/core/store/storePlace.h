#pragma once

#include <QString>

// Where record tables live: the SQLite files of a folder, as always, or the
// school's server through a database connection already open in this thread.
struct StorePlace {
    QString folder;
    QString server; // a QSqlDatabase connection name; empty for the folder

    StorePlace() = default;
    // A folder is the usual place, so a folder's path stands for it.
    StorePlace(const QString& folder) : folder(folder) {} // NOLINT(google-explicit-constructor)
    static StorePlace onServer(const QString& connection) {
        StorePlace place;
        place.server = connection;
        return place;
    }
    bool isServer() const { return !server.isEmpty(); }
};

// The schema on the school's server that holds the program's tables.
inline constexpr char kServerSchema[] = "tarmelka";
