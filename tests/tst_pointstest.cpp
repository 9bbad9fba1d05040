// The points test without a window: plan, minimum points, drawing, scoring,
// time texts, the result message and the stored protocol.
#include "core/pointstest/pointsTest.h"
#include "core/pointstest/testLayout.h"
#include "core/pointstest/testTime.h"
#include "core/questions/bank.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using testplan::kPositions;

namespace {
Question question(int number, const QString& group, const QString& correct = u"A"_s) {
    Question q;
    q.number = number;
    q.text = u"Otázka %1?"_s.arg(number);
    q.answers[0] = u"Ano."_s;
    q.answers[1] = u"Ne."_s;
    q.correct = correct;
    q.group = group;
    return q;
}

// Every number of the bank but the retired ones, with groups mixed so that
// each licence group has a different pool.
QList<Question> mixedBank() {
    QList<Question> list;
    for (int n = 1; n <= bank::kQuestionCount; ++n) {
        if (bank::isRetired(n))
            continue;
        const QString group = n % 5 == 0 ? u"A"_s : n % 7 == 0 ? u"CD"_s : u"ABCD"_s;
        list << question(n, group);
    }
    return list;
}

// A test whose every right answer is "A".
TestQuestions allA() {
    TestQuestions test;
    for (int i = 0; i < kPositions; ++i)
        test[i] = question(i + 1, u"ABCD"_s, u"A"_s);
    return test;
}

TestTicks allRight() {
    TestTicks ticks{};
    for (AnswerTicks& t : ticks)
        t = {true, false, false, false};
    return ticks;
}

// Ticks all right answers except at the given positions, left empty.
TestTicks rightExcept(const QList<int>& positions) {
    TestTicks ticks = allRight();
    for (int p : positions)
        ticks[p - 1] = {};
    return ticks;
}
} // namespace

class PointsTestLogic : public QObject {
    Q_OBJECT
  private slots:
    void planAddsUpToTheMaximum() {
        int sum = 0;
        QList<int> points;
        for (int p = 1; p <= kPositions; ++p) {
            sum += testplan::PositionPoints(p);
            points << testplan::PositionPoints(p);
        }
        QCOMPARE(sum, testplan::kMaxPoints);
        QCOMPARE(points, (QList<int>{3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2, 2, 2,
                                     2, 1, 1, 2, 2, 2, 2, 2, 3, 4, 4, 4}));
        // The slots cover every position exactly once.
        int covered = 0;
        for (const testplan::Slot& s : testplan::plan()) {
            QCOMPARE(s.first, covered + 1);
            covered = s.last;
        }
        QCOMPARE(covered, kPositions);
    }

    void positionTitles_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("title");
        QTest::newRow("first") << 1 << u"1. otázka (3 body)"_s;
        QTest::newRow("one point") << 15 << u"15. otázka (1 bod)"_s;
        QTest::newRow("sign") << 17 << u"17. otázka (2 body)"_s;
        QTest::newRow("first aid") << 22 << u"22. otázka (3 body)"_s;
        QTest::newRow("junction") << 25 << u"25. otázka (4 body)"_s;
    }
    void positionTitles() {
        QFETCH(int, position);
        QFETCH(QString, title);
        QCOMPARE(testplan::positionTitle(position), title);
    }

    void minPoints_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("minimum"); // -1: no minimum, no test
        QTest::newRow("AM") << u"AM"_s << 50;
        QTest::newRow("A1") << u"A1"_s << 52;
        QTest::newRow("A") << u"A"_s << 56;
        QTest::newRow("B1") << u"B1"_s << 54;
        QTest::newRow("B") << u"B"_s << 56;
        QTest::newRow("C") << u"C"_s << 59;
        QTest::newRow("D") << u"D"_s << 61;
        QTest::newRow("T") << u"T"_s << 54;
        QTest::newRow("hand-edited C1") << u"C1"_s << 59;
        QTest::newRow("empty") << QString() << -1;
        QTest::newRow("unknown initial") << u"X"_s << -1;
        QTest::newRow("lower case") << u"b"_s << -1;
    }
    void minPoints() {
        QFETCH(QString, group);
        QFETCH(int, minimum);
        QCOMPARE(testplan::MinPointsForGroup(group).value_or(-1), minimum);
    }

    void formatMinSec_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << 0 << u"00:00"_s;
        QTest::newRow("under a minute") << 59 << u"00:59"_s;
        QTest::newRow("61") << 61 << u"01:01"_s;
        QTest::newRow("65") << 65 << u"01:05"_s;
        QTest::newRow("ten minutes") << 600 << u"10:00"_s;
        QTest::newRow("whole test") << 1800 << u"30:00"_s;
        QTest::newRow("23:41") << 23 * 60 + 41 << u"23:41"_s;
    }
    void formatMinSec() {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(FormatMinSec(seconds), text);
    }

    void elapsedWords_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("words");
        QTest::newRow("0") << 0 << u"0 "_s;
        QTest::newRow("1") << 1 << u"1 sekunda"_s;
        QTest::newRow("4") << 4 << u"4 sekundy"_s;
        QTest::newRow("5") << 5 << u"5 sekund"_s;
        QTest::newRow("45") << 45 << u"45 sekund"_s;
        QTest::newRow("60") << 60 << u"1 minuta"_s;
        QTest::newRow("61") << 61 << u"1 minuta, 1 sekunda"_s;
        QTest::newRow("2 min") << 120 << u"2 minuty"_s;
        QTest::newRow("245") << 245 << u"4 minuty, 5 sekund"_s;
        QTest::newRow("12 min 3 s") << 723 << u"12 minut, 3 sekundy"_s;
        QTest::newRow("1800") << 1800 << u"30 minut"_s;
    }
    void elapsedWords() {
        QFETCH(int, seconds);
        QFETCH(QString, words);
        QCOMPARE(::elapsedWords(seconds), words);
    }

    void givenLetters_data() {
        QTest::addColumn<AnswerTicks>("ticks");
        QTest::addColumn<QString>("letters");
        QTest::newRow("nothing") << AnswerTicks{} << QString();
        QTest::newRow("D and A") << AnswerTicks{true, false, false, true} << u"AD"_s;
        QTest::newRow("all four") << AnswerTicks{true, true, true, true} << u"ABCD"_s;
        QTest::newRow("C alone") << AnswerTicks{false, false, true, false} << u"C"_s;
    }
    void givenLetters() {
        QFETCH(AnswerTicks, ticks);
        QFETCH(QString, letters);
        QCOMPARE(::givenLetters(ticks), letters);
    }

    void scoring_data() {
        QTest::addColumn<QString>("correct"); // of position 1 (3 points)
        QTest::addColumn<AnswerTicks>("ticks");
        QTest::addColumn<bool>("right");
        QTest::newRow("D then A against AD")
            << u"AD"_s << AnswerTicks{true, false, false, true} << true;
        QTest::newRow("all four against A")
            << u"A"_s << AnswerTicks{true, true, true, true} << false;
        QTest::newRow("one of two") << u"BC"_s << AnswerTicks{false, true, false, false} << false;
        QTest::newRow("nothing ticked") << u"A"_s << AnswerTicks{} << false;
        QTest::newRow("case counts") << u"a"_s << AnswerTicks{true, false, false, false} << false;
    }
    void scoring() {
        QFETCH(QString, correct);
        QFETCH(AnswerTicks, ticks);
        QFETCH(bool, right);
        TestQuestions test = allA();
        test[0].correct = correct;
        TestTicks all = allRight();
        all[0] = ticks;
        const TestScore score = EvaluateTest(test, all);
        QCOMPARE(score.wrong[0], !right);
        QCOMPARE(score.wrongCount, right ? 0 : 1);
        QCOMPARE(score.earnedPoints, right ? 65 : 62); // all or nothing: no partial credit
        QCOMPARE(score.answers[0], ::givenLetters(ticks));
    }

    void verdict_data() {
        QTest::addColumn<QList<int>>("unanswered");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("passed");
        QTest::newRow("56 passes") << QList<int>{1, 2, 3} << 56 << true;
        QTest::newRow("55 fails") << QList<int>{1, 2, 23} << 55 << false;
        QTest::newRow("all right") << QList<int>{} << 65 << true;
        QList<int> every;
        for (int p = 1; p <= kPositions; ++p)
            every << p;
        QTest::newRow("nothing answered") << every << 0 << false;
    }
    void verdict() {
        QFETCH(QList<int>, unanswered);
        QFETCH(int, points);
        QFETCH(bool, passed);
        PointsTest test(allA(), 56); // group B
        test.evaluate(rightExcept(unanswered));
        QCOMPARE(test.score().earnedPoints, points);
        QCOMPARE(test.score().wrongCount, unanswered.size());
        QCOMPARE(test.passed(), passed);
        QCOMPARE(test.protocol(u"Jana"_s, u"B"_s).verdict,
                 passed ? kPassedVerdict : kFailedVerdict);
    }

    void evaluatesOnce() {
        PointsTest test(allA(), 56);
        test.evaluate(allRight());
        test.evaluate(rightExcept({1, 2, 3, 4}));
        QCOMPARE(test.score().earnedPoints, 65);
    }

    void countdown() {
        PointsTest test(allA(), 56);
        test.start(QDateTime(QDate(2003, 3, 6), QTime(14, 5, 10)));
        QCOMPARE(test.remainingSeconds(), 1800);
        QVERIFY(!test.tick());
        QCOMPARE(test.elapsedSeconds(), 1);
        test.setRemainingSeconds(1);
        QVERIFY(test.tick());
        QVERIFY(test.timedOut());
        QVERIFY(test.tick()); // a late tick never runs the clock below zero
        QCOMPARE(test.elapsedSeconds(), 1800);
    }

    void resultMessage_data() {
        QTest::addColumn<QList<int>>("unanswered");
        QTest::addColumn<bool>("timedOut");
        QTest::addColumn<QString>("text");
        QTest::newRow("failed with four wrong")
            << QList<int>{2, 5, 12, 23} << false
            << u"Test nebyl úspěšně vyřešen!\n"
               u" - Dosáhli jste 53 bodů z 65 možných, minimem pro složení testu bylo 56 bodů\n"
               u" - Počet špatných odpovědí byl: 4, jejich čísla jsou 2, 5, 12, 23\n"
               u"Více se dozvíte z protokolu po stisku klávesy OK"_s;
        QTest::newRow("no wrong answer, no list")
            << QList<int>{} << false
            << u"Test byl úspěšně vyřešen!\n"
               u" - Dosáhli jste 65 bodů z 65 možných, minimem pro složení testu bylo 56 bodů\n"
               u" - Počet špatných odpovědí byl: 0\n"
               u"Více se dozvíte z protokolu po stisku klávesy OK"_s;
        QTest::newRow("timed out")
            << QList<int>{25} << true
            << u"Čas vymezený pro test uplynul! - Test byl úspěšně vyřešen!\n"
               u" - Dosáhli jste 61 bodů z 65 možných, minimem pro složení testu bylo 56 bodů\n"
               u" - Počet špatných odpovědí byl: 1, jejich čísla jsou 25\n"
               u"Více se dozvíte z protokolu po stisku klávesy OK"_s;
    }
    void resultMessage() {
        QFETCH(QList<int>, unanswered);
        QFETCH(bool, timedOut);
        QFETCH(QString, text);
        PointsTest test(allA(), 56);
        test.start({});
        if (timedOut)
            test.setRemainingSeconds(0);
        test.evaluate(rightExcept(unanswered));
        QCOMPARE(test.resultMessage(), text);
    }

    void drawKeepsThePlan_data() {
        QTest::addColumn<QString>("group");
        for (const char16_t* g : bank::kGroups)
            QTest::newRow(QString::fromUtf16(g).toLatin1().constData()) << QString::fromUtf16(g);
    }
    void drawKeepsThePlan() {
        QFETCH(QString, group);
        const QList<Question> source = mixedBank();
        QRandomGenerator generator(20030306);
        for (int round = 0; round < 2000; ++round) {
            DrawShortage shortage;
            const auto test = DrawTest(source, group, generator, &shortage);
            QVERIFY2(test, qPrintable(shortage.message()));
            QSet<int> seen;
            for (int p = 1; p <= kPositions; ++p) {
                const Question& q = (*test)[p - 1];
                QVERIFY(testplan::slotOf(p).contains(q.number));
                QVERIFY(!seen.contains(q.number));
                seen.insert(q.number);
                QVERIFY(bank::drawMatches(group, q.group));
                if (group == u"T")
                    QCOMPARE(q.group, u"ABCD"_s);
                if (p == 15 || p == 16)
                    QVERIFY(q.number < 501 || q.number > 580);
                if (p == 22)
                    QVERIFY(q.number >= 501 && q.number <= 580);
                if (p >= 2 && p <= testplan::kSortedPositions)
                    QVERIFY((*test)[p - 2].number < q.number);
                QCOMPARE(q.correct, u"A"_s); // the right answer travels with its number
            }
        }
    }

    void drawIsUniformOverFittingQuestions() {
        // Position 22 has four fitting questions in 501..580 for group C.
        QList<Question> source = mixedBank();
        for (Question& q : source)
            if (q.number >= 501 && q.number <= 580)
                q.group = (q.number == 510 || q.number == 520 || q.number == 530 || q.number == 540)
                              ? u"ABCD"_s
                              : u"A"_s;
        QRandomGenerator generator(7);
        QHash<int, int> counts;
        const int rounds = 4000;
        for (int round = 0; round < rounds; ++round)
            ++counts[(*DrawTest(source, u"C"_s, generator, nullptr))[21].number];
        QCOMPARE(counts.size(), 4);
        for (int n : {510, 520, 530, 540})
            QVERIFY2(std::abs(counts[n] - rounds / 4) < rounds / 20,
                     qPrintable(QString::number(counts[n])));
    }

    void onePointPositionsTakeBothHalves() {
        // Exactly one fitting question on each side of the first-aid range.
        QList<Question> source = mixedBank();
        for (Question& q : source)
            if ((q.number > 475 && q.number <= 500) || (q.number > 580 && q.number <= 620))
                q.group = q.number == 480 || q.number == 600 ? u"ABCD"_s : u"A"_s;
        QRandomGenerator generator(11);
        for (int round = 0; round < 50; ++round) {
            const auto test = DrawTest(source, u"B"_s, generator, nullptr);
            QVERIFY(test);
            QCOMPARE(QSet<int>({(*test)[14].number, (*test)[15].number}), QSet<int>({480, 600}));
        }
    }

    void shortRangeGivesAnErrorNotAHang_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("keep"); // fitting questions left in the range
        QTest::addColumn<QString>("range");
        QTest::addColumn<int>("needed");
        QTest::newRow("signs") << 620 << 720 << 4 << u"621–720"_s << 5;
        QTest::newRow("one-point positions") << 475 << 620 << 1 << u"476–500 a 581–620"_s << 2;
        QTest::newRow("first aid empty") << 500 << 580 << 0 << u"501–580"_s << 1;
        QTest::newRow("rules") << 0 << 420 << 9 << u"1–420"_s << 10;
    }
    void shortRangeGivesAnErrorNotAHang() {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, keep);
        QFETCH(QString, range);
        QFETCH(int, needed);
        QList<Question> source;
        int kept = 0;
        for (Question q : mixedBank()) {
            // The first-aid range stays whole unless it is the one cut short.
            const bool cut = q.number > low && q.number <= high &&
                             (low != 475 || q.number < 501 || q.number > 580);
            if (cut && kept++ >= keep)
                continue;
            q.group = u"ABCD"_s;
            source << q;
        }
        QRandomGenerator generator(1);
        DrawShortage shortage;
        QVERIFY(!DrawTest(source, u"B"_s, generator, &shortage));
        QCOMPARE(shortage.range, range);
        QCOMPARE(shortage.needed, needed);
        QCOMPARE(shortage.available, keep);
        QVERIFY(shortage.message().contains(u"skupinu B"_s));
        QVERIFY(shortage.message().contains(range));
    }

    void memo_data() {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("text");
        QStringList every;
        for (int i = 0; i < kPositions; ++i)
            every << (i % 2 ? u"BC"_s : u"A"_s);
        QTest::newRow("every position answered") << every << every.join(u' ');
        QStringList ends = every;
        ends.first().clear();
        ends.last().clear();
        QTest::newRow("first and last empty")
            << ends << u" "_s + every.mid(1, 23).join(u' ') + u" "_s;
        QTest::newRow("nothing answered")
            << QStringList(kPositions, QString()) << QString(24, u' ');
    }
    void memo() {
        QFETCH(QStringList, items);
        QFETCH(QString, text);
        MemoItems memo;
        std::copy(items.begin(), items.end(), memo.begin());
        QCOMPARE(joinMemo(memo), text);
        QCOMPARE(splitMemo(text), memo);
    }

    void damagedMemoStillGives25Items_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("empty") << QString() << QString() << QString();
        QTest::newRow("too short") << u"3 3 3"_s << u"3"_s << QString();
        QTest::newRow("too long: the last item takes the rest")
            << QString(u"A "_s).repeated(30).trimmed() << u"A"_s << u"A A A A A A"_s;
        QTest::newRow("double spaces inside") << u"A  B"_s << u"A"_s << QString();
    }
    void damagedMemoStillGives25Items() {
        QFETCH(QString, text);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const MemoItems items = splitMemo(text);
        QCOMPARE(int(items.size()), kPositions);
        QCOMPARE(items.front(), first);
        QCOMPARE(items.back(), last);
    }

    void protocolOfAFinishedTest() {
        // Group B, position 2 unanswered, 11, 15 and 17 answered wrongly.
        TestQuestions questions = allA();
        for (int i = 0; i < kPositions; ++i)
            questions[i].number = 100 + i;
        PointsTest test(questions, 56);
        const QDateTime started(QDate(2003, 3, 6), QTime(14, 5, 10));
        test.start(started);
        test.setRemainingSeconds(1800 - (23 * 60 + 41));
        TestTicks ticks = rightExcept({2});
        for (int p : {11, 15, 17})
            ticks[p - 1] = {false, true, false, false};
        test.evaluate(ticks);
        const ProtocolRecord r = test.protocol(u"Jana"_s, u"B"_s);
        QCOMPARE(r.started, started);
        QCOMPARE(r.duration, u"23:41"_s);
        QCOMPARE(r.correctCount, 21);
        QCOMPARE(r.points, 57);
        QCOMPARE(r.minPoints, 56);
        QCOMPARE(r.verdict, kPassedVerdict);
        QCOMPARE(joinMemo(r.positionPoints),
                 u"3 3 3 3 3 3 3 3 3 3 2 2 2 2 1 1 2 2 2 2 2 3 4 4 4"_s);
        QVERIFY(joinMemo(r.givenAnswers).startsWith(u"A  A "_s));
        QCOMPARE(r.givenAnswers[10], u"B"_s);
        QCOMPARE(r.correctAnswers[10], u"A"_s);
        QCOMPARE(r.questionNumbers[24], u"124"_s);
    }

    void protocolTimedOutLastsThirtyMinutes() {
        PointsTest test(allA(), 56);
        test.start({});
        test.setRemainingSeconds(0);
        test.evaluate({});
        QCOMPARE(test.protocol({}, u"B"_s).duration, u"30:00"_s);
    }

    void writesProtocolsCreatingTheTable() {
        QTemporaryDir dir;
        QVERIFY(!TableStore::fileExists(schemas::protocols(), dir.path()));
        PointsTest test(allA(), 61);
        test.start(QDateTime(QDate(2003, 3, 6), QTime(14, 5, 10)));
        test.evaluate(rightExcept({1, 2})); // 59 points, short of the 61 of group D
        ProtocolRecord first = test.protocol(QString(u'Ř').repeated(35), u"D"_s);
        ProtocolRecord second = first;
        second.started = first.started.addSecs(3600);
        StoreError error;
        QVERIFY(WriteProtocol(dir.path(), first, &error));
        QVERIFY(WriteProtocol(dir.path(), second, &error));

        TableStore store(schemas::protocols(), dir.path());
        QVERIFY(store.open(TableStore::Mode::ReadOnly));
        const auto rows = store.select();
        QVERIFY(rows);
        QCOMPARE(rows->size(), 2);
        const ProtocolRecord read = ProtocolRecord::fromRow(rows->at(0));
        QCOMPARE(read.profile, QString(u'Ř').repeated(30)); // cut to the field's size
        QCOMPARE(read.verdict, u"Neprošel"_s);
        QCOMPARE(read.started, first.started);
        QCOMPARE(read.givenAnswers, first.givenAnswers);
        QCOMPARE(read.questionNumbers, first.questionNumbers);
        QCOMPARE(read.points, 59);
        QCOMPARE(ProtocolRecord::fromRow(rows->at(1)).started, second.started);
    }

    void failedWriteIsReported() {
        QTemporaryDir dir;
        QFile damaged(dir.filePath(u"Protokoly.DB"_s));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();
        PointsTest test(allA(), 56);
        test.evaluate(allRight());
        StoreError error;
        QVERIFY(!WriteProtocol(dir.path(), test.protocol(u"Jana"_s, u"B"_s), &error));
        QVERIFY(!error.text.isEmpty());
        QVERIFY(error.message().contains(u"Protokoly.DB"_s));
        damaged.open(QIODevice::ReadOnly);
        QCOMPARE(damaged.readAll(), QByteArray(4096, 'x')); // nothing of it was overwritten
    }

    void readerToleratesShortRows() {
        const ProtocolRecord r = ProtocolRecord::fromRow(Row{u"Jana"_s, u"nonsense"_s});
        QCOMPARE(r.profile, u"Jana"_s);
        QVERIFY(!r.started.isValid());
        QCOMPARE(r.points, 0);
        QCOMPARE(r.questionNumbers, MemoItems{});
    }

    void boxStacking() {
        using namespace testlayout;
        std::array<Lines, kPositions> lines;
        lines.fill({1, 1, 1, 1, 0}); // one-line texts, no answer d)
        std::array<bool, kPositions> pictures{};
        for (int p = 1; p <= kPositions; ++p)
            pictures[p - 1] = testplan::hasPicturePlace(p);
        lines[1] = {3, 2, 1, 1, 1}; // position 2
        const Pages pages = stackBoxes(lines, pictures, 469);
        const Box& one = pages.boxes[0];
        QCOMPARE(one.top, kBoxTop);
        QCOMPARE(one.textTops, (std::array<int, 5>{14, 30, 46, 62, 78}));
        QCOMPARE(one.height, 84); // bottom of the last text + 6, below the design height
        const Box& two = pages.boxes[1];
        QCOMPARE(two.top, 1 + 84 + 2);
        QCOMPARE(two.textTops, (std::array<int, 5>{14, 62, 94, 110, 126}));
        QCOMPARE(two.height, 148);
        QCOMPARE(pages.boxes[4].top, kBoxTop); // first of page 2
        QCOMPARE(pages.boxes[16].height, 115); // a sign keeps its design height
        QCOMPARE(pages.boxes[22].height, 200); // so does a junction
        QCOMPARE(pages.boxes[23].top, kBoxTop);
        QCOMPARE(pages.growth, 2); // four signs at their design height need 471 px
    }

    void pagesGrowForTheLongestPage() {
        using namespace testlayout;
        std::array<Lines, kPositions> lines;
        lines.fill({2, 2, 2, 2, 2}); // 14 + 5 * 32 + 6 = 180 px boxes
        const std::array<bool, kPositions> pictures{};
        const Pages pages = stackBoxes(lines, pictures, 469);
        const Box& last = pages.boxes[3];
        QCOMPARE(last.height, 180);
        QCOMPARE(last.top, 1 + 3 * (180 + 2));
        // Every later page of four is as tall, so only the first one grows the window.
        QCOMPARE(pages.growth, last.top + last.height + 4 - 469);
    }
};

QTEST_GUILESS_MAIN(PointsTestLogic)
#include "tst_pointstest.moc"
