// The progress view: the forecast by the points test's own composition, the
// categories by the last answers, the window, and the two new commands of
// the main window with the history they write.
#include "core/questions/bank.h"
#include "core/questions/testPlan.h"
#include "core/records/resultRecord.h"
#include "core/settings/settings.h"
#include "gui/app/mainWindow.h"
#include "gui/app/progressLoader.h"
#include "gui/results/progressWindow.h"
#include "gui/study/questionArea.h"
#include "gui/study/runStartDialog.h"
#include "testSupport.h"

#include <QAction>
#include <QChartView>
#include <QLabel>
#include <QMessageBox>
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
    return AnswerRecord{u"A"_s, number, kNow, right, hint, RunKind::Practice};
}
} // namespace

class PokrokTest : public QObject {
    Q_OBJECT
  private slots:
    void chances_data() {
        QTest::addColumn<QString>("answers"); // to question 33, oldest first
        QTest::addColumn<QString>("sameAs");  // an answer list with the same chance
        QTest::addColumn<int>("comparedTo");  // sign of chance(answers) - chance(sameAs)
        QTest::newRow("right raises") << u"R"_s << u""_s << 1;
        QTest::newRow("wrong lowers") << u"W"_s << u""_s << -1;
        QTest::newRow("hinted is wrong") << u"H"_s << u"W"_s << 0;
        QTest::newRow("old wrongs forgotten after five") << u"WWWRRRRR"_s << u"RRRRR"_s << 0;
        QTest::newRow("recent wrongs count") << u"RRRRRWW"_s << u"RRRRR"_s << -1;
    }
    void chances() {
        QFETCH(QString, answers);
        QFETCH(QString, sameAs);
        QFETCH(int, comparedTo);
        auto chanceOf = [](const QString& list) {
            QList<AnswerRecord> history;
            for (QChar c : list)
                history << answer(33, c == u'R', c == u'H');
            return forecast::rightChances(history)[33];
        };
        const double a = chanceOf(answers), b = chanceOf(sameAs);
        QCOMPARE(a > b ? 1 : a < b ? -1 : 0, comparedTo);
        QCOMPARE(forecast::rightChances({})[33], forecast::kStartRate);
    }

    void unansweredQuestionsFollowTheCategory() {
        QList<AnswerRecord> history;
        for (int n = 501; n <= 540; ++n) // first aid: forty right
            history << answer(n, true);
        history << answer(10, false) << answer(11, false); // rules: two wrong
        const forecast::Chances c = forecast::rightChances(history);
        QVERIFY(c[560] > 0.9);    // first aid, not answered yet
        QVERIFY(c[300] < c[560]); // rules lean on the learner's rate
        QVERIFY(c[700] > c[300]); // signs: no answers, the learner's rate
        QVERIFY(c[300] > 0.5);    // two wrong answers say little
    }

    // Learners whose chance of each question is known answer a part of the
    // bank; the forecast from their answers must meet the pass rate of tests
    // answered by their true chances, on average over the learners.
    void forecastIsCalibrated_data() {
        QTest::addColumn<double>("ability");
        QTest::addColumn<int>("answers");
        QTest::newRow("weak, 400 answers") << 0.6 << 400;
        QTest::newRow("fair, 400 answers") << 0.8 << 400;
        QTest::newRow("near the mark, 400 answers") << 0.88 << 400;
        QTest::newRow("strong, 400 answers") << 0.95 << 400;
        QTest::newRow("near the mark, 100 answers") << 0.88 << 100;
        QTest::newRow("strong, 1500 answers") << 0.93 << 1500;
    }
    void forecastIsCalibrated() {
        QFETCH(double, ability);
        QFETCH(int, answers);
        BankIndex index = fullBank();
        QList<int> numbers;
        for (int n = 1; n <= bank::kQuestionCount; ++n) {
            index.present[n] = !bank::isRetired(n); // as the real bank holds them
            if (index.present[n])
                numbers << n;
        }
        constexpr int kLearners = 30, kTests = 2000;
        double forecastSum = 0, truthSum = 0;
        for (int learner = 0; learner < kLearners; ++learner) {
            QRandomGenerator g(quint32(1000 * ability) + quint32(learner * 7919 + answers));
            std::array<double, bank::kCategoryCount + 1> offset{};
            for (double& o : offset)
                o = 0.16 * g.generateDouble() - 0.08;
            forecast::Chances truth{};
            for (int n : numbers)
                truth[n] = std::clamp(ability + offset[*bank::categoryOf(n)] +
                                          0.2 * g.generateDouble() - 0.1,
                                      0.02, 0.995);
            QList<AnswerRecord> history;
            for (int i = 0; i < answers; ++i) {
                const int n = numbers[g.bounded(int(numbers.size()))];
                history << answer(n, g.generateDouble() < truth[n]);
            }
            forecastSum +=
                forecast::simulate(forecast::rightChances(history), index, u"B"_s, kTests, g)
                    ->probability();
            truthSum += forecast::simulate(truth, index, u"B"_s, kTests, g)->probability();
        }
        const double predicted = forecastSum / kLearners, actual = truthSum / kLearners;
        QVERIFY2(qAbs(predicted - actual) < 0.05,
                 qPrintable(u"forecast %1, pass rate %2"_s.arg(predicted).arg(actual)));
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

    void timeAxisNeverRepeatsALabel_data() {
        QTest::addColumn<QDateTime>("first");
        QTest::addColumn<QDateTime>("last");
        const QDateTime morning(QDate(2026, 12, 6), QTime(9, 15));
        QTest::newRow("one result") << morning << morning;
        QTest::newRow("an hour apart") << morning << morning.addSecs(3600);
        QTest::newRow("morning and evening") << morning << morning.addSecs(11 * 3600 + 40 * 60);
        QTest::newRow("next day") << morning << morning.addDays(1);
        QTest::newRow("three days") << morning.addSecs(9 * 3600) << morning.addDays(2);
        QTest::newRow("a week") << morning << morning.addDays(7);
        QTest::newRow("summer time ends") << QDateTime(QDate(2026, 10, 20), QTime(8, 0))
                                          << QDateTime(QDate(2026, 10, 29), QTime(20, 0));
        QTest::newRow("over new year") << morning << QDateTime(QDate(2027, 3, 2), QTime(23, 59));
    }
    void timeAxisNeverRepeatsALabel() {
        QFETCH(QDateTime, first);
        QFETCH(QDateTime, last);
        const TimeScale scale = timeScale(first, last);
        QVERIFY(scale.from <= first && scale.to >= last);
        QVERIFY(scale.ticks >= 2 && scale.ticks <= 6);
        QStringList labels; // where the axis puts its ticks: equal steps of time
        const qint64 from = scale.from.toMSecsSinceEpoch(), to = scale.to.toMSecsSinceEpoch();
        for (int i = 0; i < scale.ticks; ++i)
            labels << QDateTime::fromMSecsSinceEpoch(from + (to - from) * i / (scale.ticks - 1))
                          .toString(scale.format);
        QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
    }

    void percentagesSumToAHundred_data() {
        QTest::addColumn<QList<int>>("parts");
        QTest::addColumn<QList<int>>("percents");
        QTest::newRow("thirds") << QList<int>{1, 1, 1} << QList<int>{34, 33, 33};
        QTest::newRow("nothing") << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
        QTest::newRow("largest remainder") << QList<int>{1, 2, 197} << QList<int>{1, 1, 98};
        QTest::newRow("a category of 37") << QList<int>{5, 0, 32} << QList<int>{14, 0, 86};
    }
    void percentagesSumToAHundred() {
        QFETCH(QList<int>, parts);
        QFETCH(QList<int>, percents);
        QCOMPARE(percentages(parts), percents);
    }

    void damagedTableLeavesOnlyItsPartOut() {
        QTemporaryDir dir;
        StoreError error;
        ResultRecord result;
        result.kind = kPracticeKind;
        result.profile = u"Jana"_s;
        result.written = kNow;
        result.successPercent = 70;
        QVERIFY(WriteResultRecord(dir.path(), result, &error));
        QFile damaged(dir.filePath(u"Protokoly.DB"_s));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();
        QRandomGenerator generator(1);
        const Progress p = gatherProgress(dir.path(), u"Jana"_s, u"B"_s, fullBank(), generator);
        QCOMPARE(p.practice.size(), 1);
        QCOMPARE(p.unreadable.size(), 1);
        QVERIFY2(p.unreadable.first().contains(u"Protokoly.DB"_s),
                 qPrintable(p.unreadable.first()));
        QVERIFY(p.forecast);
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
        // The headline reads at a glance, larger than the text below it.
        QVERIFY(QFontMetrics(in<QLabel>(&view, "lbPravdepodobnost")->font()).height() >
                QFontMetrics(in<QLabel>(&view, "lbPredpovedPodrobne")->font()).height() * 4 / 3);
        // No examination stored: no line for it, nothing for it in the legend.
        const auto* success = view.findChild<QChartView*>(u"chUspesnost"_s)->chart();
        QCOMPARE(success->series().size(), 1);
        // A screen reader gets the figures as text.
        QVERIFY(view.findChild<QChartView*>(u"chUspesnost"_s)
                    ->accessibleDescription()
                    .contains(u"Procvičování: 29.5.2026 10:00 40 %, 1.6.2026 10:00 70 %."_s));
    }

    // The main window reaches the view through its module: loaded from the
    // program folder it opens the view; missing, it is told in Czech.
    void progressModuleOpensTheView_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("opens");
        QTest::newRow("program folder") << QStringLiteral(TARMELKA_MODULE_DIR) << true;
        QTest::newRow("module missing") << QDir::tempPath() + u"/nic-tu-neni"_s << false;
    }
    void progressModuleOpensTheView() {
        QFETCH(QString, folder);
        QFETCH(bool, opens);
        QTemporaryDir data;
        QString seen;
        testing::onNextModal([&](QWidget* modal) {
            seen = modal->objectName() + u'|' + modal->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                seen += u'|' + box->text();
            modal->close();
            return true;
        });
        QRandomGenerator generator(1);
        showProgressView(Settings{}, data.path(), fullBank(), generator, nullptr, {folder});
        if (opens)
            QCOMPARE(seen, u"TPokrok|Přehled pokroku"_s);
        else
            QVERIFY2(seen.contains(u"Přehled pokroku nelze otevřít"_s), qPrintable(seen));
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
        const auto history = readAnswers(dir.path(), u"Jana"_s, nullptr);
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
        const auto after = readAnswers(dir.path(), u"Jana"_s, nullptr);
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
