// Counting the selectable set, the slowest random draw, and the purge at close.
#include "benchStats.h"
#include "core/questions/questionTable.h"
#include "core/questions/selection.h"
#include "core/records/protocolRecord.h"
#include "core/records/purge.h"
#include "core/records/resultRecord.h"

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QuestionTable table(QStringLiteral(TARMELKA_PROGRAM_DIR));
    if (!table.open())
        return 1;
    const BankIndex index = BankIndex::from(*table.range(0, 757));
    const Selection all{{true, true, true, true, true, true, true}, QStringLiteral("B")};
    const int total = all.count(index);
    std::printf("selectable set, all categories, group B: %d questions\n", total);

    Samples load, count, lastDraw;
    for (int i = 0; i < 200; ++i)
        load.time([&] { (void)BankIndex::from(*table.range(0, 757)); });
    for (int i = 0; i < 2000; ++i)
        count.time([&] { (void)all.count(index); });
    QRandomGenerator generator(1);
    for (int round = 0; round < 50; ++round) {
        QList<int> taken;
        for (int i = 0; i < total - 1; ++i)
            taken << *all.nextRandom(index, taken, generator);
        lastDraw.time([&] { (void)all.nextRandom(index, taken, generator); });
    }
    load.report("read the table for a run");
    count.report("count the selectable set");
    lastDraw.report("last random draw of a full-length run");

    QTemporaryDir dir;
    for (const TableSchema* schema : {&schemas::results(), &schemas::protocols()}) {
        TableStore store(*schema, dir.path());
        store.open(TableStore::Mode::CreateIfMissing);
        QList<Row> rows;
        for (int i = 0; i < 100000; ++i) {
            Row row(schema->fields.size());
            row[schema->indexOf(QStringLiteral("Profil"))] = QStringLiteral("Žák %1").arg(i % 40);
            rows << row;
        }
        store.insert(rows);
    }
    QStringList kept;
    for (int i = 0; i < 30; ++i)
        kept << QStringLiteral("Žák %1").arg(i);
    Samples purge;
    purge.time([&] { PurgeRemovedProfiles(dir.path(), kept, nullptr); });
    purge.report("purge 2 x 100000 records (25 % removed)");
    return 0;
}
