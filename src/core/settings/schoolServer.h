#pragma once

#include <QString>
#include <QStringList>

// The school's PostgreSQL server as the [Skola] section of config.ini names
// it. No password: libpq's own password or service file holds it.
struct SchoolServer {
    QString service; // a service of pg_service.conf; host and the rest may come from it
    QString host;    // a name, an address, or a socket folder
    int port = 0; // 0: the service's or libpq's own (5432)
    QString database;
    QString user;
    QString sslMode = QStringLiteral("prefer");

    bool isSet() const { return !service.isEmpty() || !host.isEmpty(); }
    bool operator==(const SchoolServer&) const = default;
};

// libpq's TLS modes, the weakest first.
const QStringList& sslModes();

// What is wrong with the server's description, as a Czech sentence; empty
// when it can be used. Values reach libpq's connection string, so only plain
// names pass.
QString schoolServerProblem(const SchoolServer& server);

// The libpq options that QSqlDatabase::setConnectOptions takes for it.
QString connectOptions(const SchoolServer& server, int timeoutSeconds);
