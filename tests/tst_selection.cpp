// Choosing the questions of a run, scoring answers, and the record's encodings.
#include "core/questions/bank.h"
#include "core/questions/selection.h"
#include "core/records/resultRecord.h"
#include "core/study/scoring.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// A bank with every non-retired number, a few of them for some groups only;
// it also holds retired 420 and a "T"-unfriendly ABCDE record.
BankIndex fixtureIndex() {
    QList<Question> questions;
    for (int n = 1; n <= 757; ++n) {
        if (bank::isRetired(n) && n != 420)
            continue;
        Question q;
        q.number = n;
        q.group = n % 10 == 0 ? u"C"_s : n % 10 == 1 ? u"AB"_s : u"ABCD"_s;
        if (n == 5)
            q.group = u"ABCDE"_s;
        questions << q;
    }
    return BankIndex::from(questions);
}

std::array<bool, 7> only(int category) {
    std::array<bool, 7> c{};
    c[category - 1] = true;
    return c;
}
const std::array<bool, 7> kAll{true, true, true, true, true, true, true};
} // namespace

class SelectionTest : public QObject {
    Q_OBJECT
    BankIndex index_ = fixtureIndex();

  private slots:
    void countsOnlyWhatTheDrawCanGive_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("expected");
        int b = 0, c = 0, t = 0;
        for (int n = 1; n <= 757; ++n) {
            if (bank::isRetired(n))
                continue; // 420 is in the table but never asked
            const QString g = n == 5        ? u"ABCDE"_s
                              : n % 10 == 0 ? u"C"_s
                              : n % 10 == 1 ? u"AB"_s
                                            : u"ABCD"_s;
            b += g.contains(u'B');
            c += g.contains(u'C');
            t += g == u"ABCD"_s;
        }
        QTest::newRow("B") << u"B"_s << b;
        QTest::newRow("B1 like B") << u"B1"_s << b;
        QTest::newRow("C") << u"C"_s << c;
        QTest::newRow("T only exactly ABCD") << u"T"_s << t;
    }
    void countsOnlyWhatTheDrawCanGive() {
        QFETCH(QString, group);
        QFETCH(int, expected);
        QCOMPARE(Selection({kAll, group}).count(index_), expected);
    }

    void startPositionWithinACategory() {
        const Selection s{only(7), u"B"_s};
        // 721..757 for B: 730, 740, 750 are C only, 754 is retired
        QCOMPARE(s.numberAt(index_, 1), 721);
        QCOMPARE(s.numberAt(index_, 5), 725);
        QCOMPARE(s.numberAt(index_, 10), 731);
        QVERIFY(!s.numberAt(index_, s.count(index_) + 1));
    }

    void sequentialSkipsRetiredAndWraps() {
        const Selection s{only(1), u"B"_s};
        QCOMPARE(s.nextSequential(index_, 0), 1);
        QCOMPARE(s.nextSequential(index_, 1), 3);  // 2 is retired
        QCOMPARE(s.nextSequential(index_, 7), 9);  // 8 is retired
        QCOMPARE(s.nextSequential(index_, 9), 11); // 10 is for C only
        QCOMPARE(s.nextSequential(index_, 419),
                 1); // 420 retired, then the other categories are off
        const Selection all{kAll, u"B"_s};
        QCOMPARE(all.nextSequential(index_, 757), 1);
    }

    void randomNeverRepeatsNorLeavesTheCategories() {
        const Selection s{{false, false, false, false, false, true, true}, u"T"_s};
        const int total = s.count(index_);
        QRandomGenerator generator(20261207);
        QList<int> taken;
        for (int i = 0; i < total; ++i) {
            const auto n = s.nextRandom(index_, taken, generator);
            QVERIFY(n);
            QVERIFY(*n > 620 && *n <= 757);
            QVERIFY(!taken.contains(*n));
            QVERIFY(!bank::isRetired(*n));
            taken << *n;
        }
        // A run as long as the count completes, and the set is then exhausted.
        QVERIFY(!s.nextRandom(index_, taken, generator));
    }

    void randomIsRoughlyUniform() {
        const Selection s{only(3), u"A"_s};
        const int total = s.count(index_);
        QRandomGenerator generator(7);
        QHash<int, int> seen;
        const int draws = 20000;
        for (int i = 0; i < draws; ++i)
            seen[*s.nextRandom(index_, {}, generator)]++;
        QCOMPARE(int(seen.size()), total);
        for (int hits : seen)
            QVERIFY(qAbs(hits - draws / total) < draws / total / 4);
    }

    void verdicts_data() {
        QTest::addColumn<QString>("correct");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("marks"); // per answer: - none, T tick, X cross, M missed
        QTest::addColumn<bool>("wrong");
        QTest::newRow("all marked, A and B right") << u"AB"_s << u"ABCD"_s << u"TTXX"_s << true;
        QTest::newRow("only a) of A and B") << u"AB"_s << u"A"_s << u"TM--"_s << true;
        QTest::newRow("exactly right") << u"C"_s << u"C"_s << u"--T-"_s << false;
        QTest::newRow("wrong one") << u"C"_s << u"B"_s << u"-XM-"_s << true;
    }
    void verdicts() {
        QFETCH(QString, correct);
        QFETCH(QString, marked);
        QFETCH(QString, marks);
        QFETCH(bool, wrong);
        std::array<bool, 4> m{};
        for (QChar c : marked)
            m[c.unicode() - u'A'] = true;
        const Verdict v = evaluateAnswer(correct, m);
        QString shown;
        for (AnswerMark a : v.marks)
            shown += a == AnswerMark::Tick     ? u'T'
                     : a == AnswerMark::Cross  ? u'X'
                     : a == AnswerMark::Missed ? u'M'
                                               : u'-';
        QCOMPARE(shown, marks);
        QCOMPARE(v.wrong, wrong);
    }

    void successRate_data() {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("hinted");
        QTest::addColumn<int>("percent");
        QTest::newRow("15 of 18") << 20 << 3 << 2 << 83;
        QTest::newRow("87.5 to 88") << 8 << 1 << 0 << 88;
        QTest::newRow("12.5 to 12") << 8 << 7 << 0 << 12;
        QTest::newRow("37.5 to 38") << 8 << 5 << 0 << 38;
        QTest::newRow("62.5 to 62") << 8 << 3 << 0 << 62;
        QTest::newRow("all hinted") << 5 << 0 << 5 << 0;
        QTest::newRow("first answer right") << 1 << 0 << 0 << 100;
    }
    void successRate() {
        QFETCH(int, asked);
        QFETCH(int, wrong);
        QFETCH(int, hinted);
        QFETCH(int, percent);
        QCOMPARE(successPercent(asked, wrong, hinted), percent);
    }

    void recordEncodings() {
        QCOMPARE(numberListText({12, 45, 301}), u"12, 45, 301"_s);
        QCOMPARE(numberListText({7}), u"7"_s);
        QCOMPARE(numberListText({}), QString());
        QCOMPARE(parseNumberList(u"12, 45, 301"_s), (QList<int>{12, 45, 301}));
        QCOMPARE(parseNumberList(QString()), QList<int>{});
        QCOMPARE(categoryDigits(kAll), u"1234567"_s);
        QCOMPARE(categoryDigits({true, false, true, false, false, false, true}), u"137"_s);
        QCOMPARE(categoryDigits({false, true, false, false, false, true, false}), u"26"_s);
    }
};

QTEST_GUILESS_MAIN(SelectionTest)
#include "tst_selection.moc"
