// The progress view: the forecast by the points test's own composition, the
// categories by the last answers, the window, and the two new commands of
// the main window with the history they write.
#include "app/main.h"
#include "pointstest/testPlan.h"
#include "questions/bank.h"
#include "results/pokrok.h"
#include "study/dotaz.h"
#include "study/questionArea.h"
#include "testSupport.h"

#include <QAction>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using testing::in;

namespace {
const QDateTime kNow(QDate(2026, 6, 1), QTime(10, 0, 0));

// Every number of the bank present; the given ones for group C only.
BankIndex fullBank(const QList<int>& onlyC = {}) {
    BankIndex index;
    for (int n = 1; n <= bank::kQuestionCount; ++n) {
        index.present[n] = true;
        index.group[n] = onlyC.contains(n) ? u"C"_s : u"ABCD"_s;
    }
    return index;
}

forecast::Chances chancesWhere(double inside, int low, int high, double outside) {
    forecast::Chances c{};
    for (int n = 1; n <= bank::kQuestionCount; ++n)
        c[n] = n >= low && n <= high ? inside : outside;
    return c;
}

AnswerRecord answer(int number, bool right, bool hint = false) {
    return AnswerRecord{u"A"_s, number, kNow, right, hint, AnswerKind::Practice};
}
} // namespace

class PokrokTest : public QObject {
    Q_OBJECT
  private slots:
    void chances_data() {
        QTest::addColumn<QString>("answers"); // oldest first
        QTest::addColumn<double>("chance");
        QTest::newRow("never answered") << u""_s << 0.5;
        QTest::newRow("one right") << u"R"_s << 0.75;
        QTest::newRow("one wrong") << u"W"_s << 0.25;
        QTest::newRow("hinted is wrong") << u"H"_s << 0.25;
        QTest::newRow("old wrongs forgotten after five") << u"WWWRRRRR"_s << 5.5 / 6;
        QTest::newRow("recent wrongs count") << u"RRRRRWW"_s << 3.5 / 6;
    }
    void chances() {
        QFETCH(QString, answers);
        QFETCH(double, chance);
        QList<AnswerRecord> history;
        for (QChar c : answers)
            history << answer(33, c == u'R', c == u'H');
        QCOMPARE(forecast::rightChances(history)[33], chance);
        QCOMPARE(forecast::rightChances(history)[34], 0.5);
    }

    void simulationFollowsTheTestsComposition_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<double>("inside"); // chance of the questions 721..757
        QTest::addColumn<double>("meanPoints");
        QTest::addColumn<double>("probability");
        // Junctions are positions 23..25 at 4 points each.
        QTest::newRow("knows all") << u"B"_s << 1.0 << 65.0 << 1.0;
        QTest::newRow("no junction, B needs 56") << u"B"_s << 0.0 << 53.0 << 0.0;
        QTest::newRow("no junction, AM needs 50") << u"AM"_s << 0.0 << 53.0 << 1.0;
        QTest::newRow("no junction, D needs 61") << u"D"_s << 0.0 << 53.0 << 0.0;
    }
    void simulationFollowsTheTestsComposition() {
        QFETCH(QString, group);
        QFETCH(double, inside);
        QFETCH(double, meanPoints);
        QFETCH(double, probability);
        QRandomGenerator generator(5);
        const auto f = forecast::simulate(chancesWhere(inside, 721, 757, 1.0), fullBank(), group,
                                          500, generator);
        QVERIFY(f);
        QCOMPARE(f->tests, 500);
        QCOMPARE(f->meanPoints, meanPoints);
        QCOMPARE(f->probability(), probability);
        QCOMPARE(f->minPoints, *testplan::MinPointsForGroup(group));
    }

    void halfKnownFirstCategoryPassesSometimes() {
        // Ten 3-point positions at one half, the rest right: 35 points sure,
        // then 3 per right answer of ten; B needs 56, so 7 of 10 (p = 0.171875).
        QRandomGenerator generator(9);
        const auto f = forecast::simulate(chancesWhere(0.5, 1, 420, 1.0), fullBank(), u"B"_s,
                                          forecast::kSimulatedTests, generator);
        QVERIFY(f);
        QVERIFY2(qAbs(f->probability() - 0.171875) < 0.02,
                 qPrintable(QString::number(f->probability())));
        QVERIFY(qAbs(f->meanPoints - 50.0) < 0.3);
    }

    void noForecastWhereNoTestCanBeMade() {
        QRandomGenerator generator(1);
        const forecast::Chances c = chancesWhere(1, 1, 757, 1);
        QVERIFY(!forecast::simulate(c, fullBank(), u"X"_s, 10, generator));
        // The one first-aid question range with nothing for group B.
        QList<int> firstAid;
        for (int n = 501; n <= 580; ++n)
            firstAid << n;
        QVERIFY(!forecast::simulate(c, fullBank(firstAid), u"B"_s, 10, generator));
        QVERIFY(forecast::simulate(c, fullBank(firstAid), u"C"_s, 10, generator));
    }

    void categoriesByTheLastAnswer() {
        BankIndex index = fullBank({476});
        const QList<AnswerRecord> history{
            answer(1, false),  answer(1, true),   answer(3, true),          answer(3, false),
            answer(421, true), answer(476, true), answer(477, false, true), answer(2, true)};
        const auto c = categoryProgress(history, index, u"B"_s);
        // Category 1: 420 numbers less its 3 retired (2, 119 ... 420 among them).
        int retiredInFirst = 0;
        for (int n : bank::kRetired)
            retiredInFirst += n <= 420;
        QCOMPARE(c[0].questions, 420 - retiredInFirst);
        QCOMPARE(c[0].seen, 2); // 2 is retired and does not count
        QCOMPARE(c[0].rightAtLast, 1);
        QCOMPARE(c[1].rightAtLast, 1);
        QCOMPARE(c[2].seen, 1); // 476 is not for group B
        QCOMPARE(c[2].rightAtLast, 0);
        QCOMPARE(c[6].neverSeen(), c[6].questions);
    }

    void chanceInWords_data() {
        QTest::addColumn<double>("p");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0.0 << u"asi 0 %"_s;
        QTest::newRow("tiny") << 0.004 << u"méně než 1 %"_s;
        QTest::newRow("middle") << 0.3749 << u"asi 37 %"_s;
        QTest::newRow("almost sure") << 0.9995 << u"více než 99 %"_s;
        QTest::newRow("sure") << 1.0 << u"asi 100 %"_s;
    }
    void chanceInWords() {
        QFETCH(double, p);
        QFETCH(QString, text);
        QCOMPARE(chanceText(p), text);
    }

    void windowShowsChartsAndForecast() {
        Progress p;
        p.practice = {{kNow.addDays(-3), 40}, {kNow, 70}};
        p.tests = {{kNow, 50}};
        p.minPoints = 56;
        p.answers = 12345;
        p.forecast = forecast::Forecast{10000, 3750, 56, 51.6};
        TPokrok view(p, u"<b>Jana</b>"_s, u"B"_s);
        QCOMPARE(view.windowTitle(), u"Přehled pokroku"_s);
        QCOMPARE(in<QLabel>(&view, "lbProfil")->text(), u"Profil: <b>Jana</b>     Skupina: B"_s);
        QCOMPARE(in<QLabel>(&view, "lbProfil")->textFormat(), Qt::PlainText);
        for (const char* chart : {"chUspesnost", "chBody", "chOkruhy"})
            QVERIFY2(view.findChild<QChartView*>(QString::fromLatin1(chart)), chart);
        QCOMPARE(in<QLabel>(&view, "lbPravdepodobnost")->text(),
                 u"Pravděpodobnost, že test na body nyní složíte: asi 38 %"_s);
        const QString detail = in<QLabel>(&view, "lbPredpovedPodrobne")->text();
        QVERIFY2(detail.contains(u"10\u00a0000 simulovaných testů"_s), qPrintable(detail));
        QVERIFY(detail.contains(u"Průměrně by vyšlo 52 bodů z 65, potřeba je 56."_s));
        QCOMPARE(in<QLabel>(&view, "lbOdpovedi")->text(),
                 u"Zodpovězených otázek celkem: 12\u00a0345"_s);
    }

    void emptyHistoryShowsWhatIsMissing() {
        Progress p;
        TPokrok view(p, u"Jana"_s, u"Q"_s);
        QVERIFY(!view.findChild<QChartView*>(u"chUspesnost"_s));
        QVERIFY(in<QLabel>(&view, "chUspesnost")->text().contains(u"Zatím není uložen"_s));
        QVERIFY(in<QLabel>(&view, "chBody")->text().contains(u"žádný test na body"_s));
        QCOMPARE(in<QLabel>(&view, "lbPravdepodobnost")->text(), u"Předpověď nelze spočítat."_s);
    }

    void mainWindowRecordsAnswersAndDrillsTheWrongOnes() {
        QTemporaryDir dir;
        QString bankText = u"# 1-757\n"_s;
        for (int n : {1, 3, 4, 5})
            bankText += testing::record(n, u"Otázka %1?"_s.arg(n),
                                        {u"První."_s, u"Druhá."_s, u"Třetí."_s}, u"A"_s);
        QVERIFY(testing::makeBank(dir.path(), bankText));
        testing::copyPictures(dir.path());
        THlavniFormular w(AppPaths::portable(dir.path(), dir.path()));
        QVERIFY(w.FormCreate());
        w.setClock([] { return kNow; });
        w.settings().activeProfile = u"Jana"_s;
        w.show();
        // A sequential practice of two: question 1 wrong, question 3 hinted.
        testing::onNextDialog<TDotazPZ>([](TDotazPZ* d) {
            in<QScrollBar>(d, "sbPocet")->setValue(2);
            in<QPushButton>(d, "btnPotvrdit")->click();
        });
        w.findChild<QAction*>(u"M1Procvicovat"_s)->trigger();
        QCOMPARE(w.currentMode(), Mode::Practice);
        const int first = w.run().state().currentNumber;
        QTest::mouseClick(in(&w, "stB"), Qt::LeftButton);
        QTest::mouseClick(in(&w, "stOtazka"), Qt::RightButton);
        testing::ModalBox end;
        testing::onNextBox(end, QMessageBox::Yes);
        w.findChild<QAction*>(u"M2KonecRezimu"_s)->trigger(); // keep the first answer only
        QTRY_COMPARE(w.currentMode(), Mode::Idle);
        const auto history = ReadAnswers(dir.path(), u"Jana"_s, nullptr);
        QVERIFY(history);
        QCOMPARE(history->size(), 1);
        QCOMPARE(history->first().number, first);
        QVERIFY(!history->first().right);
        QCOMPARE(history->first().answered, kNow);

        // The drill asks the wrong question first, in a practice of the count chosen.
        const int wrongOne = history->first().number;
        testing::onNextDialog<TDotazPZ>([](TDotazPZ* d) {
            QVERIFY(!in(d, "sbOtazka")->isEnabled());
            in<QScrollBar>(d, "sbPocet")->setValue(3);
            in<QPushButton>(d, "btnPotvrdit")->click();
        });
        w.findChild<QAction*>(u"M1Nejslabsi"_s)->trigger();
        QCOMPARE(w.currentMode(), Mode::Practice);
        QCOMPARE(w.run().state().questionCount, 3);
        QCOMPARE(w.run().state().order.first(), wrongOne);
        QCOMPARE(in<QLabel>(&w, "lbCisloOtazky")->text(), u"Otázka číslo %1"_s.arg(wrongOne));
        w.findChild<QAction*>(u"M2OznacSpravne"_s)->trigger();
        const auto after = ReadAnswers(dir.path(), u"Jana"_s, nullptr);
        QCOMPARE(after->size(), 2);
        QVERIFY(after->last().hint);
        QVERIFY(!after->last().right);
        testing::ModalBox box;
        testing::onNextBox(box, QMessageBox::Yes);
        w.findChild<QAction*>(u"M2KonecRezimu"_s)->trigger();
        QTRY_COMPARE(w.currentMode(), Mode::Idle);
    }
};

QTEST_MAIN(PokrokTest)
#include "tst_pokrok.moc"
