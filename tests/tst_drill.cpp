// The drill of the weakest questions: the Leitner boxes and the order of a drill.
#include "core/study/drill.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
const QDateTime kNow(QDate(2026, 5, 20), QTime(18, 0, 0));

AnswerRecord at(int number, bool right, int daysAgo, bool hint = false) {
    return AnswerRecord{u"A"_s, number, kNow.addDays(-daysAgo), right, hint, RunKind::Practice};
}

// Numbers first..last present, all of every group (retired ones stay out of
// any drill all the same).
BankIndex bankOf(int last, int first = 1) {
    BankIndex index;
    for (int n = first; n <= last; ++n) {
        index.present[n] = true;
        index.group[n] = u"ABCD"_s;
    }
    return index;
}

const Selection kAll{{true, true, true, true, true, true, true}, u"B"_s};
} // namespace

class DrillTest : public QObject {
    Q_OBJECT
  private slots:
    void boxes_data() {
        QTest::addColumn<QString>("answers"); // R right, W wrong, H hinted, oldest first
        QTest::addColumn<int>("box");
        QTest::newRow("never answered") << u""_s << 0;
        QTest::newRow("right once rests") << u"R"_s << 2;
        QTest::newRow("wrong once") << u"W"_s << 1;
        QTest::newRow("right twice after a wrong") << u"WRR"_s << 3;
        QTest::newRow("three right") << u"RRR"_s << 4;
        QTest::newRow("wrong sends back to one") << u"RRRW"_s << 1;
        QTest::newRow("climbs again after wrong") << u"RRRWR"_s << 2;
        QTest::newRow("top box holds") << u"RRRRRRRR"_s << drill::kBoxes;
        QTest::newRow("hint counts as wrong") << u"RRRH"_s << 1;
    }
    void boxes() {
        QFETCH(QString, answers);
        QFETCH(int, box);
        QList<AnswerRecord> history;
        for (QChar c : answers)
            history << at(9, c == u'R', 1, c == u'H');
        history << at(10, true, 1); // another question's answers do not count
        QCOMPARE(drill::replay(history)[9].box, box);
    }

    void due_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<bool>("due");
        QTest::newRow("box 1 at once") << 1 << 0 << true;
        QTest::newRow("box 2 same day") << 2 << 0 << false;
        QTest::newRow("box 2 after a day") << 2 << 1 << true;
        QTest::newRow("box 3 after two days") << 3 << 2 << false;
        QTest::newRow("box 3 after three days") << 3 << 3 << true;
        QTest::newRow("box 5 after thirteen days") << 5 << 13 << false;
        QTest::newRow("box 5 after fourteen days") << 5 << 14 << true;
    }
    void due() {
        QFETCH(int, box);
        QFETCH(int, daysAgo);
        QFETCH(bool, due);
        QList<AnswerRecord> history{at(4, false, daysAgo)};
        for (int i = 1; i < box; ++i)
            history << at(4, true, daysAgo);
        QCOMPARE(drill::replay(history)[4].due(kNow), due);
        QVERIFY(!drill::replay({})[4].due(kNow)); // never seen is new, not due
    }

    void dueQuestionsComeFirstByBoxThenByWait() {
        // 11: box 1 answered 2 days ago; 12: box 1 answered 5 days ago;
        // 13: box 2 due; 14: box 3 not due; 15..18 never seen.
        const QList<AnswerRecord> history{at(11, false, 2), at(12, false, 5), at(13, false, 4),
                                          at(13, true, 4),  at(14, true, 1),  at(14, true, 1),
                                          at(14, true, 1)};
        QRandomGenerator generator(7);
        const auto order =
            drill::drillOrder(drill::replay(history), bankOf(18, 11), kAll, 3, kNow, generator);
        QCOMPARE(order, (QList<int>{12, 11, 13}));
    }

    void rightAnswersRestWhileWrongOnesComeFirst() {
        // Answered today in this order: 1 right, 3 wrong, 4 right, 5 wrong, 6 right.
        const QList<AnswerRecord> history{at(1, true, 0), at(3, false, 0), at(4, true, 0),
                                          at(5, false, 0), at(6, true, 0)};
        QRandomGenerator generator(5);
        const auto order =
            drill::drillOrder(drill::replay(history), bankOf(40), kAll, 5, kNow, generator);
        QCOMPARE(order.mid(0, 2), (QList<int>{3, 5}));
        for (int n : order.mid(2))
            QVERIFY2(!QList<int>({1, 4, 6}).contains(n), qPrintable(u"%1 should rest"_s.arg(n)));
    }

    void everyFourthPlaceGoesToANewQuestion() {
        QList<AnswerRecord> history;
        for (int n = 1; n <= 10; ++n)
            history << at(n, false, 1); // ten due questions
        QRandomGenerator generator(1);
        const auto order =
            drill::drillOrder(drill::replay(history), bankOf(20), kAll, 8, kNow, generator);
        QCOMPARE(order.size(), 8);
        for (int i = 0; i < order.size(); ++i)
            QCOMPARE(order[i] > 10, i % 4 == 3);
    }

    void shortOfDueAndNewTheWaitingFollowSoonestFirst() {
        // 11 due in 13 days (box 5, answered yesterday), 12 due tomorrow (box
        // 2, answered today), 13 due; nothing new in a bank of three.
        QList<AnswerRecord> history{at(13, false, 0)};
        for (int i = 0; i < 5; ++i)
            history << at(11, true, 1);
        history << at(12, true, 0) << at(12, true, 0);
        QRandomGenerator generator(3);
        const auto order =
            drill::drillOrder(drill::replay(history), bankOf(13, 11), kAll, 10, kNow, generator);
        QCOMPARE(order, (QList<int>{13, 12, 11})); // all there is, never repeated
    }

    void onlyQuestionsOfTheSelection() {
        BankIndex index = bankOf(480);
        index.group[5] = u"C"_s; // not for group B
        const Selection onlyFirst{{true, false, false, false, false, false, false}, u"B"_s};
        const QList<AnswerRecord> history{at(5, false, 1), at(430, false, 1), at(420, false, 1),
                                          at(7, false, 1)};
        QRandomGenerator generator(11);
        const auto order =
            drill::drillOrder(drill::replay(history), index, onlyFirst, 500, kNow, generator);
        QVERIFY(!order.contains(5));   // other group
        QVERIFY(!order.contains(430)); // category switched off
        QVERIFY(!order.contains(420)); // retired
        QCOMPARE(order.first(), 7);
        QCOMPARE(order.size(), onlyFirst.count(index));
        QCOMPARE(QSet<int>(order.begin(), order.end()).size(), order.size());
    }

    void newQuestionsAreDrawnNotTakenInOrder() {
        QSet<int> firsts;
        for (quint32 seed = 0; seed < 20; ++seed) {
            QRandomGenerator generator(seed);
            firsts << drill::drillOrder({}, bankOf(300), kAll, 1, kNow, generator).first();
        }
        QVERIFY(firsts.size() > 10);
    }
};

QTEST_GUILESS_MAIN(DrillTest)
#include "tst_drill.moc"
