#include "core/school/schoolConnection.h"

#include "core/records/answerHistory.h"
#include "core/records/protocolRecord.h"
#include "core/records/resultRecord.h"
#include "core/store/serverSchema.h"
#include "core/store/tableStore.h"

#include <QSqlDatabase>
#include <QSqlError>

using namespace Qt::StringLiterals;

const QList<const TableSchema*>& schoolTables() {
    static const QList<const TableSchema*> tables{&schemas::results(), &schemas::protocols(),
                                                  &schemas::answers()};
    return tables;
}

namespace {
QString withDetail(const QString& sentence, const QString& detail) {
    return detail.trimmed().isEmpty() ? sentence
                                      : sentence + u"\nPodrobnosti: "_s + detail.trimmed();
}

QString userName(const SchoolServer& s) {
    return s.user.isEmpty() ? u"(uživatel podle systému)"_s : s.user;
}
} // namespace

QString connectionProblem(const SchoolServer& s, const QString& reason) {
    // libpq says it in English unless built for the system's language; an
    // unknown wording still gets the general sentence and the reason itself.
    const auto has = [&reason](const char* words) {
        return reason.contains(QLatin1StringView(words), Qt::CaseInsensitive);
    };
    QString sentence;
    if (has("password authentication failed"))
        sentence = u"Server školy odmítl heslo uživatele %1. Heslo patří do souboru hesel "
                   u"knihovny libpq (~/.pgpass) nebo do souboru služeb pg_service.conf; "
                   u"program ho neukládá."_s.arg(userName(s));
    else if (has("no password supplied"))
        sentence = u"Server školy žádá heslo, ale soubor hesel knihovny libpq (~/.pgpass) pro "
                   u"uživatele %1 žádné neuvádí."_s.arg(userName(s));
    else if (has("database") && has("does not exist"))
        sentence = u"Databáze %1 na serveru školy neexistuje."_s.arg(s.database);
    else if (has("role") && has("does not exist"))
        sentence = u"Uživatel %1 na serveru školy neexistuje."_s.arg(userName(s));
    else if (has("definition of service") || has("service file"))
        sentence = u"Služba %1 není popsána v souboru služeb pg_service.conf."_s.arg(s.service);
    else if (has("ssl") || has("certificate") || has("gssencmode"))
        sentence = u"Šifrované spojení (TLS) se serverem školy se v režimu %1 nepodařilo "
                   u"navázat."_s.arg(s.sslMode);
    else if (has("pg_hba.conf") || has("authentication"))
        sentence = u"Server školy toto připojení nepovolil."_s;
    else
        sentence = u"Server školy není dostupný."_s;
    return withDetail(sentence, reason);
}

bool openSchool(const SchoolServer& s, const QString& name, QString* problem,
                int timeoutSeconds) {
    if (const QString wrong = schoolServerProblem(s); !wrong.isEmpty()) {
        *problem = wrong;
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(u"QPSQL"_s)) {
        *problem = u"Ovladač databáze PostgreSQL pro Qt (balíček libqt6sql6-psql) není "
                   u"nainstalován."_s;
        return false;
    }
    closeSchool(name);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, name);
        if (!s.host.isEmpty())
            db.setHostName(s.host);
        if (s.port > 0)
            db.setPort(s.port);
        if (!s.database.isEmpty())
            db.setDatabaseName(s.database);
        if (!s.user.isEmpty())
            db.setUserName(s.user);
        db.setConnectOptions(connectOptions(s, timeoutSeconds));
        if (!db.open()) {
            *problem = connectionProblem(s, db.lastError().databaseText());
            db = QSqlDatabase();
            closeSchool(name);
            return false;
        }
    }
    int version = 0;
    StoreError error;
    switch (serverschema::ensure(name, schoolTables(), &version, &error)) {
    case serverschema::State::Ready:
        return true;
    case serverschema::State::Missing:
        *problem = withDetail(
            u"Na serveru školy ještě nejsou tabulky programu a uživatel %1 je nesmí vytvořit. "
            u"Správce databáze se musí jednou připojit jako její vlastník."_s.arg(userName(s)),
            error.text);
        break;
    case serverschema::State::Newer:
        *problem = u"Tabulky na serveru školy pocházejí z novější verze programu (verze %1, tato "
                   u"verze zná nejvýše %2). Program s nimi pracovat nebude; aktualizujte ho."_s
                       .arg(version)
                       .arg(serverschema::kVersion);
        break;
    case serverschema::State::Failed:
        *problem = withDetail(u"Tabulky programu na serveru školy nelze ověřit."_s, error.text);
        break;
    }
    closeSchool(name);
    return false;
}

void closeSchool(const QString& name) {
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
