// A practice or examination run through its verbs alone, with no window.
#include "core/records/resultRecord.h"
#include "core/settings/settings.h"
#include "core/study/practiceRun.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// Numbers 1..30 of group ABCD, 31..40 of group C only; 2 and 8 are retired.
BankIndex fixtureIndex() {
    QList<Question> questions;
    for (int n = 1; n <= 40; ++n) {
        Question q;
        q.number = n;
        q.group = n <= 30 ? u"ABCD"_s : u"C"_s;
        q.correct = n % 2 ? u"A"_s : u"BC"_s;
        q.answers[0] = u"a"_s;
        q.answers[1] = u"b"_s;
        q.answers[2] = u"c"_s;
        questions << q;
    }
    return BankIndex::from(questions);
}

Question question(int number) {
    Question q;
    q.number = number;
    q.correct = number % 2 ? u"A"_s : u"BC"_s;
    q.answers[0] = u"a"_s;
    q.answers[1] = u"b"_s;
    q.answers[2] = u"c"_s;
    return q;
}

const Selection kAllB{{true, true, true, true, true, true, true}, u"B"_s};

// Takes every question the run offers, answering with the given letters.
QList<int> askAll(PracticeRun& run, const QString& answer = u"A"_s) {
    QList<int> asked;
    while (run.state().remaining > 0) {
        const auto n = run.nextNumber();
        if (!n)
            break;
        run.take(question(*n));
        asked << *n;
        for (QChar c : answer)
            run.toggle(c.unicode() - u'A');
        run.confirm();
    }
    return asked;
}
} // namespace

class PracticeRunTest : public QObject {
    Q_OBJECT
    QRandomGenerator generator_{7};

  private slots:
    void sequentialRunStartsAtThePositionAndSkipsRetired_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("asked");
        QTest::newRow("from the first") << 1 << 4 << QList<int>{1, 3, 4, 5};
        QTest::newRow("from the fifth") << 5 << 3 << QList<int>{6, 7, 9};
        QTest::newRow("wraps after the last") << 27 << 3 << QList<int>{29, 30, 1};
    }
    void sequentialRunStartsAtThePositionAndSkipsRetired() {
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(QList<int>, asked);
        PracticeRun run(generator_);
        QCOMPARE(run.count(fixtureIndex(), kAllB), 28); // 30 minus the retired 2 and 8
        run.begin(count, start, true);
        run.start();
        QCOMPARE(askAll(run), asked);
        QCOMPARE(run.state().order, asked);
    }

    void randomRunNeverRepeatsAndStaysInTheGroup() {
        PracticeRun run(generator_);
        const int total = run.count(fixtureIndex(), {kAllB.categories, u"C"_s});
        QCOMPARE(total, 38);
        for (int round = 0; round < 20; ++round) {
            run.begin(total, 1, false);
            run.start();
            QList<int> asked = askAll(run);
            QCOMPARE(asked.size(), total);
            std::sort(asked.begin(), asked.end());
            QVERIFY(std::adjacent_find(asked.begin(), asked.end()) == asked.end());
            QVERIFY(!asked.contains(2) && !asked.contains(8));
            run.end();
        }
    }

    void confirmMarksAndCounts_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("marks"); // per answer: . none, T tick, X cross, M missed
        QTest::addColumn<bool>("wrong");
        QTest::newRow("right") << 1 << u"A"_s << u"T..."_s << false;
        QTest::newRow("one of two missed") << 4 << u"B"_s << u".TM."_s << true;
        QTest::newRow("wrong one added") << 1 << u"AB"_s << u"TX.."_s << true;
        QTest::newRow("both right") << 4 << u"BC"_s << u".TT."_s << false;
        QTest::newRow("missing answer ignored") << 1 << u"AD"_s << u"T..."_s << false;
    }
    void confirmMarksAndCounts() {
        QFETCH(int, number);
        QFETCH(QString, marked);
        QFETCH(QString, marks);
        QFETCH(bool, wrong);
        PracticeRun run(generator_);
        Settings scratch;
        run.presetFromStored({number}, u"B"_s, u"1"_s, scratch);
        run.start();
        run.take(question(*run.nextNumber()));
        QVERIFY(!run.confirm()); // nothing marked: the question stays open
        for (QChar c : marked)
            run.toggle(c.unicode() - u'A');
        const auto verdict = run.confirm();
        QVERIFY(verdict);
        QCOMPARE(verdict->wrong, wrong);
        QString shown;
        for (AnswerMark m : run.marks())
            shown += u".TXM"_s[int(m)];
        QCOMPARE(shown, marks);
        QCOMPARE(run.state().wrongCount, wrong ? 1 : 0);
        QCOMPARE(run.state().successPercent, wrong ? 0 : 100);
        QVERIFY(!run.toggle(0)); // no marking after the verdict
    }

    void repeatAsksWrongThenHintedInPractice_data() {
        QTest::addColumn<bool>("practice");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("practice") << true << QList<int>{3, 5, 4};
        QTest::newRow("examination") << false << QList<int>{3, 5};
    }
    void repeatAsksWrongThenHintedInPractice() {
        QFETCH(bool, practice);
        QFETCH(QList<int>, order);
        PracticeRun run(generator_);
        run.count(fixtureIndex(), kAllB);
        run.begin(4, 1, true);
        run.start();
        for (const QString& answer : {u"A"_s, u"B"_s, QString(), u"C"_s}) {
            run.take(question(*run.nextNumber()));
            if (answer.isEmpty()) {
                QVERIFY(run.hint());
                QCOMPARE(run.marks()[1], AnswerMark::Tick);
                QVERIFY(!run.hint()); // once per question
                continue;
            }
            run.toggle(answer[0].unicode() - u'A');
            run.confirm();
        }
        QCOMPARE(run.state().wrongNumbers, (QList<int>{3, 5}));
        QCOMPARE(run.state().hintNumbers, QList<int>{4});
        QCOMPARE(run.state().successPercent, 33);
        Settings settings;
        const ResultRecord record =
            run.record(practice ? RunKind::Practice : RunKind::Examination, settings, QDateTime());
        QCOMPARE(record.categories, u"1234567"_s);
        QCOMPARE(numberListText(record.wrongNumbers), u"3, 5"_s);
        run.prepareRepeat(practice ? RunKind::Practice : RunKind::Examination);
        QCOMPARE(run.state().questionCount, order.size());
        QCOMPARE(askAll(run, u"BC"_s), order); // in the order kept, retired or not
        QCOMPARE(run.state().wrongCount, 0 + (order.contains(3) && order.contains(5) ? 2 : 0));
    }

    void storedResultRunRestoresTheGroupOnce() {
        Settings settings;
        settings.group = u"B"_s;
        settings.categories = {true, false, false, false, false, false, false};
        PracticeRun run(generator_);
        run.presetFromStored({7, 9}, u"C"_s, u"26"_s, settings);
        QCOMPARE(settings.group, u"C"_s);
        run.start();
        QVERIFY(run.state().repeatRun);
        askAll(run);
        const ResultRecord record = run.record(RunKind::Examination, settings, QDateTime());
        QCOMPARE(record.group, u"C"_s);
        QCOMPARE(record.categories, u"26"_s); // the stored result's, not the settings'
        run.endStored(settings);
        QCOMPARE(settings.group, u"B"_s);
        settings.group = u"D"_s;
        run.endStored(settings); // a second end restores nothing
        QCOMPARE(settings.group, u"D"_s);
    }

    void drillIsAFreshPracticeOverItsOrder() {
        Settings settings;
        settings.group = u"C"_s;
        PracticeRun run(generator_);
        run.presetDrill({9, 4, 7});
        run.start();
        QVERIFY(run.state().repeatRun && run.state().drill);
        QCOMPARE(askAll(run, u"B"_s), (QList<int>{9, 4, 7}));
        const ResultRecord record = run.record(RunKind::Practice, settings, QDateTime());
        QCOMPARE(record.categories, u"1234567"_s); // the learner's own choice
        QCOMPARE(record.group, u"C"_s);
        run.endStored(settings);
        QCOMPARE(settings.group, u"C"_s); // nothing to restore
        run.prepareRepeat(RunKind::Practice);
        QVERIFY(!run.state().drill); // its repeat asks before storing, like any other
    }
};

QTEST_GUILESS_MAIN(PracticeRunTest)
#include "tst_practiceRun.moc"
