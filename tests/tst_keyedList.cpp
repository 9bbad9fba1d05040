// The keyed list model: pages on demand, keys kept per row, failures told.
#include "core/records/keyedListModel.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// A fake table of keys 10, 20, ... with one text column, counting its fetches.
struct FakeTable {
    QList<qint64> keys;
    int fetches = 0;
    bool broken = false;

    KeyedListModel::Fetch fetch() {
        return [this](qint64 after, int limit) -> std::optional<KeyedListModel::Page> {
            ++fetches;
            if (broken)
                return std::nullopt;
            KeyedListModel::Page page;
            for (qint64 k : keys)
                if (k > after && page.keys.size() < limit) {
                    page.keys << k;
                    page.rows << QStringList{QString::number(k)};
                }
            return page;
        };
    }
};
} // namespace

class KeyedListTest : public QObject {
    Q_OBJECT
  private slots:
    void fetchesPageByPage_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("firstPage");
        QTest::addColumn<int>("fetchesToEnd");
        QTest::newRow("empty") << 0 << 0 << 1;
        QTest::newRow("less than a page") << 3 << 3 << 1;
        QTest::newRow("exactly a page") << 5 << 5 << 2; // one more fetch finds the end
        QTest::newRow("several pages") << 12 << 5 << 3;
    }
    void fetchesPageByPage() {
        QFETCH(int, records);
        QFETCH(int, firstPage);
        QFETCH(int, fetchesToEnd);
        FakeTable table;
        for (int i = 1; i <= records; ++i)
            table.keys << i * 10;
        KeyedListModel model({u"Číslo"_s}, {Qt::AlignRight}, table.fetch(), 5);
        QVERIFY(model.reload());
        QCOMPARE(model.rowCount(), firstPage);
        while (model.canFetchMore({}))
            model.fetchMore({});
        QCOMPARE(model.rowCount(), records);
        QCOMPARE(table.fetches, fetchesToEnd);
        if (records > 0) {
            QCOMPARE(model.keyAt(records - 1), qint64(records * 10));
            QCOMPARE(model.data(model.index(records - 1, 0), Qt::DisplayRole).toString(),
                     QString::number(records * 10));
        }
    }

    void removedRowKeepsTheOthersKeys() {
        FakeTable table{{10, 20, 30}};
        KeyedListModel model({u"A"_s}, {}, table.fetch(), 5);
        QVERIFY(model.reload());
        model.removeFetchedRow(1);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.keyAt(1), qint64(30));
        model.removeFetchedRow(7); // out of range: nothing happens
        QCOMPARE(model.rowCount(), 2);
    }

    void failureIsToldAndNotRetried() {
        FakeTable table{{10}};
        table.broken = true;
        KeyedListModel model({u"A"_s}, {}, table.fetch(), 5);
        int told = 0;
        connect(&model, &KeyedListModel::fetchFailed, this, [&] { ++told; });
        QVERIFY(!model.reload());
        QVERIFY(model.failed() && !model.canFetchMore({}));
        QCOMPARE(told, 1);
        table.broken = false;
        QVERIFY(model.reload());
        QCOMPARE(model.rowCount(), 1);
    }
};

QTEST_GUILESS_MAIN(KeyedListTest)
#include "tst_keyedList.moc"
