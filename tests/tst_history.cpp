// The answer history: its table, its records, the purge of a removed
// profile, and the answers a scored points test leaves.
#include "core/pointstest/testScore.h"
#include "core/records/answerHistory.h"
#include "core/records/purge.h"
#include "core/records/resultRecord.h"
#include "testData.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
const QDateTime kNoon(QDate(2026, 3, 4), QTime(12, 0, 0));

AnswerRecord answer(const QString& profile, int number, bool right, int minutes = 0,
                    RunKind kind = RunKind::Practice, bool hint = false) {
    return AnswerRecord{profile, number, kNoon.addSecs(60 * minutes), right, hint, kind};
}

int rows(const TableSchema& schema, const QString& folder) {
    TableStore store(schema, folder);
    return store.open(TableStore::Mode::ReadOnly) ? store.count().value_or(-1) : 0;
}
} // namespace

class HistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void roundTripKeepsEveryField_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("hint");
        QTest::newRow("practice right") << int(RunKind::Practice) << true << false;
        QTest::newRow("practice hinted") << int(RunKind::Practice) << false << true;
        QTest::newRow("examination wrong") << int(RunKind::Examination) << false << false;
        QTest::newRow("points test right") << int(RunKind::PointsTest) << true << false;
    }
    void roundTripKeepsEveryField() {
        QFETCH(int, kind);
        QFETCH(bool, right);
        QFETCH(bool, hint);
        QTemporaryDir dir;
        const AnswerRecord written{u"Jana"_s, 757, kNoon, right, hint, RunKind(kind)};
        StoreError error;
        QVERIFY2(appendAnswers(dir.path(), {written}, &error), qPrintable(error.text));
        const auto read = readAnswers(dir.path(), u"Jana"_s, &error);
        QVERIFY(read && read->size() == 1);
        const AnswerRecord& r = read->first();
        QCOMPARE(r.profile, written.profile);
        QCOMPARE(r.number, 757);
        QCOMPARE(r.answered, kNoon);
        QCOMPARE(r.right, right);
        QCOMPARE(r.hint, hint);
        QCOMPARE(int(r.kind), kind);
    }

    void kindsAreStoredAsTheResultsTableNamesThem() {
        QCOMPARE(runKindText(RunKind::Practice), u"Procvičování"_s);
        QCOMPARE(runKindText(RunKind::Examination), u"Zkoušení"_s);
        QCOMPARE(runKindText(RunKind::PointsTest), u"Test na body"_s);
        QVERIFY(!runKindFrom(u"Prohlížení"_s));
    }

    void readsOneProfileInTheOrderOfWriting() {
        QTemporaryDir dir;
        QVERIFY(appendAnswers(dir.path(), {answer(u"A"_s, 5, true), answer(u"B"_s, 6, false)},
                              nullptr));
        // A later answer with an earlier time still comes later: order is writing order.
        QVERIFY(appendAnswers(dir.path(), {answer(u"A"_s, 7, false, -30)}, nullptr));
        const auto a = readAnswers(dir.path(), u"A"_s, nullptr);
        QVERIFY(a);
        QCOMPARE(a->size(), 2);
        QCOMPARE(a->at(0).number, 5);
        QCOMPARE(a->at(1).number, 7);
        QCOMPARE(readAnswers(dir.path(), u"C"_s, nullptr)->size(), 0);
        // The summary's lighter read gives the same answers in the same order.
        const auto outcomes = readAnswers(dir.path(), u"A"_s, nullptr, AnswerDetail::Outcomes);
        QVERIFY(outcomes && outcomes->size() == 2);
        QCOMPARE(outcomes->at(0).number, 5);
        QVERIFY(outcomes->at(0).right && !outcomes->at(1).right);
    }

    void missingTableReadsEmptyAndIsNotCreated() {
        QTemporaryDir dir;
        const auto read = readAnswers(dir.path(), u"A"_s, nullptr);
        QVERIFY(read && read->isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(u"Odpovedi.DB"_s)));
    }

    void longProfileNameIsCutLikeTheOtherTables() {
        QTemporaryDir dir;
        const QString longName = QString(40, u'x');
        QVERIFY(appendAnswers(dir.path(), {answer(longName, 1, true)}, nullptr));
        const auto read = readAnswers(dir.path(), longName, nullptr);
        QVERIFY(read && read->size() == 1);
        QCOMPARE(read->first().profile, QString(30, u'x'));
    }

    void damagedRowsAreSkipped_data() {
        QTest::addColumn<QVariant>("number");
        QTest::addColumn<QString>("kind");
        QTest::newRow("number out of the bank") << QVariant(758) << u"Zkoušení"_s;
        QTest::newRow("number zero") << QVariant(0) << u"Zkoušení"_s;
        QTest::newRow("unknown kind") << QVariant(12) << u"Hra"_s;
    }
    void damagedRowsAreSkipped() {
        QFETCH(QVariant, number);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        {
            TableStore store(schemas::answers(), dir.path());
            QVERIFY(store.open(TableStore::Mode::CreateIfMissing));
            QVERIFY(store.insert(
                {Row{u"A"_s, number, kNoon, 1, 0, kind}, answer(u"A"_s, 3, true).toRow()}));
        }
        const auto read = readAnswers(dir.path(), u"A"_s, nullptr);
        QVERIFY(read);
        QCOMPARE(read->size(), 1);
        QCOMPARE(read->first().number, 3);
    }

    void unreadableTableIsAFailureWithTheFileName() {
        QTemporaryDir dir;
        QFile junk(dir.filePath(u"Odpovedi.DB"_s));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'z'));
        junk.close();
        StoreError error;
        QVERIFY(!readAnswers(dir.path(), u"A"_s, &error));
        QVERIFY(error.file.endsWith(u"Odpovedi.DB"_s));
        QVERIFY(!appendAnswers(dir.path(), {answer(u"A"_s, 1, true)}, &error));
        QCOMPARE(junk.size(), 4096); // nothing was written over it
    }

    void purgeRemovesTheProfilesAnswersOnly() {
        QTemporaryDir dir;
        QVERIFY(appendAnswers(
            dir.path(),
            {answer(u"Gone"_s, 1, true), answer(u"Stays"_s, 2, false), answer(u"Gone"_s, 3, true)},
            nullptr));
        TableStore results(schemas::results(), dir.path());
        QVERIFY(results.open(TableStore::Mode::CreateIfMissing));
        QVERIFY(results.insert({testing::rowFor(schemas::results(), u"Stays"_s)}));
        results.close();
        StoreError error;
        QVERIFY(PurgeRemovedProfiles(dir.path(), {u"Gone"_s}, &error));
        QCOMPARE(rows(schemas::answers(), dir.path()), 1);
        QCOMPARE(readAnswers(dir.path(), u"Stays"_s, nullptr)->size(), 1);
        QCOMPARE(rows(schemas::results(), dir.path()), 1);
    }

    void purgeWithoutHistoryTableStillPurgesTheOthers() {
        QTemporaryDir dir;
        TableStore results(schemas::results(), dir.path());
        QVERIFY(results.open(TableStore::Mode::CreateIfMissing));
        QVERIFY(results.insert({testing::rowFor(schemas::results(), u"Gone"_s)}));
        results.close();
        QVERIFY(PurgeRemovedProfiles(dir.path(), {u"Gone"_s}, nullptr));
        QCOMPARE(rows(schemas::results(), dir.path()), 0);
        QVERIFY(!QFile::exists(dir.filePath(u"Odpovedi.DB"_s)));
    }

    void pointsTestLeavesItsTwentyFiveAnswersAsScored() {
        TestQuestions questions;
        TestScore score;
        for (int i = 0; i < testplan::kPositions; ++i) {
            questions[i].number = 100 + i;
            score.wrong[i] = i % 3 == 0;
        }
        const auto answers = pointsTestAnswers(u"Jana"_s, questions, score, kNoon);
        QCOMPARE(answers.size(), testplan::kPositions);
        for (int i = 0; i < testplan::kPositions; ++i) {
            QCOMPARE(answers[i].number, 100 + i);
            QCOMPARE(answers[i].right, i % 3 != 0);
            QVERIFY(!answers[i].hint);
            QCOMPARE(answers[i].kind, RunKind::PointsTest);
            QCOMPARE(answers[i].profile, u"Jana"_s);
        }
    }
};

QTEST_GUILESS_MAIN(HistoryTest)
#include "tst_history.moc"
