#include "core/store/serverSchema.h"

#include "core/store/sqlText.h"
#include "core/store/storePlace.h"
#include "core/store/tableStore.h"
#include "core/store/transaction.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;
using namespace sqltext;

namespace serverschema {
namespace {
// Any number the program alone uses: two PCs upgrading at once take turns.
constexpr qint64 kUpgradeLock = 0x7461726d656c6b61; // "tarmelka"
// PostgreSQL's code for a refused privilege.
const QString kNoPrivilege = u"42501"_s;

const QString schemaName() {
    return quoted(QString::fromLatin1(kServerSchema));
}

QString versionTable() {
    return serverTable(u"Verze"_s);
}

class Steps {
  public:
    Steps(const QString& connection, StoreError* error)
        : db_(QSqlDatabase::database(connection, false)), error_(error) {}

    // One statement; its values bound.
    bool run(const QString& sql, const QVariantList& bound = {}) {
        QSqlQuery query(db_);
        bool done = false;
        if (bound.isEmpty()) { // PostgreSQL prepares no CREATE or REVOKE
            done = query.exec(sql);
        } else {
            query.prepare(sql);
            for (const QVariant& v : bound)
                query.addBindValue(v);
            done = query.exec();
        }
        if (done)
            return true;
        refused_ = query.lastError().nativeErrorCode() == kNoPrivilege;
        return fail(query.lastError());
    }
    // The first value of a one-value statement; nothing when no row came.
    std::optional<QVariant> value(const QString& sql, const QVariantList& bound = {}) {
        QSqlError error;
        auto query = boundRead(db_, sql, bound, &error);
        if (!query) {
            fail(error);
            failed_ = true;
            return std::nullopt;
        }
        if (!query->next())
            return std::nullopt;
        return query->value(0);
    }
    bool fail(const QSqlError& e) {
        if (error_)
            *error_ = {e.text(), u"Verze na serveru školy"_s, StoreError::kServer};
        return false;
    }
    QSqlDatabase& db() { return db_; }
    bool refused() const { return refused_; }
    bool failed() const { return failed_; }

  private:
    QSqlDatabase db_;
    StoreError* error_;
    bool refused_ = false;
    bool failed_ = false;
};

QString createTable(const TableSchema& schema) {
    QStringList defs{u"\"Klic\" bigserial PRIMARY KEY"_s, u"\"Id\" uuid NOT NULL UNIQUE"_s,
                     u"\"Prijato\" timestamptz NOT NULL DEFAULT now()"_s};
    for (const Field& f : schema.fields)
        defs << quoted(f.name) + (f.type == FieldType::Integer ? u" integer"_s : u" text"_s);
    return u"CREATE TABLE "_s + serverTable(schema.name) + u" ("_s +
           defs.join(u", "_s) + u')';
}

// The lists read one profile's rows in the order of writing, so the index
// ends with the key; the purge and the overview read by profile too.
QString createIndex(const TableSchema& schema) {
    QStringList columns;
    for (const QString& f : schema.index)
        columns << quoted(f);
    columns << u"\"Klic\""_s;
    return u"CREATE INDEX "_s + quoted(schema.name + u"_poradi"_s) + u" ON "_s +
           serverTable(schema.name) + u" ("_s + columns.join(u", "_s) + u')';
}

// The learners of the school, one row each while any record of theirs is
// there, kept by triggers that run with the owner's rights, so the class
// overview lists them without reading a million records.
bool makeLearners(Steps& steps, const QList<const TableSchema*>& tables) {
    const QString learners = serverTable(u"Zaci"_s);
    QStringList noneLeft;
    for (const TableSchema* t : tables)
        noneLeft << u"NOT EXISTS (SELECT 1 FROM "_s + serverTable(t->name) +
                        u" r WHERE r.\"Profil\" = z.\"Profil\")"_s;
    const QString added = schemaName() + u".zaci_po_zapisu"_s;
    const QString removed = schemaName() + u".zaci_po_smazani"_s;
    const QString header = u" () RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER "
                           u"SET search_path = pg_catalog, pg_temp AS $$ BEGIN "_s;
    if (!steps.run(u"CREATE TABLE "_s + learners +
                   u" (\"Profil\" text PRIMARY KEY, \"Posledni\" timestamptz NOT NULL)"_s) ||
        !steps.run(u"CREATE FUNCTION "_s + added + header + u"INSERT INTO "_s + learners +
                   u" SELECT \"Profil\", now() FROM nove GROUP BY \"Profil\" ORDER BY "
                   u"\"Profil\" ON CONFLICT (\"Profil\") DO UPDATE SET \"Posledni\" = "
                   u"excluded.\"Posledni\"; RETURN NULL; END $$"_s) ||
        !steps.run(u"CREATE FUNCTION "_s + removed + header + u"DELETE FROM "_s + learners +
                   u" z WHERE z.\"Profil\" IN (SELECT \"Profil\" FROM stare) AND "_s +
                   noneLeft.join(u" AND "_s) + u"; RETURN NULL; END $$"_s))
        return false;
    for (const TableSchema* t : tables) {
        const QString table = serverTable(t->name);
        if (!steps.run(u"CREATE TRIGGER zaci_po_zapisu AFTER INSERT ON "_s + table +
                       u" REFERENCING NEW TABLE AS nove FOR EACH STATEMENT EXECUTE FUNCTION "_s +
                       added + u"()"_s) ||
            !steps.run(u"CREATE TRIGGER zaci_po_smazani AFTER DELETE ON "_s + table +
                       u" REFERENCING OLD TABLE AS stare FOR EACH STATEMENT EXECUTE FUNCTION "_s +
                       removed + u"()"_s))
            return false;
    }
    return true;
}

// Version 1: the record tables, the learners and the version row.
bool makeVersion1(Steps& steps, const QList<const TableSchema*>& tables) {
    const auto schemaThere =
        steps.value(u"SELECT 1 FROM pg_namespace WHERE nspname = ?"_s,
                    {QString::fromLatin1(kServerSchema)});
    if (steps.failed())
        return false;
    if (!schemaThere && !steps.run(u"CREATE SCHEMA "_s + schemaName()))
        return false;
    for (const TableSchema* t : tables)
        if (!steps.run(createTable(*t)) || !steps.run(createIndex(*t)))
            return false;
    if (!makeLearners(steps, tables))
        return false;
    if (!steps.run(u"CREATE TABLE "_s + versionTable() + u" (\"Verze\" integer NOT NULL)"_s) ||
        !steps.run(u"INSERT INTO "_s + versionTable() + u" VALUES (1)"_s))
        return false;
    // The classroom's rights come from the school's script as defaults for
    // every table; on the version row they would let a PC undo an upgrade,
    // and the learners are the triggers' to keep.
    const auto classroom =
        steps.value(u"SELECT 1 FROM pg_roles WHERE rolname = 'tarmelka_trida'"_s);
    return !classroom || steps.run(u"REVOKE INSERT, DELETE ON "_s + versionTable() + u", "_s +
                                   serverTable(u"Zaci"_s) + u" FROM tarmelka_trida"_s);
}
} // namespace

State ensure(const QString& connection, const QList<const TableSchema*>& tables, int* found,
             StoreError* error) {
    Steps steps(connection, error);
    *found = 0;
    Transaction transaction(steps.db());
    if (!transaction.started()) {
        steps.fail(steps.db().lastError());
        return State::Failed;
    }
    if (!steps.run(u"SELECT pg_advisory_xact_lock(?)"_s, {kUpgradeLock}))
        return State::Failed;
    const auto there = steps.value(u"SELECT to_regclass(?) IS NOT NULL"_s, {versionTable()});
    if (!there)
        return State::Failed;
    if (there->toBool()) {
        const auto version = steps.value(u"SELECT max(\"Verze\") FROM "_s + versionTable());
        if (steps.failed())
            return State::Failed;
        *found = version ? version->toInt() : 0;
    }
    if (*found > kVersion)
        return State::Newer;
    if (*found == kVersion)
        return transaction.commit() ? State::Ready : State::Failed;
    // Only version 1 exists so far; later versions add their steps here.
    if (!makeVersion1(steps, tables))
        return steps.refused() ? State::Missing : State::Failed;
    if (!transaction.commit()) {
        steps.fail(steps.db().lastError());
        return State::Failed;
    }
    *found = kVersion;
    return State::Ready;
}

bool answers(const QString& connection) {
    QSqlQuery query(QSqlDatabase::database(connection, false));
    return query.exec(u"SELECT 1"_s) && query.next();
}

} // namespace serverschema
