#pragma once

#include "core/store/storePlace.h"
#include "core/store/tableSchema.h"

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

class QDateTime;
class QSqlDatabase;
class QSqlError;

// A failure of the table store: the store's own text, its SQLite result code
// (0 when the text is the program's own) and the table's file.
struct StoreError {
    // Not SQLite's: a write failed because the folder refuses the journal file.
    static constexpr int kReadOnlyFolder = 0x10000;
    // Not SQLite's: the school's server refused or failed; its own text says why.
    static constexpr int kServer = 0x10001;

    QString text;
    QString file;
    int code = 0;

    // What failed (a Czech sentence, may be empty), the file, the failure in
    // Czech, and the store's original text as a detail line.
    QString message(const QString& what = {}) const;
};

// One condition on a field; conditions of a query are joined by AND.
struct Condition {
    enum class Op { Equal, Greater, LessOrEqual, In };
    QString field;
    Op op;
    QVariant value; // a QVariantList for In
};

using Row = QVariantList; // values in the schema's field order
// Conditions that match the rows equal to this one in every field.
QList<Condition> sameAs(const TableSchema& schema, const Row& row);

// A stored row with its key (SQLite's rowid), which tells apart even two
// records of identical values.
struct KeyedRow {
    qint64 key = 0;
    Row row;
};

// The one place that speaks SQL. Each table lives in its own SQLite file in a
// given folder, or in the program's schema on the school's server; values
// always travel as bound parameters. On the server a row's key is its "Klic"
// and every row carries a unique "Id", so that a record sent twice is stored
// once; the tables there are made by the server schema's own upgrade.
class TableStore {
  public:
    enum class Mode { ReadOnly, Existing, CreateIfMissing };

    TableStore(const TableSchema& schema, const StorePlace& place);
    ~TableStore();
    TableStore(const TableStore&) = delete;
    TableStore& operator=(const TableStore&) = delete;

    // Opens the table's file: ReadOnly and Existing (read and write) need the
    // file and its table; CreateIfMissing creates both from the schema.
    bool open(Mode mode);
    void close();
    bool isOpen() const { return open_; }
    QString filePath() const;
    // A server's tables always exist once its schema is in place.
    static bool fileExists(const TableSchema& schema, const StorePlace& place);
    // Writes one record, creating the table first when it does not exist yet.
    static bool append(const TableSchema& schema, const StorePlace& place, const Row& row,
                       StoreError* error);

    std::optional<int> count(const QList<Condition>& where = {});
    std::optional<QList<Row>> select(const QList<Condition>& where = {},
                                     const QString& orderBy = {});
    // A page of rows in the order of writing, those with a key above after,
    // at most limit of them (all with a negative limit).
    std::optional<QList<KeyedRow>> page(const QList<Condition>& where, qint64 after = 0,
                                        int limit = -1);
    // Only the named fields of the rows, in the order of writing: for reading
    // many rows of which few fields matter.
    std::optional<QList<Row>> fields(const QList<Condition>& where, const QStringList& names);
    bool insert(const QList<Row>& rows);                      // one transaction
    // On the server: the rows with their ids, in one transaction; a row whose
    // id is there already is left as it is.
    bool insertOnce(const QList<std::pair<QString, Row>>& rows);
    // On the server: the matching rows that reached it at or before the time.
    std::optional<int> removeReceivedBy(const QList<Condition>& where, const QDateTime& time);
    std::optional<int> remove(const QList<Condition>& where); // one transaction
    std::optional<int> removeKeys(const QList<qint64>& keys); // one transaction
    // An index over these fields, made once; lists of one profile then read
    // only its rows, not the whole table.
    bool ensureIndex(const QStringList& fields);

    const StoreError& error() const { return error_; }
    const TableSchema& schema() const { return schema_; }

  private:
    bool fail(const QString& text);
    bool fail(const QSqlError& error);
    bool requireOpen();
    bool checkOrCreateTable(Mode mode);
    QString columns() const;
    QString table() const;     // the table's name as SQL says it
    QString keyColumn() const; // rowid, or the server's "Klic"
    QSqlDatabase database() const;
    std::optional<int> removeWhere(const QString& clause, const QVariantList& bound);
    // Inserts in one transaction; with ids, each row's id first, once only.
    bool write(const QList<std::pair<QString, Row>>& rows, bool withIds);
    Row readRow(const QSqlQuery& query, int first) const;
    // Runs a statement that reads, with its values bound; nothing on failure.
    std::optional<QSqlQuery> read(const QString& sql, const QVariantList& bound);
    void recoverInterruptedWrite();

    const TableSchema& schema_;
    StorePlace place_;
    QString connection_;
    bool open_ = false;
    StoreError error_;
};
