// Practice and examination from the menu to the stored record and a repeat.
#include "gui/app/mainWindow.h"
#include "gui/study/helpPanel.h"
#include "gui/study/questionArea.h"
#include "gui/study/runResultDialog.h"
#include "gui/study/runStartDialog.h"
#include "gui/ui/fonts.h"
#include "gui/ui/keyGrace.h"
#include "gui/ui/speaker.h"
#include "gui/ui/staticText.h"
#include "testSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using testing::ModalBox;
using testing::record;

using testing::in;
using testing::onNextDialog;

namespace {
QString fixtureBank() {
    QString text = u"# 1-757\n"_s;
    for (int n : {1, 3, 4, 5, 6})
        text += record(n, u"Otázka %1?"_s.arg(n),
                       n == 3 ? QStringList{u"První."_s, u"Druhá."_s, u"Třetí."_s}
                              : QStringList{u"První."_s, u"Druhá."_s, u"Třetí."_s, u"Čtvrtá."_s},
                       n == 4 ? u"AB"_s : u"A"_s, n == 6 ? u"C"_s : u"ABCD"_s, QString(),
                       n == 1 ? u"Proto je správně první."_s : QString());
    return text;
}

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    std::unique_ptr<THlavniFormular> w_;

    QLabel* label(const char* name) { return in<QLabel>(w_.get(), name); }
    QuestionArea* area() { return w_->questionArea(); }
    void rightClick() { QTest::mouseClick(in(w_.get(), "stOtazka"), Qt::RightButton); }
    void pick(char letter) {
        QTest::mouseClick(in(w_.get(), (std::string("st") + letter).c_str()), Qt::LeftButton);
    }
    bool marked(int i) {
        return !in(w_.get(), (std::string("img") + char('A' + i)).c_str())->isHidden();
    }
    void waitForVerdictToGo() {
        auto* timer = w_->findChild<QTimer*>(u"Timer1"_s);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1500);
        timer->setInterval(1);
        QTRY_VERIFY(!in<QLabel>(w_.get(), "pSpravne")->isVisible());
        QVERIFY(!timer->isActive());
    }
    // Starts a run of count questions from the menu, sequential from position 1.
    void startRun(const char* command, int count) {
        onNextDialog<TDotazPZ>([count](TDotazPZ* d) {
            in<QScrollBar>(d, "sbPocet")->setValue(count);
            in<QPushButton>(d, "btnPotvrdit")->click();
        });
        w_->findChild<QAction*>(QString::fromLatin1(command))->trigger();
    }
    int storedRecords() {
        TableStore store(schemas::results(), dir_.path());
        return store.open(TableStore::Mode::ReadOnly) ? store.count().value_or(-1) : 0;
    }

  private slots:
    void initTestCase() {
        installFontSubstitutes();
        QVERIFY(testing::makeBank(dir_.path(), fixtureBank()));
        testing::copyPictures(dir_.path());
    }
    void init() {
        QFile::remove(dir_.filePath(u"Vysledky.DB"_s));
        w_ = std::make_unique<THlavniFormular>(AppPaths{dir_.path(), dir_.path()});
        QVERIFY(w_->FormCreate());
        w_->setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(9, 30, 15)); });
        w_->settings().protocols = {true, true, false};
        w_->show();
    }
    void cleanup() { w_.reset(); }

    void startDialogShowsTheSelectableSet() {
        QString heading, count, start, button;
        int maximum = 0;
        onNextDialog<TDotazPZ>([&](TDotazPZ* d) {
            heading = in<QLabel>(d, "lbNadpis")->text();
            count = in<QLabel>(d, "lbPocet")->text();
            start = in<QLabel>(d, "lbOtazka")->text();
            button = in<QPushButton>(d, "btnPotvrdit")->text();
            maximum = in<QScrollBar>(d, "sbPocet")->maximum();
            QCOMPARE(d->windowTitle(), u"Dotaz programu Tarmelka 2003"_s);
            QCOMPARE(d->size(), QSize(294, 160));
            QVERIFY(in(d, "sbOtazka")->isEnabled());
            d->close(); // closing any way confirms
        });
        w_->findChild<QAction*>(u"M1Zkouset"_s)->trigger();
        QCOMPARE(heading, u"Zkoušení otázek"_s);
        QCOMPARE(button, u"Start Zkoušení"_s);
        QCOMPARE(count, u"Počet otázek: 4"_s); // 1, 3, 4, 5 are for group B; 6 is for C
        QCOMPARE(start, u"Začít otázkou: 1*"_s);
        QCOMPARE(maximum, 4);
        QCOMPARE(w_->currentMode(), Mode::Examination);
        QCOMPARE(label("lbCelkemOtazek")->text(), u"Celkem otázek: 4"_s);
        QCOMPARE(label("lbZbyvaOtazek")->text(), u"Zbývá: 4"_s);
        QCOMPARE(label("lbCisloOtazky")->text(), u"Otázka číslo 1"_s);
    }

    void startDialogCoupling() {
        TDotazPZ d(false, false, 100, nullptr);
        auto* count = in<QScrollBar>(&d, "sbPocet");
        auto* start = in<QScrollBar>(&d, "sbOtazka");
        QCOMPARE(count->value(), 20);
        start->setValue(90);
        QCOMPARE(count->value(), 11);
        QCOMPARE(in<QLabel>(&d, "lbPocet")->text(), u"Počet otázek: 11"_s);
        start->setValue(60);
        count->setValue(50);
        QCOMPARE(start->value(), 51);
        QCOMPARE(in<QLabel>(&d, "lbOtazka")->text(), u"Začít otázkou: 51*"_s);
        TDotazPZ random(true, true, 12, nullptr);
        QCOMPARE(in<QScrollBar>(&random, "sbPocet")->value(), 12);
        for (const char* name : {"sbOtazka", "lbOtazka", "lbHvezda", "stHvezda"})
            QVERIFY2(!in(&random, name)->isEnabled(), name);
        QCOMPARE(random.start(), 1);
    }

    void emptySelectableSetStartsNothing() {
        w_->settings().group = u"D"_s;
        w_->settings().categories = {false, false, false, false, false, false, true};
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        w_->findChild<QAction*>(u"M1Procvicovat"_s)->trigger();
        QVERIFY(box.seen);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(w_->currentMode(), Mode::Idle);
    }

    void practiceByMouseToTheRecordAndARepeat() {
        startRun("M1Procvicovat", 4);
        QCOMPARE(w_->currentMode(), Mode::Practice);
        QVERIFY(w_->findChild<QAction*>(u"M2OznacSpravne"_s)->isVisible());
        // Question 1 (A): right click with nothing marked does nothing.
        rightClick();
        QVERIFY(w_->run().state().awaitingAnswer);
        QVERIFY(!in<QLabel>(w_.get(), "pSpravne")->isVisible());
        pick('A');
        QVERIFY(marked(0));
        rightClick();
        QCOMPARE(in<QLabel>(w_.get(), "pSpravne")->text(), u"Správně"_s);
        QCOMPARE(label("lbUspesnost")->text(), u"Úspěšnost: 100%"_s);
        rightClick(); // during the verdict: ignored
        QCOMPARE(w_->run().state().currentNumber, 1);
        waitForVerdictToGo();
        rightClick(); // question 3
        QCOMPARE(w_->run().state().currentNumber, 3);
        QCOMPARE(label("lbZbyvaOtazek")->text(), u"Zbývá: 3"_s);
        QVERIFY(!marked(0));
        pick('B');
        pick('C');
        pick('C'); // unmarks again
        rightClick();
        QCOMPARE(in<QLabel>(w_.get(), "pSpravne")->text(), u"Špatně"_s);
        QVERIFY(marked(0) && marked(1) && !marked(2)); // a) missed, b) crossed
        QCOMPARE(label("lbUspesnost")->text(), u"Úspěšnost: 50%"_s);
        waitForVerdictToGo();
        rightClick(); // question 4 (AB): use the hint
        w_->findChild<QAction*>(u"M2OznacSpravne"_s)->trigger();
        QVERIFY(marked(0) && marked(1) && !marked(2) && !marked(3));
        pick('C'); // nothing happens after a hint
        QVERIFY(!marked(2));
        rightClick(); // question 5: every answer marked
        for (char c : {'A', 'B', 'C', 'D'})
            pick(c);
        rightClick();
        QCOMPARE(label("lbUspesnost")->text(), u"Úspěšnost: 33%"_s);
        waitForVerdictToGo();
        QCOMPARE(w_->run().state().remaining, 0);

        QString counts, soubor;
        bool repeatEnabled = false;
        onNextDialog<TResult>([&](TResult* d) {
            counts = in<QLabel>(d, "lbPocet")->text() + u'|' + in<QLabel>(d, "lbSpravne")->text() +
                     u'|' + in<QLabel>(d, "lbSpatne")->text() + u'|' +
                     in<QLabel>(d, "lbSNapovedou")->text() + u'|' +
                     in<QLabel>(d, "lbUspesnost")->text();
            soubor = in<QLabel>(d, "lbSoubor")->text();
            repeatEnabled = in(d, "btnPrezkouset")->isEnabled();
            in<QPushButton>(d, "btnPrezkouset")->click();
        });
        rightClick();
        QCOMPARE(counts,
                 u"Počet otázek: 4|Správných odpovědí: 1|Špatných odpovědí: 2|Použití nápovědy: 1|"
                 u"Úspěšnost: 33%"_s);
        QCOMPARE(soubor,
                 u"Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z..."_s);
        QVERIFY(repeatEnabled);

        TableStore store(schemas::results(), dir_.path());
        QVERIFY(store.open(TableStore::Mode::ReadOnly));
        const Row r = store.select()->first();
        QCOMPARE(r[0].toString(), u"Procvičování"_s);
        QCOMPARE(r[1].toString(), u"Default"_s);
        QCOMPARE(r[2].toDate(), QDate(2026, 12, 7));
        QCOMPARE(r[3].toTime(), QTime(9, 30, 15));
        QCOMPARE(r[4].toString(), u"B"_s);
        QCOMPARE(r[5].toString(), u"1234567"_s);
        QCOMPARE(r[6].toInt(), 4);
        QCOMPARE(r[7].toInt(), 2);
        QCOMPARE(r[8].toString(), u"3, 5"_s);
        QCOMPARE(r[9].toInt(), 1);
        QCOMPARE(r[10].toString(), u"4"_s);
        QCOMPARE(r[11].toInt(), 33);
        store.close();

        // The repeat asks 3, 5 and then the hinted 4.
        QCOMPARE(w_->currentMode(), Mode::Practice);
        QCOMPARE(w_->run().state().order, (QList<int>{3, 5, 4}));
        QCOMPARE(label("lbCelkemOtazek")->text(), u"Celkem otázek: 3"_s);
        QCOMPARE(label("lbUspesnost")->text(), u"Úspěšnost: 0%"_s);
        QCOMPARE(w_->run().state().currentNumber, 3);
        for (int expected : {5, 4}) {
            w_->findChild<QAction*>(u"M2OznacSpravne"_s)->trigger();
            rightClick();
            QCOMPARE(w_->run().state().currentNumber, expected);
        }
        pick('A');
        pick('B');
        rightClick();
        waitForVerdictToGo();
        // A repeat asks before storing; No writes nothing.
        ModalBox ask;
        testing::onNextBox(ask, QMessageBox::No);
        onNextDialog<TResult>([&](TResult* d) {
            soubor = in<QLabel>(d, "lbSoubor")->text();
            in<QPushButton>(d, "btnOK")->click();
        });
        rightClick();
        QCOMPARE(ask.text, u"Chcete vytvořit protokol i z této opravy?"_s);
        QCOMPARE(soubor, u"Protokol z opravy procvičování nebyl vytvořen"_s);
        QCOMPARE(storedRecords(), 1);
        QCOMPARE(w_->currentMode(), Mode::Idle);
        QVERIFY(w_->run().state().order.isEmpty());
    }

    // Reading aloud: each question as it is shown, again on R; without an
    // engine the option says so and stays off.
    void questionsAreReadAloud() {
        QStringList said;
        w_->speaker()->setSink([&said](const QString& text) { said << text; });
        w_->findChild<QAction*>(u"M1CteniNahlas"_s)->trigger();
        QVERIFY(w_->view().readAloud);
        startRun("M1Procvicovat", 2);
        QCOMPARE(said, QStringList{u"Otázka číslo jedna. Otázka jedna? Odpověď a: První. "
                                   u"Odpověď b: Druhá. Odpověď c: Třetí. Odpověď d: Čtvrtá."_s});
        QTest::keyClick(w_.get(), Qt::Key_R);
        QCOMPARE(said.size(), 2);
    }
    void readingAloudWithoutAnEngine() {
        w_->speaker()->setMissing(u"V tomto počítači není nainstalován hlasový výstup."_s);
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        w_->findChild<QAction*>(u"M1CteniNahlas"_s)->trigger();
        QVERIFY(box.text.contains(u"hlasový výstup"_s));
        QVERIFY(!w_->view().readAloud);
        QVERIFY(!w_->findChild<QAction*>(u"M1CteniNahlas"_s)->isChecked());
    }

    void theWhyAfterAWrongAnswerInPractice() {
        startRun("M1Procvicovat", 2);
        auto* note = in<StaticText>(w_.get(), "stPoznamka");
        QTest::keyClick(w_.get(), Qt::Key_P); // nothing answered yet
        QVERIFY(note->isHidden());
        QTest::keyClick(w_.get(), Qt::Key_C);
        QTest::keyClick(w_.get(), Qt::Key_Return);
        QCOMPARE(in<QLabel>(w_.get(), "pSpravne")->text(), u"Špatně"_s);
        QTest::keyClick(w_.get(), Qt::Key_P);
        QVERIFY(!note->isHidden());
        QCOMPARE(note->text(), u"Proto je správně první."_s);
        waitForVerdictToGo();
        QTest::keyClick(w_.get(), Qt::Key_Return); // the next question hides it again
        QVERIFY(note->isHidden());
    }

    void examinationByKeyboard() {
        w_->settings().protocols = {false, false, false};
        startRun("M1Zkouset", 2);
        QVERIFY(!w_->findChild<QAction*>(u"M2OznacSpravne"_s)->isVisible());
        QTest::keyClick(w_.get(), Qt::Key_A);
        QVERIFY(marked(0));
        QTest::keyClick(w_.get(), Qt::Key_2);
        QVERIFY(marked(1));
        QTest::keyClick(w_.get(), Qt::Key_B);
        QTest::keyClick(w_.get(), Qt::Key_Return);
        QCOMPARE(in<QLabel>(w_.get(), "pSpravne")->text(), u"Správně"_s);
        waitForVerdictToGo();
        QTest::keyClick(w_.get(), Qt::Key_Space);
        QCOMPARE(w_->run().state().currentNumber, 3);
        QTest::keyClick(w_.get(), Qt::Key_C);
        QTest::keyClick(w_.get(), Qt::Key_Enter);
        QCOMPARE(in<QLabel>(w_.get(), "pSpravne")->text(), u"Špatně"_s);
        waitForVerdictToGo();
        QString title, soubor, button;
        QList<int> tops;
        bool hintRow = true;
        onNextDialog<TResult>([&](TResult* d) {
            title = in<QLabel>(d, "lbTyp")->text();
            soubor = in<QLabel>(d, "lbSoubor")->text();
            button = in<QPushButton>(d, "btnPrezkouset")->text();
            hintRow = in(d, "lbSNapovedou")->isVisible();
            for (const char* name : {"lbSkupina", "lbPocet", "lbSpravne", "lbSpatne"})
                tops << in(d, name)->y();
            QCOMPARE(in(d, "lbTyp")->x(), 342 / 2 - in(d, "lbTyp")->width() / 2);
            d->close(); // the close control ends the run like OK
        });
        QTest::keyClick(w_.get(), Qt::Key_Return);
        QCOMPARE(title, u"Vyhodnocení zkoušení"_s);
        QCOMPARE(button, u"Přezkoušet ze &špatných odpovědí"_s);
        QCOMPARE(soubor, u"Nebyl vytvořen protokol - chcete-li ho vytvářet změňte nastavení"_s);
        QVERIFY(!hintRow);
        QCOMPARE(tops, (QList<int>{77, 98, 119, 141}));
        QCOMPARE(storedRecords(), 0);
        QCOMPARE(w_->currentMode(), Mode::Idle);
    }

    void storedResultReexaminationRestoresTheGroup() {
        w_->settings().group = u"B"_s;
        w_->run().presetFromStored({6}, u"C"_s, u"26"_s, w_->settings());
        w_->SetMode(Mode::Examination, true);
        QCOMPARE(w_->run().state().currentNumber, 6);
        pick('C');
        rightClick();
        waitForVerdictToGo();
        ModalBox ask;
        testing::onNextBox(ask, QMessageBox::Yes);
        onNextDialog<TResult>([](TResult* d) { in<QPushButton>(d, "btnOK")->click(); });
        rightClick();
        QVERIFY(ask.seen);
        QCOMPARE(w_->settings().group, u"B"_s);
        QVERIFY(!w_->run().state().fromStoredResult);
        TableStore store(schemas::results(), dir_.path());
        QVERIFY(store.open(TableStore::Mode::ReadOnly));
        const Row r = store.select()->first();
        QCOMPARE(r[4].toString(), u"C"_s);  // the stored result's group
        QCOMPARE(r[5].toString(), u"26"_s); // and its categories
    }

    void damagedResultsTableIsReported() {
        QFile damaged(dir_.filePath(u"Vysledky.DB"_s));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(3000, 'z'));
        damaged.close();
        startRun("M1Procvicovat", 1);
        pick('B');
        rightClick();
        waitForVerdictToGo();
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        QString spravne, soubor;
        onNextDialog<TResult>([&](TResult* d) {
            spravne = in<QLabel>(d, "lbSpatne")->text();
            soubor = in<QLabel>(d, "lbSoubor")->text();
            in<QPushButton>(d, "btnOK")->click();
        });
        rightClick();
        QVERIFY(box.seen);
        QVERIFY(box.text.startsWith(u"Výsledek se nepodařilo uložit.\nTabulka: Vysledky.DB"_s));
        QCOMPARE(spravne, u"Špatných odpovědí: 1"_s);
        QCOMPARE(soubor, u"Protokol se nepodařilo uložit."_s);
        QCOMPARE(damaged.size(), 3000);
    }

    // Keys reach the run wherever the focus was; a missing answer cannot be
    // marked; the hint has a key; presses made before the evaluation opened
    // do not close it unread.
    void keyboardAfterBrowsing() {
        w_->findChild<QAction*>(u"M1Prohlizet"_s)->trigger();
        in(w_.get(), "eCisloO")->setFocus();
        w_->findChild<QAction*>(u"M2KonecRezimu"_s)->trigger();
        startRun("M1Procvicovat", 2);
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w_.get();
        QVERIFY(target != in(w_.get(), "eCisloO"));
        QTest::keyClick(target, Qt::Key_A);
        QVERIFY(marked(0));
        QTest::keyClick(target, Qt::Key_A);
        QTest::keyClick(target, Qt::Key_N); // the hint
        QCOMPARE(w_->run().state().hintCount, 1);
        QVERIFY(marked(0) && !marked(1));
        QTest::keyClick(target, Qt::Key_Return); // question 3, which has three answers only
        QTest::keyClick(target, Qt::Key_D);
        QTest::keyClick(target, Qt::Key_4);
        QVERIFY(!marked(3));
        QTest::keyClick(target, Qt::Key_A);
        QTest::keyClick(target, Qt::Key_Return);
        waitForVerdictToGo();
        bool stillOpen = false;
        QString fits;
        onNextDialog<TResult>([&](TResult* d) {
            QTest::keyClick(in(d, "btnOK"), Qt::Key_Return); // the press that came too fast
            stillOpen = d->isVisible();
            auto* line = in<QLabel>(d, "lbSoubor");
            const QRect needed = line->fontMetrics().boundingRect(QRect(0, 0, line->width(), 1000),
                                                                  Qt::TextWordWrap, line->text());
            if (line->geometry().right() > d->width() || needed.height() > line->height())
                fits = line->text();
            QTest::qWait(kKeyGraceMs + 50);
            QTest::keyClick(in(d, "btnOK"), Qt::Key_Return);
        });
        QTest::keyClick(target, Qt::Key_Return);
        QVERIFY(stillOpen);
        QVERIFY2(fits.isEmpty(), qPrintable(fits));
        QCOMPARE(w_->currentMode(), Mode::Idle);
    }
};

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
