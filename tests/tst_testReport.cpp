// The 40-line report of a stored points test: rows, marks, totals and damaged records.
#include "core/pointstest/testReport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString kPlan = u"3 3 3 3 3 3 3 3 3 3 2 2 2 2 1 1 2 2 2 2 2 3 4 4 4"_s;

QString spaces(int n) {
    return QString(n, u' ');
}

// A protocol from the four stored memo texts, read back as the list reads it.
ProtocolRecord fromMemos(const QString& points, const QString& answers, const QString& correct,
                         const QString& numbers, int correctCount = 21, int earned = 57) {
    return ProtocolRecord::fromRow(Row{u"Default"_s, QDateTime(QDate(2003, 3, 6), QTime(14, 5, 10)),
                                       u"B"_s, u"23:41"_s, correctCount, earned, 56, u"Prošel"_s,
                                       points, answers, correct, numbers});
}

QString repeated(const QString& item, int count = 25) {
    return QStringList(count, item).join(u' ');
}

QString numbers() {
    QStringList n;
    for (int i = 1; i <= 25; ++i)
        n << QString::number(100 + i);
    return n.join(u' ');
}

// One position's row from its four items; the other positions stay empty.
QString rowOf(int position, const QString& number, const QString& answer, const QString& correct,
              const QString& points) {
    ProtocolRecord r;
    r.questionNumbers[position - 1] = number;
    r.givenAnswers[position - 1] = answer;
    r.correctAnswers[position - 1] = correct;
    r.positionPoints[position - 1] = points;
    return testreport::positionRow(r, position);
}
} // namespace

class TestReportTest : public QObject {
    Q_OBJECT
  private slots:
    void row_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("correct");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("row");
        QTest::newRow("right answer earns the points")
            << 3 << u"215"_s << u"B"_s << u"B"_s << u"3"_s
            << spaces(7) + u"3"_s + spaces(7) + u"215"_s + spaces(10) + u"B"_s + spaces(8) +
                   u"B"_s + spaces(8) + u"3"_s;
        QTest::newRow("wrong answer marked x")
            << 12 << u"437"_s << u"AC"_s << u"A"_s << u"2"_s
            << spaces(3) + u"x"_s + spaces(2) + u"12"_s + spaces(7) + u"437"_s + spaces(9) +
                   u"AC"_s + spaces(8) + u"A"_s + spaces(8) + u"0"_s;
        QTest::newRow("unanswered") << 25 << u"740"_s << QString() << u"C"_s << u"4"_s
                                    << spaces(3) + u"x"_s + spaces(2) + u"25"_s + spaces(7) +
                                           u"740"_s + spaces(19) + u"C"_s + spaces(8) + u"0"_s;
        QTest::newRow("one-digit number") << 1 << u"7"_s << u"A"_s << u"A"_s << u"3"_s
                                          << spaces(7) + u"1"_s + spaces(9) + u"7"_s + spaces(10) +
                                                 u"A"_s + spaces(8) + u"A"_s + spaces(8) + u"3"_s;
        QTest::newRow("two-digit number")
            << 10 << u"42"_s << u"D"_s << u"C"_s << u"3"_s
            << spaces(3) + u"x"_s + spaces(2) + u"10"_s + spaces(8) + u"42"_s + spaces(10) +
                   u"D"_s + spaces(8) + u"C"_s + spaces(8) + u"0"_s;
        QTest::newRow("case matters")
            << 5 << u"300"_s << u"a"_s << u"A"_s << u"3"_s
            << spaces(3) + u"x"_s + spaces(3) + u"5"_s + spaces(7) + u"300"_s + spaces(10) +
                   u"a"_s + spaces(8) + u"A"_s + spaces(8) + u"0"_s;
        QTest::newRow("points item of two digits gives its first")
            << 2 << u"20"_s << u"B"_s << u"B"_s << u"12"_s
            << spaces(7) + u"2"_s + spaces(8) + u"20"_s + spaces(10) + u"B"_s + spaces(8) + u"B"_s +
                   spaces(8) + u"1"_s;
        QTest::newRow("empty points item of a right answer reads 0")
            << 4 << u"99"_s << u"A"_s << u"A"_s << QString()
            << spaces(7) + u"4"_s + spaces(8) + u"99"_s + spaces(10) + u"A"_s + spaces(8) + u"A"_s +
                   spaces(8) + u"0"_s;
        QTest::newRow("damaged: nothing to compare is no right answer")
            << 6 << QString() << QString() << QString() << u"3"_s
            << spaces(3) + u"x"_s + spaces(3) + u"6"_s + spaces(38) + u"0"_s;
        QTest::newRow("overlong item pads nothing and is kept whole")
            << 7 << u"1234567890123"_s << u"ABCDABCDABCDA"_s << u"ABCDABCDABCDA"_s << u"3"_s
            << spaces(7) + u"7"_s + u"1234567890123"_s + u"ABCDABCDABCDA"_s + u"ABCDABCDABCDA"_s +
                   spaces(8) + u"3"_s;
    }
    void row() {
        QFETCH(int, position);
        QFETCH(QString, number);
        QFETCH(QString, answer);
        QFETCH(QString, correct);
        QFETCH(QString, points);
        QFETCH(QString, row);
        QCOMPARE(rowOf(position, number, answer, correct, points), row);
    }

    void wholeReport_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("marks");  // column 4 of rows 1..25
        QTest::addColumn<QString>("earned"); // column 47 of rows 1..25
        const QString allRight = repeated(u"A"_s);
        QTest::newRow("all right") << allRight << spaces(25) << u"3333333333222211222223444"_s;
        QTest::newRow("nothing answered") << spaces(24) << QString(25, u'x') << QString(25, u'0');
        QString firstLast = allRight;
        firstLast.remove(0, 1).chop(1); // the memo then begins and ends with a space
        QTest::newRow("first and last unanswered")
            << firstLast << u"x"_s + spaces(23) + u"x"_s << u"0333333333222211222223440"_s;
    }
    void wholeReport() {
        QFETCH(QString, answers);
        QFETCH(QString, marks);
        QFETCH(QString, earned);
        const QStringList lines =
            testreport::lines(fromMemos(kPlan, answers, repeated(u"A"_s), numbers()));
        QCOMPARE(lines.size(), testreport::kLines);
        QString column4, column47;
        for (int k = 1; k <= 25; ++k) {
            const QString& row = lines[10 + k];
            QCOMPARE(row.size(), 47);
            QCOMPARE(row.mid(9, 9), rightAlignedNumber(100 + k)); // question number ends in 18
            column4 += row[3];
            column47 += row[46];
        }
        QCOMPARE(column4, marks);
        QCOMPARE(column47, earned);
    }

    void fixedLines() {
        const QStringList lines =
            testreport::lines(fromMemos(kPlan, repeated(u"A"_s), repeated(u"B"_s), numbers()));
        const QString rule = u"  "_s + QString(45, u'-');
        QCOMPARE(rule.size(), 47);
        const QStringList head{u" Uživatel : Default"_s,
                               QString(),
                               u"  Skupina : B"_s,
                               u"  Maximální dosažitelný počet bodů: : 65"_s,
                               u"  Minimální potřeba počtu bodů : 56"_s,
                               u"  Datum a čas testu : 6.3.2003 14:05:10"_s,
                               u"  Délka testu : 23:41"_s,
                               QString(),
                               u"  Otázka  Skutečné    Odpověď  Správná  Získané"_s,
                               u"   číslo     číslo  uživatele  odpověď     body"_s,
                               rule};
        QCOMPARE(lines.mid(0, 11), head);
        QCOMPARE(lines[36], rule);
        QCOMPARE(lines[37], u"     Prošel"_s);
        QCOMPARE(lines[38], rule);
        // The stored counts, not a sum of the rows (which here earn nothing).
        QCOMPARE(lines[39], u"           Celkem : "_s + spaces(7) + u"21"_s + spaces(16) + u"57"_s);
        QCOMPARE(testreport::caption(fromMemos({}, {}, {}, {})),
                 u"Test z 6.3.2003 14:05:10; Uživatel: Default"_s);
    }

    void totals_data() {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("line");
        const QString start = u"           Celkem : "_s;
        QTest::newRow("nothing") << 0 << 0 << start + spaces(8) + u"0"_s + spaces(17) + u"0"_s;
        QTest::newRow("full") << 25 << 65 << start + spaces(7) + u"25"_s + spaces(16) + u"65"_s;
        // A damaged count keeps every digit rather than its column.
        QTest::newRow("overlong") << 1234567890 << -5
                                  << start + u"1234567890"_s + spaces(16) + u"-5"_s;
    }
    void totals() {
        QFETCH(int, correct);
        QFETCH(int, points);
        QFETCH(QString, line);
        QCOMPARE(testreport::totalLine(fromMemos({}, {}, {}, {}, correct, points)), line);
    }

    // Memos of the wrong length still give 25 rows of the usual shape; what
    // stands beyond the 25th item stays in the last row.
    void damagedMemos_data() {
        QTest::addColumn<QString>("memo");
        QTest::newRow("empty") << QString();
        QTest::newRow("fewer items") << u"3 3 3"_s;
        QTest::newRow("more items") << repeated(u"4"_s, 30);
        QTest::newRow("runs of spaces") << spaces(60);
    }
    void damagedMemos() {
        QFETCH(QString, memo);
        const QStringList lines = testreport::lines(fromMemos(memo, memo, memo, memo));
        QCOMPARE(lines.size(), testreport::kLines);
        for (int k = 1; k <= 24; ++k)
            QCOMPARE(lines[10 + k].size(), 47);
        QVERIFY(lines[35].size() >= 47); // the last item keeps the rest: padded, never cut
    }

  private:
    static QString rightAlignedNumber(int n) {
        return spaces(9 - int(QString::number(n).size())) + QString::number(n);
    }
};

QTEST_GUILESS_MAIN(TestReportTest)
#include "tst_testReport.moc"
