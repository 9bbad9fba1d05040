#include "core/school/upload.h"

#include "core/school/outbox.h"
#include "core/school/schoolConnection.h"

#include <QUuid>

using namespace Qt::StringLiterals;

namespace {
// Any fixed uuid: the namespace of the ids made here.
const QUuid kNamespace = QUuid(u"6f1c2d3e-8a47-4b9e-9c51-7461726d656c"_s);
constexpr int kBatch = 500;

QString idOf(const TableSchema& table, qint64 key, const Row& row) {
    QByteArray name = table.name.toUtf8() + '\n' + QByteArray::number(key);
    for (const QVariant& v : row)
        name += '\n' + v.toString().toUtf8();
    return QUuid::createUuidV5(kNamespace, name).toString(QUuid::WithoutBraces);
}

bool fail(StoreError* error, const StoreError& what) {
    if (error)
        *error = what;
    return false;
}
} // namespace

bool uploadEarlierRecords(const QString& folder, const QString& connection, UploadCount* count,
                          StoreError* error) {
    *count = {};
    // What waits in the outbox goes first, under its own ids, so that it is
    // found on the server below rather than sent a second time.
    int waited = 0;
    if (!outbox::send(folder, connection, &waited, error))
        return false;
    for (const TableSchema* t : schoolTables()) {
        if (!TableStore::fileExists(*t, folder))
            continue;
        TableStore local(*t, folder);
        TableStore server(*t, StorePlace::onServer(connection));
        if (!local.open(TableStore::Mode::ReadOnly))
            return fail(error, local.error());
        if (!server.open(TableStore::Mode::Existing))
            return fail(error, server.error());
        for (qint64 after = 0;;) {
            const auto rows = local.page({}, after, kBatch);
            if (!rows)
                return fail(error, local.error());
            if (rows->isEmpty())
                break;
            QList<std::pair<QString, Row>> missing;
            for (const KeyedRow& r : *rows) {
                const auto there = server.count(sameAs(*t, r.row));
                if (!there)
                    return fail(error, server.error());
                if (*there > 0)
                    ++count->present;
                else
                    missing << std::pair{idOf(*t, r.key, r.row), r.row};
            }
            if (!server.insertOnce(missing))
                return fail(error, server.error());
            count->sent += int(missing.size());
            after = rows->last().key;
        }
    }
    return true;
}
