#include "core/store/tableStore.h"

#include "core/store/sqlText.h"
#include "core/store/transaction.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::StringLiterals;
using namespace sqltext;

namespace {
QAtomicInt connectionCounter;
} // namespace

QList<Condition> sameAs(const TableSchema& schema, const Row& row) {
    QList<Condition> same;
    for (int i = 0; i < row.size() && i < schema.fields.size(); ++i)
        same << Condition{schema.fields[i].name, Condition::Op::Equal, row[i]};
    return same;
}

TableStore::TableStore(const TableSchema& schema, const StorePlace& place)
    : schema_(schema), place_(place),
      connection_(
          u"tarmelka-%1-%2"_s.arg(schema.name).arg(connectionCounter.fetchAndAddRelaxed(1))) {}

TableStore::~TableStore() {
    close();
}

QString TableStore::filePath() const {
    if (place_.isServer())
        return u"%1 na serveru školy"_s.arg(schema_.name);
    return QDir(place_.folder).filePath(schema_.fileName());
}

bool TableStore::fileExists(const TableSchema& schema, const StorePlace& place) {
    return place.isServer() || QFileInfo::exists(QDir(place.folder).filePath(schema.fileName()));
}

QString TableStore::table() const {
    return place_.isServer() ? serverTable(schema_.name) : quoted(schema_.name);
}

QString TableStore::keyColumn() const {
    return place_.isServer() ? u"\"Klic\""_s : u"rowid"_s;
}

QSqlDatabase TableStore::database() const {
    return QSqlDatabase::database(place_.isServer() ? place_.server : connection_, false);
}

bool TableStore::append(const TableSchema& schema, const StorePlace& place, const Row& row,
                        StoreError* error) {
    TableStore store(schema, place);
    if (store.open(Mode::CreateIfMissing) && store.insert({row}))
        return true;
    if (error)
        *error = store.error();
    return false;
}

bool TableStore::fail(const QString& text) {
    error_ = {text, schema_.fileName(), 0};
    return false;
}

bool TableStore::fail(const QSqlError& error) {
    if (place_.isServer()) { // PostgreSQL's codes are not SQLite's; its text says it
        error_ = {error.text(), filePath(), StoreError::kServer};
        return false;
    }
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    // A failure without a code of its own still is the store's, not ours.
    int known = ok && code != 0 ? code : 1;
    const int primary = known & 0xff;
    if ((primary == 8 || primary == 14) && !QFileInfo(place_.folder).isWritable())
        known = StoreError::kReadOnlyFolder; // SQLite blames the file; the folder is at fault
    error_ = {error.text(), schema_.fileName(), known};
    return false;
}

bool TableStore::requireOpen() {
    return open_ || fail(u"Tabulka není otevřena."_s);
}

bool TableStore::open(Mode mode) {
    close();
    error_ = {};
    if (place_.isServer()) { // the connection is the school link's; it stays open
        if (!database().isOpen())
            return fail(u"Spojení se serverem školy není navázáno."_s);
        open_ = true;
        return true;
    }
    const bool existed = QFileInfo::exists(filePath());
    if (mode != Mode::CreateIfMissing && !existed)
        return fail(u"Soubor %1 neexistuje."_s.arg(QDir::toNativeSeparators(filePath())));
    if (mode == Mode::ReadOnly)
        recoverInterruptedWrite();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection_);
        db.setDatabaseName(filePath());
        if (mode == Mode::ReadOnly)
            db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        if (!db.open()) {
            const QSqlError error = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection_);
            return fail(error);
        }
    }
    open_ = true;
    if (!checkOrCreateTable(mode)) {
        const StoreError kept = error_;
        close();
        error_ = kept;
        return false;
    }
    return true;
}

void TableStore::recoverInterruptedWrite() {
    // A write killed half-way leaves a hot journal that only a read-write
    // connection rolls back; a read-only one would refuse the file meanwhile.
    if (QFileInfo(filePath() + u"-journal"_s).size() <= 0)
        return;
    const QString name = connection_ + u"-recovery"_s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(filePath());
        if (db.open()) {
            QSqlQuery(db).exec(u"PRAGMA schema_version"_s);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
}

void TableStore::close() {
    open_ = open_ && !place_.isServer();
    if (!QSqlDatabase::contains(connection_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    open_ = false;
}

bool TableStore::checkOrCreateTable(Mode mode) {
    QSqlDatabase db = database();
    QSqlQuery query(db);
    // Reading the table's columns also proves the file is a database at all.
    if (!query.exec(u"PRAGMA table_info("_s + quoted(schema_.name) + u")"_s))
        return fail(query.lastError());
    QStringList columns;
    while (query.next())
        columns << query.value(1).toString();
    if (columns.isEmpty()) {
        // A write killed before the table existed leaves an empty database:
        // it holds nothing to lose and becomes the empty table.
        const bool emptyFile = query.exec(u"SELECT count(*) FROM sqlite_master"_s) &&
                               query.next() && query.value(0).toInt() == 0;
        if (mode == Mode::ReadOnly || (mode == Mode::Existing && !emptyFile))
            return fail(u"Soubor neobsahuje tabulku %1."_s.arg(schema_.name));
        QStringList defs;
        for (const Field& f : schema_.fields)
            defs << quoted(f.name) + u' ' + sqlType(f.type);
        if (!query.exec(u"CREATE TABLE "_s + quoted(schema_.name) + u" ("_s + defs.join(u", "_s) +
                        u")"_s))
            return fail(query.lastError());
        return schema_.index.isEmpty() || ensureIndex(schema_.index);
    }
    QStringList expected;
    for (const Field& f : schema_.fields)
        expected << f.name;
    if (columns != expected)
        return fail(
            u"Tabulka %1 nemá očekávaná pole (%2)."_s.arg(schema_.name, expected.join(u", "_s)));
    return true;
}

std::optional<int> TableStore::count(const QList<Condition>& where) {
    if (!requireOpen())
        return std::nullopt;
    QVariantList bound;
    const QString clause = whereClause(schema_, where, bound);
    auto query = read(u"SELECT COUNT(*) FROM "_s + table() + clause, bound);
    if (!query)
        return std::nullopt;
    if (!query->next()) {
        fail(query->lastError());
        return std::nullopt;
    }
    return query->value(0).toInt();
}

QString TableStore::columns() const {
    QStringList names;
    for (const Field& f : schema_.fields)
        names << quoted(f.name);
    return names.join(u", "_s);
}

std::optional<QSqlQuery> TableStore::read(const QString& sql, const QVariantList& bound) {
    QSqlError error;
    auto query = boundRead(database(), sql, bound, &error);
    if (!query)
        fail(error);
    return query;
}

Row TableStore::readRow(const QSqlQuery& query, int first) const {
    Row row;
    row.reserve(schema_.fields.size());
    for (int i = 0; i < schema_.fields.size(); ++i)
        row << fromStored(schema_.fields[i], query.value(first + i));
    return row;
}

std::optional<QList<Row>> TableStore::select(const QList<Condition>& where,
                                             const QString& orderBy) {
    if (!requireOpen())
        return std::nullopt;
    QVariantList bound;
    QString sql =
        u"SELECT "_s + columns() + u" FROM "_s + table() + whereClause(schema_, where, bound);
    // the key keeps the order of writing, the table's own order, among equal values
    sql += orderBy.isEmpty() ? u" ORDER BY "_s + keyColumn()
                             : u" ORDER BY "_s + quoted(orderBy) + u", "_s + keyColumn();
    auto query = read(sql, bound);
    if (!query)
        return std::nullopt;
    QList<Row> rows;
    while (query->next())
        rows << readRow(*query, 0);
    return rows;
}

std::optional<QList<KeyedRow>> TableStore::page(const QList<Condition>& where, qint64 after,
                                                int limit) {
    if (!requireOpen())
        return std::nullopt;
    QVariantList bound;
    QString clause = whereClause(schema_, where, bound);
    clause += (clause.isEmpty() ? u" WHERE "_s : u" AND "_s) + keyColumn() + u" > ?"_s;
    bound << after;
    // PostgreSQL takes no negative limit; NULL there means all rows.
    bound << (limit < 0 && place_.isServer() ? QVariant() : QVariant(limit));
    auto query = read(u"SELECT "_s + keyColumn() + u", "_s + columns() + u" FROM "_s + table() +
                          clause + u" ORDER BY "_s + keyColumn() + u" LIMIT ?"_s,
                      bound);
    if (!query)
        return std::nullopt;
    QList<KeyedRow> rows;
    while (query->next())
        rows << KeyedRow{query->value(0).toLongLong(), readRow(*query, 1)};
    return rows;
}

bool TableStore::insert(const QList<Row>& rows) {
    if (place_.isServer()) // a row there needs its id; see insertOnce
        return requireOpen() &&
               fail(u"Na server školy se záznamy zapisují jen s identifikátorem."_s);
    QList<std::pair<QString, Row>> plain;
    plain.reserve(rows.size());
    for (const Row& row : rows)
        plain << std::pair{QString(), row};
    return write(plain, false);
}

bool TableStore::insertOnce(const QList<std::pair<QString, Row>>& rows) {
    if (!place_.isServer())
        return requireOpen() && fail(u"Záznamy s identifikátorem patří jen na server školy."_s);
    return write(rows, true);
}

bool TableStore::write(const QList<std::pair<QString, Row>>& rows, bool withIds) {
    if (!requireOpen())
        return false;
    QSqlDatabase db = database();
    Transaction transaction(db);
    if (!transaction.started())
        return fail(db.lastError());
    QStringList names, marks;
    if (withIds) {
        names << u"\"Id\""_s;
        marks << u"CAST(? AS uuid)"_s;
    }
    for (const Field& f : schema_.fields) {
        names << quoted(f.name);
        marks << u"?"_s;
    }
    QSqlQuery query(db);
    if (!query.prepare(u"INSERT INTO "_s + table() + u" ("_s + names.join(u", "_s) +
                       u") VALUES ("_s + marks.join(u", "_s) + u')' +
                       (withIds ? u" ON CONFLICT (\"Id\") DO NOTHING"_s : QString())))
        return fail(query.lastError());
    const int first = withIds ? 1 : 0;
    for (const auto& [id, row] : rows) {
        if (withIds)
            query.bindValue(0, id);
        for (int i = 0; i < schema_.fields.size(); ++i)
            query.bindValue(first + i, toStored(schema_.fields[i], row.value(i)));
        if (!query.exec())
            return fail(query.lastError());
    }
    if (!transaction.commit())
        return fail(db.lastError());
    return true;
}

std::optional<QList<Row>> TableStore::fields(const QList<Condition>& where,
                                             const QStringList& names) {
    if (!requireOpen())
        return std::nullopt;
    QList<const Field*> chosen;
    QStringList columns;
    for (const QString& name : names) {
        const int index = schema_.indexOf(name);
        Q_ASSERT_X(index >= 0, "TableStore", "an unknown field");
        chosen << &schema_.fields[index];
        columns << quoted(name);
    }
    QVariantList bound;
    const QString clause = whereClause(schema_, where, bound);
    auto query = read(u"SELECT "_s + columns.join(u", "_s) + u" FROM "_s + table() + clause +
                          u" ORDER BY "_s + keyColumn(),
                      bound);
    if (!query)
        return std::nullopt;
    QList<Row> rows;
    while (query->next()) {
        Row row;
        row.reserve(chosen.size());
        for (int i = 0; i < chosen.size(); ++i)
            row << fromStored(*chosen[i], query->value(i));
        rows << row;
    }
    return rows;
}

bool TableStore::ensureIndex(const QStringList& fields) {
    if (!requireOpen())
        return false;
    if (place_.isServer()) // made with the server's tables, by their owner
        return true;
    QStringList columns;
    for (const QString& f : fields)
        columns << quoted(f);
    const QString name = quoted(schema_.name + u'_' + fields.join(u'_'));
    QSqlQuery query(database());
    if (!query.exec(u"CREATE INDEX IF NOT EXISTS "_s + name + u" ON "_s + table() +
                    u" ("_s + columns.join(u", "_s) + u")"_s))
        return fail(query.lastError());
    return true;
}

std::optional<int> TableStore::remove(const QList<Condition>& where) {
    QVariantList bound;
    const QString clause = whereClause(schema_, where, bound);
    return removeWhere(clause, bound);
}

std::optional<int> TableStore::removeKeys(const QList<qint64>& keys) {
    if (keys.isEmpty())
        return requireOpen() ? std::optional<int>(0) : std::nullopt;
    QStringList marks;
    QVariantList bound;
    for (qint64 key : keys) {
        marks << u"?"_s;
        bound << key;
    }
    return removeWhere(u" WHERE "_s + keyColumn() + u" IN ("_s + marks.join(u", "_s) + u")"_s,
                       bound);
}

std::optional<int> TableStore::removeWhere(const QString& clause, const QVariantList& bound) {
    if (!requireOpen())
        return std::nullopt;
    QSqlDatabase db = database();
    Transaction transaction(db);
    if (!transaction.started()) {
        fail(db.lastError());
        return std::nullopt;
    }
    QSqlQuery query(db);
    query.prepare(u"DELETE FROM "_s + table() + clause);
    for (const QVariant& v : bound)
        query.addBindValue(v);
    if (!query.exec()) {
        fail(query.lastError());
        return std::nullopt;
    }
    const int removed = query.numRowsAffected();
    if (!transaction.commit()) {
        fail(db.lastError());
        return std::nullopt;
    }
    return removed;
}

std::optional<int> TableStore::removeReceivedBy(const QList<Condition>& where,
                                                const QDateTime& time) {
    if (!place_.isServer()) {
        fail(u"Čas příjmu mají jen záznamy na serveru školy."_s);
        return std::nullopt;
    }
    QVariantList bound;
    QString clause = whereClause(schema_, where, bound);
    // The outbox keeps the time to the second; a record that reached the
    // server in that same second came before the removal.
    clause += (clause.isEmpty() ? u" WHERE "_s : u" AND "_s) +
              u"date_trunc('second', \"Prijato\") <= CAST(? AS timestamptz)"_s;
    bound << time.toUTC().toString(Qt::ISODate);
    return removeWhere(clause, bound);
}
