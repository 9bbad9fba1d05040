// The points-test window on a fixture bank: controls, answering, countdown,
// evaluation, the stored protocol, the review and the closing rules.
#include "core/base/jpegImage.h"
#include "gui/pointstest/evaluationPage.h"
#include "gui/pointstest/pointsTestWindow.h"
#include "gui/pointstest/testPages.h"
#include "gui/pointstest/testText.h"
#include "gui/ui/fonts.h"
#include "gui/ui/speaker.h"
#include "gui/ui/staticText.h"
#include "testSupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using testing::ModalBox;
using testing::record;

using testing::in;

namespace {
const QStringList kFour{u"První."_s, u"Druhá."_s, u"Třetí."_s, u"Čtvrtá."_s};
const QDateTime kStart(QDate(2003, 3, 6), QTime(14, 5, 10));

// Exactly as many questions as the plan needs in each range, so every draw
// takes all of them: 1..10 come out in this order, the rest in drawn order.
QString fixtureBank(const QString& missingPicture) {
    QString text = u"# 1-757\n"_s;
    for (int n = 5; n <= 95; n += 10) {
        QString question = u"Pravidla %1?"_s.arg(n);
        if (n == 15)
            question = QString(u"Velmi dlouhá otázka o pravidlech provozu. "_s).repeated(12);
        text += record(n, question, n == 5 ? kFour.mid(0, 3) : kFour, n == 95 ? u"BC"_s : u"A"_s);
    }
    for (int n : {430, 431, 433, 435, 480, 600, 550})
        text += record(n, u"Otázka %1?"_s.arg(n), kFour, u"B"_s);
    for (int n : {630, 640, 650, 660, 670})
        text += record(n, u"Značka %1?"_s.arg(n), kFour, u"C"_s, u"ABCD"_s,
                       n == 670 ? missingPicture : u"grafika\\yes.jpg"_s);
    for (int n : {730, 740, 750})
        text += record(n, u"Křižovatka %1?"_s.arg(n), kFour.mid(0, 3), u"A"_s, u"ABCD"_s,
                       u"grafika\\no.jpg"_s);
    return text;
}

// Answers the next message box once it shows, then runs then.
void onNextBoxThen(ModalBox& seen, QMessageBox::StandardButton press, std::function<void()> then) {
    testing::onNextModal([&seen, press, then](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return false;
        seen = {box->text(), box->windowTitle(), box->icon(), true};
        if (then)
            then();
        box->button(press)->click();
        return true;
    });
}

int storedProtocols(const QString& folder) {
    TableStore store(schemas::protocols(), folder);
    return store.open(TableStore::Mode::ReadOnly) ? store.count().value_or(-1) : 0;
}
} // namespace

class TestFormTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TTestForm> form_;
    Settings settings_;

    AppPaths paths() const { return {dir_->path(), dir_->path()}; }
    QString status(int panel) {
        return in<QLabel>(form_.get(), u"StavRadekPanel%1"_s.arg(panel))->text();
    }
    // A window with its countdown running, as the learner sees it.
    void openForm() {
        form_ = std::make_unique<TTestForm>(settings_, paths(), [] { return kStart; });
        QRandomGenerator generator(5);
        QVERIFY(form_->FormCreate(generator));
        ModalBox start;
        testing::onNextBox(start, QMessageBox::Ok);
        form_->startCountdown();
        QVERIFY(start.seen);
        QVERIFY(start.text.startsWith(u"Po stisknutí tlačítka OK začne plynout doba 30 minut"_s));
        QVERIFY(form_->countdownOn());
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
    void tick(int position, QChar letter) {
        QTest::mouseClick(in(form_.get(), u"st%1%2"_s.arg(position).arg(letter)), Qt::LeftButton);
    }
    ModalBox evaluate() {
        ModalBox result;
        testing::onNextBox(result, QMessageBox::Ok);
        in<QPushButton>(form_.get(), u"btnVyhodnotit"_s)->click();
        return result;
    }

  private slots:
    void initTestCase() { installFontSubstitutes(); }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        testing::copyPictures(dir_->path());
        QVERIFY(testing::makeBank(dir_->path(), fixtureBank(u"grafika\\yes.jpg"_s)));
        settings_ = Settings();
        settings_.activeProfile = u"Jana"_s;
        settings_.protocols[2] = true;
    }
    void cleanup() { form_.reset(); }

    void sitsATestFromTheMenuEntryToItsProtocol() {
        ModalBox start, result;
        testing::onNextBox(start, QMessageBox::Ok);
        bool sat = false, counting = false;
        testing::onNextModal([&](QWidget* modal) {
            auto* form = qobject_cast<TTestForm*>(modal);
            if (!form)
                return false;
            counting = form->countdownOn();
            QTest::mouseClick(in(form, u"st1A"_s), Qt::LeftButton);
            testing::onNextBox(result, QMessageBox::Ok);
            in<QPushButton>(form, u"btnVyhodnotit"_s)->click();
            in<QPushButton>(form, u"btnOK"_s)->click();
            sat = true;
            return true;
        });
        QRandomGenerator generator(3);
        TTestForm::run(
            settings_, paths(), [] { return kStart; }, generator, nullptr);
        QVERIFY(sat);
        QVERIFY(counting);
        QCOMPARE(start.caption, u"Informace programu Tarmelka 2003"_s);
        QVERIFY(start.text.endsWith(u"\nV případě, že budete hotovi dřív, stiskněte tlačítko "
                                    u"\"Vyhodnotit test\"!"_s));
        QVERIFY(result.text.contains(u"Počet špatných odpovědí byl: 24, jejich čísla jsou 2, 3"_s));
        QCOMPARE(storedProtocols(dir_->path()), 1);
    }

    void controlsAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place"); // an empty size: only the left and top count
        QTest::newRow("pages") << u"pcTest"_s << QRect(0, 0, 772, 0);
        QTest::newRow("box 1") << u"gb1"_s << QRect(8, 1, 750, 0);
        QTest::newRow("question 7") << u"st7O"_s << QRect(8, 14, 735, 0);
        QTest::newRow("answer 17") << u"st17A"_s << QRect(40, 0, 605, 0);
        QTest::newRow("answer 24") << u"st24B"_s << QRect(40, 0, 400, 0);
        QTest::newRow("first box of page 7") << u"gb24"_s << QRect(8, 1, 750, 0);
        QTest::newRow("sign picture") << u"img17"_s << QRect(646, 10, 96, 96);
        QTest::newRow("junction picture") << u"img23"_s << QRect(442, 10, 300, 175);
        QTest::newRow("check box") << u"cb2A"_s << QRect(8, 0, 32, 14);
        QTest::newRow("evaluate") << u"btnVyhodnotit"_s << QRect(160, 0, 193, 25);
        QTest::newRow("end") << u"btnZrusit"_s << QRect(416, 0, 193, 25);
    }
    void controlsAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        openForm();
        const QRect actual = in(form_.get(), name)->geometry();
        QCOMPARE(actual.x(), place.x());
        if (place.y())
            QCOMPARE(actual.y(), place.y());
        if (place.width())
            QCOMPARE(actual.width(), place.width());
        if (place.height())
            QCOMPARE(actual.height(), place.height());
    }

    // Reading aloud: the question whose box takes the focus, once; R again.
    void focusedQuestionIsReadAloud() {
        Speaker speaker;
        QStringList said;
        speaker.setSink([&said](const QString& text) { said << text; });
        form_ = std::make_unique<TTestForm>(settings_, paths(), [] { return kStart; }, nullptr,
                                            &speaker);
        QRandomGenerator generator(5);
        QVERIFY(form_->FormCreate(generator));
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        form_->pages()->checkBox(1, 0)->setFocus();
        form_->pages()->checkBox(1, 1)->setFocus(); // the same question
        QTRY_COMPARE(said.size(), 1);
        QVERIFY2(said[0].startsWith(u"Otázka číslo jedna. "_s), qPrintable(said[0]));
        QTest::keyClick(form_.get(), Qt::Key_R);
        QCOMPARE(said.size(), 2);
        QCOMPARE(said[1], said[0]);
    }

    void windowAsCreated() {
        openForm();
        QCOMPARE(form_->windowTitle(), u"Test z předpisů o provozu na pozemních komunikacích"_s);
        QCOMPARE(form_->width(), 772);
        QCOMPARE(status(0), u"Uživatel: Jana"_s);
        QCOMPARE(form_->findChild<QLabel*>(u"StavRadekPanel0"_s)->textFormat(), Qt::PlainText);
        QCOMPARE(status(1), u"Skupina: B"_s);
        QCOMPARE(status(2), u"Minimální potřeba bodů: 56"_s);
        QCOMPARE(status(3), u"Čas do konce: 30:00"_s);
        auto* pages = form_->pages();
        QCOMPARE(pages->count(), 7);
        QCOMPARE(pages->tabText(6), u"List7"_s);
        QVERIFY(form_->findChild<QWidget*>(u"panel1"_s));
        QVERIFY(form_->findChild<QWidget*>(u"Panel7"_s));
        QCOMPARE(in<QGroupBox>(form_.get(), u"gb15"_s)->title(), u"15. otázka (1 bod)"_s);
        QCOMPARE(in<QGroupBox>(form_.get(), u"gb23"_s)->title(), u"23. otázka (4 body)"_s);
        // Question 5 has no answer d): its fourth box keeps the old name and stays hidden.
        QVERIFY(!form_->findChild<QCheckBox*>(u"cb1D"_s));
        QVERIFY(in<QCheckBox>(form_.get(), u"cd1D"_s)->isHidden());
        QVERIFY(!in<QCheckBox>(form_.get(), u"cb2D"_s)->isHidden());
        QVERIFY(form_->evaluationPage()->isHidden());
    }

    void boxesStackAndFitTheirPages() {
        openForm();
        auto* pages = form_->pages();
        // The long question of position 2 pushes the boxes after it down.
        auto* question = in<StaticText>(form_.get(), u"st2O"_s);
        QVERIFY(question->height() >= 3 * 16);
        QCOMPARE(question->height() % 16, 0);
        QCOMPARE(in(form_.get(), u"st2A"_s)->y(), question->y() + question->height());
        QCOMPARE(in(form_.get(), u"cb2A"_s)->y(), in(form_.get(), u"st2A"_s)->y() + 1);
        const QWidget* two = pages->box(2);
        QCOMPARE(pages->box(3)->y(), two->y() + two->height() + 2);
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            const QWidget* sheet = pages->currentWidget();
            for (QGroupBox* box : sheet->findChildren<QGroupBox*>())
                QVERIFY2(box->geometry().bottom() < sheet->height(), qPrintable(box->objectName()));
        }
        QCOMPARE(form_->height() - 546, pages->height() - 497); // window and pages grow together
    }

    void clickingAnAnswerTicksItsBox() {
        openForm();
        auto* box = in<QCheckBox>(form_.get(), u"cb2B"_s);
        tick(2, u'B');
        QVERIFY(box->isChecked());
        QVERIFY(form_->pages()->hasFocus() || form_->pages()->tabBar()->hasFocus());
        tick(2, u'B');
        QVERIFY(!box->isChecked());
        QTest::mouseClick(in(form_.get(), u"st2O"_s),
                          Qt::LeftButton); // the question does not react
        QVERIFY(!box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QVERIFY(!box->hasFocus());
        // The keyboard reaches the boxes too.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(!box->isChecked());
    }

    void keyboardReachesEveryBoxOfAPage() {
        openForm();
        auto* pages = form_->pages();
        pages->tabBar()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"cb1A"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(in<QCheckBox>(form_.get(), u"cb1A"_s)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"cb1B"_s);
        // Enter on a box neither ends the test nor closes the window.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(form_->countdownOn());
        QVERIFY(form_->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 1);
    }

    void countdownTicksAndTimesOut() {
        openForm();
        form_->Timer1Timer();
        QCOMPARE(status(3), u"Čas do konce: 29:59"_s);
        tick(1, u'A');
        form_->test().setRemainingSeconds(1);
        ModalBox result;
        testing::onNextBox(result, QMessageBox::Ok);
        form_->Timer1Timer();
        QVERIFY(result.seen);
        QVERIFY(result.text.startsWith(
            u"Čas vymezený pro test uplynul! - Test nebyl úspěšně vyřešen!"_s));
        QVERIFY(!form_->countdownOn());
        QVERIFY(form_->evaluationPage()->isVisible());
        QCOMPARE(in<QLabel>(form_.get(), u"lbCas"_s)->text(),
                 u"Celková doba trvání testu: 30 minut"_s);
        TableStore store(schemas::protocols(), dir_->path());
        QVERIFY(store.open(TableStore::Mode::ReadOnly));
        const ProtocolRecord stored = ProtocolRecord::fromRow(store.select()->first());
        QCOMPARE(stored.duration, u"30:00"_s);
        QCOMPARE(stored.started, kStart);
        QCOMPARE(stored.profile, u"Jana"_s);
        QCOMPARE(stored.givenAnswers[0], u"A"_s);
        QCOMPARE(stored.correctCount, 1);
    }

    void evaluationPageAndReview() {
        openForm();
        tick(10, u'A'); // question 95, right answer BC
        tick(10, u'B');
        for (int p = 11; p <= 16; ++p)
            tick(p, u'B');
        const ModalBox result = evaluate();
        QVERIFY(result.text.contains(u" - Dosáhli jste 10 bodů z 65 možných"_s));
        QCOMPARE(form_->windowTitle(),
                 u"Vyhodnocení testu z předpisů o provozu na pozemních komunikacích"_s);
        QVERIFY(!form_->pages()->isVisible());
        QVERIFY(!in<QPushButton>(form_.get(), u"btnVyhodnotit"_s)->isEnabled());
        QCOMPARE(form_->focusWidget(), in(form_.get(), u"btnOK"_s));
        QCOMPARE(in<QLabel>(form_.get(), u"lbOdpovedi"_s)->text(),
                 u"Počet správných/špatných odpovědí: 6/19"_s);
        QCOMPARE(in<QLabel>(form_.get(), u"lbUspech"_s)->text(), u"Test nebyl úspěšně složen!"_s);
        QCOMPARE(in<QLabel>(form_.get(), u"lbUspech"_s)->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
        QCOMPARE(in<QLabel>(form_.get(), u"lbProtokol"_s)->text(),
                 u"Byl vytvořen protokol z testu - přístupný je z hlavního menu"_s);
        QCOMPARE(storedProtocols(dir_->path()), 1);

        auto* review = in<QGroupBox>(form_.get(), u"SpatnaOtazka"_s);
        QCOMPARE(review->title(), u" 1. otázka (3 body); Skutečné číslo otázky: 5 "_s);
        QVERIFY(in<QLabel>(form_.get(), u"lbD"_s)->isHidden()); // question 5 has no d)
        auto* table = in<QTableWidget>(form_.get(), u"Tabulka"_s);
        auto* picture = in<QLabel>(form_.get(), u"Obrazek"_s);
        const int number15 = form_->test().question(15).number;
        table->setCurrentCell(2, 0);
        QCOMPARE(review->title(),
                 u" 15. otázka (1 bod); Skutečné číslo otázky: %1 "_s.arg(number15));
        table->setCurrentCell(3, 1);
        QCOMPARE(picture->geometry(), QRect(432, 16, 300, 175));
        QVERIFY(picture->isVisible());
        QCOMPARE(in(form_.get(), u"Otazka"_s)->width(), 421);
        QCOMPARE(in(form_.get(), u"A"_s)->width(), 381);
        table->setCurrentCell(3, 5); // an empty cell changes nothing
        QCOMPARE(form_->evaluationPage()->selectedPosition(), 23);
        table->setCurrentCell(0, 4);
        QVERIFY(picture->isHidden());
        QCOMPARE(in(form_.get(), u"Otazka"_s)->width(), 721);
        QCOMPARE(in(form_.get(), u"D"_s)->width(), 681);

        // Position 10 was answered AB against BC.
        table->setCurrentCell(1, 2);
        const QImage no = jpeg::load(dir_->filePath(u"grafika/no.jpg"_s));
        const QImage yes = jpeg::load(dir_->filePath(u"grafika/yes.jpg"_s));
        const QImage mistake = jpeg::load(dir_->filePath(u"grafika/mistake.jpg"_s));
        auto mark = [&](QChar letter) { return in<QLabel>(form_.get(), u"img"_s + letter); };
        QCOMPARE(mark(u'A')->pixmap().toImage().convertToFormat(no.format()), no);
        QCOMPARE(mark(u'B')->pixmap().toImage().convertToFormat(yes.format()), yes);
        QCOMPARE(mark(u'C')->pixmap().toImage().convertToFormat(mistake.format()), mistake);
        QVERIFY(mark(u'D')->isHidden());
        QCOMPARE(mark(u'B')->y(), in(form_.get(), u"B"_s)->y() - 1);

        // After the evaluation the window closes without a question.
        in<QPushButton>(form_.get(), u"btnOK"_s)->click();
        QVERIFY(!form_->isVisible());
    }

    void closingDuringTheTest_data() {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("close box, No") << false << false;
        QTest::newRow("Esc, No") << true << false;
        QTest::newRow("close box, Yes") << false << true;
    }
    void closingDuringTheTest() {
        QFETCH(bool, escape);
        QFETCH(bool, confirm);
        openForm();
        form_->Timer1Timer();
        ModalBox question;
        testing::onNextBox(question, confirm ? QMessageBox::Yes : QMessageBox::No);
        if (escape)
            QTest::keyClick(form_.get(), Qt::Key_Escape);
        else
            form_->close();
        QCOMPARE(question.text, u"Opravdu chcete ukončit tento test?"_s);
        QCOMPARE(question.icon, QMessageBox::Question);
        QCOMPARE(form_->isVisible(), !confirm);
        if (!confirm)
            QVERIFY(form_->countdownOn());
        QCOMPARE(form_->test().remainingSeconds(), 1799); // the countdown goes on from there
        QVERIFY(!form_->test().evaluated());
        QCOMPARE(storedProtocols(dir_->path()), 0);
    }

    void timeRunsOutDuringTheCloseQuestion() {
        openForm();
        form_->test().setRemainingSeconds(1);
        ModalBox question, result;
        bool evaluatedBeforeAnswer = false;
        // The question stays open until the time-out has been evaluated.
        testing::onNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box || !box->text().startsWith(u"Opravdu"_s))
                return false;
            onNextBoxThen(result, QMessageBox::Ok, [&] {
                onNextBoxThen(question, QMessageBox::Yes,
                              [&] { evaluatedBeforeAnswer = storedProtocols(dir_->path()) == 1; });
            });
            form_->findChild<QTimer*>(u"Timer1"_s)->setInterval(1);
            return true;
        });
        form_->close();
        QVERIFY(result.text.startsWith(u"Čas vymezený pro test uplynul!"_s));
        QVERIFY(evaluatedBeforeAnswer);
        QCOMPARE(storedProtocols(dir_->path()), 1);
        QVERIFY(!form_->isVisible());
    }

    void failedProtocolWriteIsToldAndTheEvaluationEnds() {
        QFile damaged(dir_->filePath(u"Protokoly.DB"_s));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(2048, 'x'));
        damaged.close();
        openForm();
        ModalBox result, failure;
        onNextBoxThen(result, QMessageBox::Ok,
                      [&] { testing::onNextBox(failure, QMessageBox::Ok); });
        in<QPushButton>(form_.get(), u"btnVyhodnotit"_s)->click();
        QCOMPARE(failure.icon, QMessageBox::Critical);
        QVERIFY(failure.text.contains(u"Protokoly.DB"_s));
        QCOMPARE(in<QLabel>(form_.get(), u"lbProtokol"_s)->text(),
                 u"Protokol z testu se nepodařilo uložit."_s);
        QVERIFY(form_->evaluationPage()->isVisible());
        QVERIFY(!in<QPushButton>(form_.get(), u"btnVyhodnotit"_s)->isEnabled());
        QVERIFY(!form_->countdownOn());
    }

    void switchOffStoresNothing() {
        settings_.protocols[2] = false;
        openForm();
        evaluate();
        QCOMPARE(in<QLabel>(form_.get(), u"lbProtokol"_s)->text(),
                 u"Nebyl vytvořen protokol - chcete-li ho vytvářet, změňte nastavení!"_s);
        QVERIFY(!QFile::exists(dir_->filePath(u"Protokoly.DB"_s)));
    }

    void missingPictureIsToldOnceAndTheTestRuns() {
        dir_ = std::make_unique<QTemporaryDir>();
        testing::copyPictures(dir_->path());
        QVERIFY(testing::makeBank(dir_->path(), fixtureBank(u"grafika\\chybi.jpg"_s)));
        form_ = std::make_unique<TTestForm>(settings_, paths(), [] { return kStart; });
        ModalBox problem;
        testing::onNextBox(problem, QMessageBox::Ok);
        QRandomGenerator generator(5);
        QVERIFY(form_->FormCreate(generator));
        QCOMPARE(problem.icon, QMessageBox::Critical);
        QVERIFY(problem.text.contains(u"grafika\\chybi.jpg"_s));
    }

    void noTestWithoutEnoughQuestions_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short range") << u"C"_s << u"pro skupinu C mezi otázkami 621–720 je 4"_s;
        QTest::newRow("unknown group") << u"X"_s << u"Pro skupinu \"X\""_s;
    }
    void noTestWithoutEnoughQuestions() {
        QFETCH(QString, group);
        QFETCH(QString, expected);
        QString bankText = fixtureBank(u"grafika\\yes.jpg"_s);
        bankText.replace(
            u"Značka 640?\nA: První.\nB: Druhá.\nC: Třetí.\nD: Čtvrtá.\nSPRÁVNĚ: C\nSkupina: ABCD"_s,
            u"Značka 640?\nA: První.\nB: Druhá.\nC: Třetí.\nD: Čtvrtá.\nSPRÁVNĚ: C\nSkupina: AB"_s);
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(testing::makeBank(dir_->path(), bankText));
        settings_.group = group;
        ModalBox error;
        testing::onNextBox(error, QMessageBox::Ok);
        QRandomGenerator generator(1);
        TTestForm::run(
            settings_, paths(), [] { return kStart; }, generator, nullptr);
        QVERIFY(error.seen);
        QCOMPARE(error.icon, QMessageBox::Critical);
        QVERIFY2(error.text.contains(expected), qPrintable(error.text));
    }
};

QTEST_MAIN(TestFormTest)
#include "tst_testform.moc"
