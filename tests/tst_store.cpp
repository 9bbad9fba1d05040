// The table store and the purge of removed profiles, on files of their own.
#include "core/questions/questionTable.h"
#include "core/records/protocolRecord.h"
#include "core/records/purge.h"
#include "core/records/resultsTable.h"
#include "core/store/tableStore.h"

#include <QDate>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {
Row resultRow(const QString& profile, int wrong = 0) {
    return Row{u"Procvičování"_s,
               profile,
               QDate(2026, 12, 7),
               QTime(10, 15, 30),
               u"B"_s,
               u"1234567"_s,
               20,
               wrong,
               u"12, 45"_s,
               0,
               QString(),
               90};
}

int countIn(const TableSchema& schema, const QString& folder) {
    TableStore store(schema, folder);
    if (!store.open(TableStore::Mode::ReadOnly))
        return -1;
    return store.count().value_or(-1);
}
} // namespace

class StoreTest : public QObject {
    Q_OBJECT
  private slots:
    void createsMissingTableAndRoundTripsTypes() {
        QTemporaryDir dir;
        TableStore store(schemas::results(), dir.path());
        QVERIFY(store.open(TableStore::Mode::CreateIfMissing));
        QVERIFY(QFile::exists(dir.filePath(u"Vysledky.DB"_s)));
        QVERIFY(store.insert({resultRow(u"Jana"_s, 3)}));
        const auto rows = store.select();
        QVERIFY(rows);
        QCOMPARE(rows->size(), 1);
        const Row& r = rows->first();
        QCOMPARE(r[0].toString(), u"Procvičování"_s);
        QCOMPARE(r[2].toDate(), QDate(2026, 12, 7));
        QCOMPARE(r[3].toTime(), QTime(10, 15, 30));
        QCOMPARE(r[7].toInt(), 3);
        QCOMPARE(r[8].toString(), u"12, 45"_s);
    }

    void damagedNumbersNeverWrapRound_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("read");
        QTest::newRow("past the top") << u"2147483648"_s << std::numeric_limits<int>::max();
        QTest::newRow("far below") << u"-99999999999"_s << std::numeric_limits<int>::min();
        QTest::newRow("not a number") << u"x"_s << 0;
    }
    void damagedNumbersNeverWrapRound() {
        QFETCH(QString, stored);
        QFETCH(int, read);
        QTemporaryDir dir;
        {
            TableStore store(schemas::results(), dir.path());
            QVERIFY(store.open(TableStore::Mode::CreateIfMissing));
            QVERIFY(store.insert({resultRow(u"Jana"_s, 3)}));
        }
        {
            auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"damage"_s);
            db.setDatabaseName(dir.filePath(u"Vysledky.DB"_s));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(u"UPDATE Vysledky SET Uspesnost = "_s +
                           (stored == u"x"_s ? u"'x'"_s : stored)));
        }
        QSqlDatabase::removeDatabase(u"damage"_s);
        TableStore store(schemas::results(), dir.path());
        QVERIFY(store.open(TableStore::Mode::ReadOnly));
        QCOMPARE(store.select()->first().last().toInt(), read);
    }

    void cutsTextsToTheirFieldSize() {
        QTemporaryDir dir;
        TableStore store(schemas::results(), dir.path());
        QVERIFY(store.open(TableStore::Mode::CreateIfMissing));
        const QString forty = QString(u'Ž').repeated(40);
        QVERIFY(store.insert({resultRow(forty)}));
        const auto rows = store.select();
        QCOMPARE(rows->first()[1].toString(), QString(u'Ž').repeated(30));
        // A condition on the long name finds the record that was cut to fit.
        QCOMPARE(store.count({{u"Profil"_s, Condition::Op::Equal, forty}}), 1);
    }

    void valuesAreBoundNotSpliced() {
        QTemporaryDir dir;
        TableStore store(schemas::results(), dir.path());
        QVERIFY(store.open(TableStore::Mode::CreateIfMissing));
        const QString nasty = u"O'Brien\"; DROP TABLE Vysledky; --"_s;
        QVERIFY(store.insert({resultRow(nasty), resultRow(u"Petr"_s)}));
        QCOMPARE(store.count({{u"Profil"_s, Condition::Op::Equal, nasty}}), 1);
        QCOMPARE(store.remove({{u"Profil"_s, Condition::Op::Equal, nasty}}), 1);
        QCOMPARE(store.count(), 1);
    }

    void reportsMissingDamagedAndForeignFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << QByteArray() << u"neexistuje"_s;
        QTest::newRow("not a database")
            << QByteArray("this is not a table at all, just text\n").repeated(50) << u""_s;
    }
    void reportsMissingDamagedAndForeignFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        if (!content.isEmpty()) {
            QFile f(dir.filePath(u"otazky.DB"_s));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        TableStore store(schemas::questions(), dir.path());
        QVERIFY(!store.open(TableStore::Mode::ReadOnly));
        QVERIFY(!store.isOpen());
        QCOMPARE(store.error().file, u"otazky.DB"_s);
        QVERIFY(!store.error().text.isEmpty());
        QVERIFY(store.error().text.contains(expected));
        QVERIFY(store.error().message().contains(u"otazky.DB"_s));
    }

    void refusesATableOfOtherFields() {
        QTemporaryDir dir;
        {
            // A results table saved under the question table's name.
            TableStore results(schemas::results(), dir.path());
            QVERIFY(results.open(TableStore::Mode::CreateIfMissing));
        }
        QFile::rename(dir.filePath(u"Vysledky.DB"_s), dir.filePath(u"Protokoly.DB"_s));
        TableStore store(schemas::protocols(), dir.path());
        QVERIFY(!store.open(TableStore::Mode::Existing));
    }

    void purgeRemovesTheNamedProfileFromBothTables() {
        QTemporaryDir dir;
        {
            TableStore results(schemas::results(), dir.path());
            QVERIFY(results.open(TableStore::Mode::CreateIfMissing));
            QVERIFY(results.insert({resultRow(u"Jana"_s), resultRow(u"Petr"_s),
                                    resultRow(u"Default"_s), resultRow(u"Petr"_s)}));
            TableStore protocols(schemas::protocols(), dir.path());
            QVERIFY(protocols.open(TableStore::Mode::CreateIfMissing));
            Row p{u"Petr"_s, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)),
                  u"B"_s,    u"07:05"_s,
                  20,        50,
                  43,        u"Prošel"_s,
                  QString(), QString(),
                  QString(), QString()};
            Row q = p;
            q[0] = u"Jana"_s;
            QVERIFY(protocols.insert({p, q}));
        }
        StoreError error;
        QVERIFY(PurgeRemovedProfiles(dir.path(), {u"Petr"_s}, &error));
        TableStore results(schemas::results(), dir.path());
        QVERIFY(results.open(TableStore::Mode::ReadOnly));
        QCOMPARE(results.count(), 2);
        QCOMPARE(results.count({{u"Profil"_s, Condition::Op::Equal, u"Petr"_s}}), 0);
        QCOMPARE(countIn(schemas::protocols(), dir.path()), 1);
    }

    void purgeWithNoNamesTouchesNothing() {
        QTemporaryDir dir;
        {
            TableStore results(schemas::results(), dir.path());
            QVERIFY(results.open(TableStore::Mode::CreateIfMissing));
            QVERIFY(results.insert({resultRow(u"Jana"_s)}));
        }
        QVERIFY(PurgeRemovedProfiles(dir.path(), {}, nullptr));
        QCOMPARE(countIn(schemas::results(), dir.path()), 1);
        // A missing protocol table is skipped, not created.
        QVERIFY(!QFile::exists(dir.filePath(u"Protokoly.DB"_s)));
    }

    void purgeReportsADamagedTable() {
        QTemporaryDir dir;
        QFile f(dir.filePath(u"Vysledky.DB"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        StoreError error;
        QVERIFY(!PurgeRemovedProfiles(dir.path(), {u"Jana"_s}, &error));
        QCOMPARE(error.file, u"Vysledky.DB"_s);
        QCOMPARE(f.size(), 4096); // left as it was
    }

    void keyedRemoveTakesOneOfTwoIdenticalRecords() {
        QTemporaryDir dir;
        TableStore store(schemas::results(), dir.path());
        QVERIFY(store.open(TableStore::Mode::CreateIfMissing));
        QVERIFY(store.insert({resultRow(u"Jana"_s), resultRow(u"Jana"_s), resultRow(u"Petr"_s)}));
        const auto rows = store.page({});
        QVERIFY(rows && rows->size() == 3);
        QCOMPARE(rows->at(0).row, rows->at(1).row);
        QCOMPARE(store.removeKeys({rows->at(1).key}), 1);
        const auto left = store.page({});
        QCOMPARE(left->size(), 2);
        QCOMPARE(left->at(0).key, rows->at(0).key);
        QCOMPARE(left->at(1).key, rows->at(2).key);
        QCOMPARE(store.removeKeys({rows->at(1).key}), 0); // gone already: nothing else goes
    }

    void pagesFollowTheLastKey() {
        QTemporaryDir dir;
        TableStore store(schemas::results(), dir.path());
        QVERIFY(store.open(TableStore::Mode::CreateIfMissing));
        QList<Row> rows;
        for (int i = 0; i < 25; ++i)
            rows << resultRow(i % 2 ? u"Jana"_s : u"Petr"_s, i);
        QVERIFY(store.insert(rows));
        QList<int> wrong;
        qint64 after = 0;
        const QList<Condition> jana{{u"Profil"_s, Condition::Op::Equal, u"Jana"_s}};
        while (const auto page = store.page(jana, after, 5)) {
            if (page->isEmpty())
                break;
            QVERIFY(page->size() <= 5);
            for (const KeyedRow& r : *page)
                wrong << r.row[7].toInt();
            after = page->last().key;
        }
        QCOMPARE(wrong, (QList<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23}));
    }

    void resultsTableListsOneProfilesKindAndRoundTrips() {
        QTemporaryDir dir;
        ResultRecord r;
        r.kind = kExaminationKind;
        r.profile = QString(35, u'ž'); // longer than the field: found by what was kept
        r.written = QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7));
        r.group = u"C"_s;
        r.categories = u"137"_s;
        r.questionCount = 20;
        r.wrongCount = 2;
        r.wrongNumbers = {12, 301};
        r.hintCount = 1;
        r.hintNumbers = {45};
        r.successPercent = 88;
        QVERIFY(WriteResultRecord(dir.path(), r, nullptr));
        ResultRecord other = r;
        other.kind = kPracticeKind;
        QVERIFY(WriteResultRecord(dir.path(), other, nullptr));
        ResultsTable table(dir.path());
        QVERIFY(table.exists() && table.open());
        const auto list = table.list(r.profile, kExaminationKind);
        QVERIFY(list && list->size() == 1);
        const ResultRecord& back = list->first().record;
        QCOMPARE(back.profile, r.profile.left(30));
        QCOMPARE(back.written, r.written);
        QCOMPARE(back.wrongNumbers, r.wrongNumbers);
        QCOMPARE(back.hintNumbers, r.hintNumbers);
        QCOMPARE(back.categories, r.categories);
        QCOMPARE(back.successPercent, 88);
        QCOMPARE(table.removeAll(r.profile, kExaminationKind), 1);
        QCOMPARE(table.count(r.profile, kPracticeKind), 1);
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "tst_store.moc"
