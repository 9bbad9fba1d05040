#include "core/school/outbox.h"

#include "core/school/schoolConnection.h"
#include "core/store/sqlText.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace schemas {
const TableSchema& outbox() {
    static const TableSchema schema{u"Odchozi"_s,
                                    {{u"Id"_s, FieldType::Text, 36},
                                     {u"Akce"_s, FieldType::Text, 6},
                                     {u"Tabulka"_s, FieldType::Text, 20},
                                     {u"Obsah"_s, FieldType::Memo},
                                     {u"Cas"_s, FieldType::DateTime}}};
    return schema;
}
} // namespace schemas

namespace outbox {
namespace {
const QString kWrite = u"zapsat"_s;
const QString kRemove = u"smazat"_s;
enum Column { kId, kAction, kTable, kContent, kTime };
constexpr int kBatch = 200; // entries per round trip; a send is never one huge transaction

// A record as the outbox keeps it: each field's stored value by name.
QString contentOf(const TableSchema& table, const Row& row) {
    QJsonObject object;
    for (int i = 0; i < table.fields.size(); ++i)
        object.insert(table.fields[i].name,
                      QJsonValue::fromVariant(sqltext::toStored(table.fields[i], row.value(i))));
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

Row rowOf(const TableSchema& table, const QString& content) {
    const QJsonObject object = QJsonDocument::fromJson(content.toUtf8()).object();
    Row row;
    for (const Field& f : table.fields)
        row << sqltext::fromStored(f, object.value(f.name).toVariant());
    return row;
}

const TableSchema* schoolTable(const QString& name) {
    for (const TableSchema* t : schoolTables())
        if (t->name == name)
            return t;
    return nullptr;
}

bool fail(StoreError* error, const StoreError& what) {
    if (error)
        *error = what;
    return false;
}

// Drops the waiting records (of the table, or of any with an empty name)
// that match: the first such, or all.
bool dropWaiting(const QString& folder, const QString& table,
                 const std::function<bool(const QJsonObject&)>& matches, bool all,
                 StoreError* error) {
    if (!TableStore::fileExists(schemas::outbox(), folder))
        return true;
    TableStore box(schemas::outbox(), folder);
    if (!box.open(TableStore::Mode::Existing))
        return fail(error, box.error());
    QList<Condition> which{{u"Akce"_s, Condition::Op::Equal, kWrite}};
    if (!table.isEmpty())
        which << Condition{u"Tabulka"_s, Condition::Op::Equal, table};
    const auto entries = box.page(which);
    if (!entries)
        return fail(error, box.error());
    QList<qint64> dropped;
    for (const KeyedRow& e : *entries) {
        if (!matches(QJsonDocument::fromJson(e.row[kContent].toString().toUtf8()).object()))
            continue;
        dropped << e.key;
        if (!all)
            break;
    }
    return box.removeKeys(dropped).has_value() || fail(error, box.error());
}

bool queue(const QString& folder, const QList<Row>& entries, StoreError* error) {
    TableStore box(schemas::outbox(), folder);
    return (box.open(TableStore::Mode::CreateIfMissing) && box.insert(entries)) ||
           fail(error, box.error());
}
} // namespace

bool queueRecords(const QString& folder, const TableSchema& table, const QList<Row>& rows,
                  StoreError* error) {
    QList<Row> entries;
    const QDateTime now = QDateTime::currentDateTime();
    for (const Row& row : rows)
        entries << Row{QUuid::createUuid().toString(QUuid::WithoutBraces), kWrite, table.name,
                       contentOf(table, row), now};
    return queue(folder, entries, error);
}

bool queueRemoval(const QString& folder, const QStringList& profiles, const QDateTime& when,
                  StoreError* error) {
    if (profiles.isEmpty())
        return true;
    // What of theirs still waits was never on the server: it simply goes.
    const bool dropped = dropWaiting(
        folder, {},
        [&profiles](const QJsonObject& r) {
            return profiles.contains(r.value(u"Profil"_s).toString());
        },
        true, error);
    if (!dropped)
        return false;
    const QString names = QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(profiles)).toJson(QJsonDocument::Compact));
    return queue(folder,
                 {Row{QUuid::createUuid().toString(QUuid::WithoutBraces), kRemove, QString(),
                      names, when}},
                 error);
}

bool forget(const QString& folder, const TableSchema& table, const QList<Condition>& equal,
            bool all, StoreError* error) {
    const auto same = [&](const QJsonObject& record) {
        return std::all_of(equal.begin(), equal.end(), [&](const Condition& c) {
            const Field& f = table.fields[table.indexOf(c.field)];
            return record.value(c.field).toVariant() == sqltext::toStored(f, c.value);
        });
    };
    return dropWaiting(folder, table.name, same, all, error);
}

std::optional<int> waiting(const QString& folder, StoreError* error) {
    if (!TableStore::fileExists(schemas::outbox(), folder))
        return 0;
    TableStore box(schemas::outbox(), folder);
    std::optional<int> count;
    if (box.open(TableStore::Mode::Existing))
        count = box.count();
    if (!count)
        fail(error, box.error());
    return count;
}

bool send(const QString& folder, const QString& connection, int* sent, StoreError* error) {
    *sent = 0;
    if (!TableStore::fileExists(schemas::outbox(), folder))
        return true;
    TableStore box(schemas::outbox(), folder);
    if (!box.open(TableStore::Mode::Existing))
        return fail(error, box.error());
    const StorePlace server = StorePlace::onServer(connection);
    for (;;) {
        const auto entries = box.page({}, 0, kBatch);
        if (!entries)
            return fail(error, box.error());
        if (entries->isEmpty())
            return true;
        // Records go table by table, each table's batch in one transaction;
        // a deletion waits until the records queued before it are there.
        QList<qint64> done;
        QHash<QString, QList<std::pair<QString, Row>>> batches;
        QList<qint64> batched;
        const auto flush = [&]() {
            for (auto it = batches.cbegin(); it != batches.cend(); ++it) {
                TableStore table(*schoolTable(it.key()), server);
                if (!table.open(TableStore::Mode::Existing) || !table.insertOnce(it.value()))
                    return fail(error, table.error());
            }
            batches.clear();
            done << batched;
            batched.clear();
            return true;
        };
        bool ok = true;
        for (const KeyedRow& e : *entries) {
            const QString action = e.row[kAction].toString();
            if (action == kWrite) {
                if (const TableSchema* t = schoolTable(e.row[kTable].toString()))
                    batches[t->name] << std::pair{e.row[kId].toString(),
                                                  rowOf(*t, e.row[kContent].toString())};
                batched << e.key; // an entry of no known table is dropped, never sent
                continue;
            }
            if (!(ok = flush()))
                break;
            if (action == kRemove) {
                const QJsonArray names =
                    QJsonDocument::fromJson(e.row[kContent].toString().toUtf8()).array();
                const QVariantList profiles = names.toVariantList();
                for (const TableSchema* t : profiles.isEmpty() ? QList<const TableSchema*>{}
                                                               : schoolTables()) {
                    TableStore table(*t, server);
                    if (!table.open(TableStore::Mode::Existing) ||
                        !table.removeReceivedBy({{u"Profil"_s, Condition::Op::In, profiles}},
                                                e.row[kTime].toDateTime())) {
                        ok = fail(error, table.error());
                        break;
                    }
                }
                if (!ok)
                    break;
            }
            done << e.key;
        }
        if (ok)
            ok = flush();
        // What the server took leaves the outbox even when a later entry failed.
        if (!box.removeKeys(done))
            return fail(error, box.error());
        *sent += int(done.size());
        if (!ok)
            return false;
    }
}

} // namespace outbox
