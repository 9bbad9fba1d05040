// Browsing the bank: question layout, pictures, the retired notice and the
// browse box.
#include "core/base/jpegImage.h"
#include "core/base/textLines.h"
#include "gui/app/mainWindow.h"
#include "gui/study/questionArea.h"
#include "gui/ui/fonts.h"
#include "gui/ui/staticText.h"
#include "testSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using testing::ModalBox;
using testing::record;

namespace {
const QString kLong =
    u"Řidič, který se chystá odbočit vlevo na křižovatce, kde je provoz řízen "
    u"světelnými signály, musí dát přednost protijedoucím vozidlům jedoucím přímo "
    u"i odbočujícím vpravo a také chodcům, kteří přecházejí pozemní komunikaci."_s;

QString fixtureBank() {
    return u"# 1-757\n"_s +
           record(1, u"První otázka?"_s, {u"Ano."_s, u"Ne."_s, u"Někdy."_s}, u"AC"_s, u"ABCD"_s, {},
                  u"Poznámka k první otázce."_s) +
           record(3, kLong, {kLong, u"Krátká."_s, kLong}, u"B"_s, u"ABCD"_s, {}, kLong) +
           record(600, u"Bez obrázku?"_s, {u"Ano."_s, u"Ne."_s}, u"A"_s) +
           record(650, kLong, {kLong, u"Ne."_s, u"Ano."_s}, u"A"_s, u"ABCD"_s,
                  u"grafika\\znacky\\A1a.jpg"_s, kLong) +
           record(651, u"Chybí obrázek?"_s, {u"Ano."_s, u"Ne."_s}, u"A"_s, u"ABCD"_s,
                  u"grafika\\znacky\\nic.jpg"_s) +
           record(730, kLong, {kLong, u"Ne."_s, u"Ano."_s, u"Možná."_s}, u"D"_s, u"ABCD"_s,
                  u"grafika\\krizovatky\\k0730.jpg"_s) +
           record(757, u"Poslední?"_s, {u"Ano."_s, u"Ne."_s}, u"B"_s);
}

void writePicture(const QString& path, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(jpeg::save(image, path, 90));
}
} // namespace

class BrowseTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    std::unique_ptr<THlavniFormular> w_;

    template <typename T = QWidget> T* child(const char* name) {
        return testing::in<T>(w_.get(), name);
    }
    QLineEdit* field() { return child<QLineEdit>("eCisloO"); }
    void enter(const QString& text) {
        field()->setText(text);
        QTest::keyClick(field(), Qt::Key_Return);
    }
    QString number() { return child<QLabel>("lbCisloOtazky")->text(); }

  private slots:
    void initTestCase() {
        installFontSubstitutes();
        QVERIFY(testing::makeBank(dir_.path(), fixtureBank()));
        testing::copyPictures(dir_.path());
        writePicture(dir_.filePath(u"grafika/znacky/A1a.jpg"_s), {96, 96});
        writePicture(dir_.filePath(u"grafika/krizovatky/k0730.jpg"_s), {300, 175});
    }
    void init() {
        w_ = std::make_unique<THlavniFormular>(AppPaths{dir_.path(), dir_.path()});
        QVERIFY(w_->FormCreate());
        w_->show();
        w_->findChild<QAction*>(u"M1Prohlizet"_s)->trigger();
    }
    void cleanup() { w_.reset(); }

    void startsAtQuestionOneWithTicks() {
        QCOMPARE(number(), u"Otázka číslo 1"_s);
        QCOMPARE(field()->text(), u"1"_s);
        QCOMPARE(child<StaticText>("stOtazka")->text(), u"První otázka?"_s);
        QVERIFY(child("stPoznamka")->isVisible());
        QCOMPARE(child<StaticText>("stPoznamka")->text(), u"Poznámka k první otázce."_s);
        QVERIFY(child("imgA")->isVisible() && !child("imgB")->isVisible() &&
                child("imgC")->isVisible());
        QVERIFY(!child<QLabel>("imgA")->pixmap().isNull());
        QCOMPARE(child("stOtazka")->geometry(), QRect(8, 24, 617, 18));
        QCOMPARE(child("stA")->geometry(), QRect(45, 52, 580, 18));
        QCOMPARE(child("imgB")->pos(), QPoint(8, 70));
        QCOMPARE(child("lbC")->pos(), QPoint(26, 88));
        // answer d) is empty: no height, and the note follows c) 10 px below it
        QCOMPARE(child("stD")->height(), 0);
        QVERIFY(!child("lbD")->isVisible() && child("lbC")->isVisible());
        QCOMPARE(child("stPoznamka")->y(), child("stC")->geometry().bottom() + 1 + 10);
        QCOMPARE(child("stPoznamka")->width(), 597);
        QVERIFY(!child("imgObrazek")->isVisible());
    }

    void enterClampsToTheBank_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("zero") << u"0"_s << u"1"_s;
        QTest::newRow("above the bank") << u"900"_s << u"757"_s;
        QTest::newRow("leading zeros") << u"0003"_s << u"3"_s;
        QTest::newRow("largest int") << u"2147483647"_s << u"757"_s;
    }
    void enterClampsToTheBank() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        enter(typed);
        QCOMPARE(field()->text(), shown);
        QCOMPARE(number(), u"Otázka číslo "_s + shown);
        QCOMPARE(w_->questionArea()->shown().number, shown.toInt());
    }

    void arrowKeysStepLikeTheButtons() {
        enter(u"756"_s);
        QTest::keyClick(field(), Qt::Key_Up);
        QCOMPARE(field()->text(), u"757"_s);
        QTest::keyClick(field(), Qt::Key_Up); // the last question: stays
        QCOMPARE(number(), u"Otázka číslo 757"_s);
        QTest::keyClick(field(), Qt::Key_Down);
        QCOMPARE(field()->text(), u"756"_s);
    }

    void storeErrorKeepsNumberAndScreenTogether() {
        enter(u"3"_s);
        w_->table().close(); // the table fails under the window
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        enter(u"5"_s);
        QVERIFY(box.seen);
        QVERIFY(box.text.startsWith(u"Otázku nelze načíst.\nTabulka: otazky.DB"_s));
        QCOMPARE(number(), u"Otázka číslo 3"_s);
        QCOMPARE(w_->questionArea()->shown().number, 3);
        QVERIFY(w_->table().open());
    }

    void retiredNumberShowsTheNotice() {
        enter(u"2"_s);
        QCOMPARE(number(), u"Otázka číslo 2"_s);
        QCOMPARE(w_->questionArea()->caption(),
                 u"Otázka vyřazena v srpnu 2001 či po novele zákona 247/00 Sb. v lednu 2002"_s);
        QVERIFY(child("pOtazkyCaption")->isVisible());
        for (const char* name :
             {"stOtazka", "stA", "stD", "lbA", "lbD", "imgA", "imgC", "imgObrazek"})
            QVERIFY2(!child(name)->isVisible(), name);
        QCOMPARE(child<StaticText>("stPoznamka")->text(), QString());
        child<QToolButton>("sb1Up")->click();
        QCOMPARE(number(), u"Otázka číslo 3"_s);
        QCOMPARE(field()->text(), u"3"_s);
        QVERIFY(!child("pOtazkyCaption")->isVisible());
        QVERIFY(child("stOtazka")->isVisible() && child("lbA")->isVisible());
        QVERIFY(child("imgB")->isVisible());
    }

    void arrowsStopAtTheEnds() {
        child<QToolButton>("sb1Down")->click();
        QCOMPARE(field()->text(), u"1"_s);
        QCOMPARE(number(), u"Otázka číslo 1"_s);
        enter(u"757"_s);
        child<QToolButton>("sb1Up")->click();
        QCOMPARE(field()->text(), u"757"_s);
        field()->setText(u"900"_s); // typed but not confirmed
        child<QToolButton>("sb1Down")->click();
        QCOMPARE(field()->text(), u"757"_s);
        QCOMPARE(number(), u"Otázka číslo 757"_s);
        QCOMPARE(child<StaticText>("stOtazka")->text(), u"Poslední?"_s);
    }

    void invalidNumberTexts_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("how");
        for (int how = 0; how < 3; ++how) {
            const char* way[] = {"enter", "up", "down"};
            QTest::newRow(qPrintable(u"empty, "_s + QLatin1String(way[how]))) << u""_s << how;
            QTest::newRow(qPrintable(u"letter, "_s + QLatin1String(way[how]))) << u"1a"_s << how;
        }
        QTest::newRow("sign") << u"-5"_s << 0;
        QTest::newRow("space") << u" 5"_s << 0;
        QTest::newRow("too large") << u"2147483648"_s << 1;
    }
    void invalidNumberTexts() {
        QFETCH(QString, typed);
        QFETCH(int, how);
        field()->setText(typed);
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        if (how == 0)
            QTest::keyClick(field(), Qt::Key_Return);
        else
            child<QToolButton>(how == 1 ? "sb1Up" : "sb1Down")->click();
        QVERIFY(box.seen);
        QCOMPARE(box.text, u"\""_s + typed + u"\" není platná integer hodnota!"_s);
        QCOMPARE(box.caption, u"Chybové hlášení programu Tarmelka 2003"_s);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(field()->text(), typed);
        QCOMPARE(number(), u"Otázka číslo 1"_s);
        QCOMPARE(w_->focusWidget(), field());
    }

    void picturesNarrowTheTexts_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("pictureWidth");
        QTest::newRow("sign") << 650 << 530 << 96;
        QTest::newRow("junction") << 730 << 326 << 300;
        QTest::newRow("none") << 600 << 0 << 0;
    }
    void picturesNarrowTheTexts() {
        QFETCH(int, question);
        QFETCH(int, left);
        QFETCH(int, pictureWidth);
        enter(QString::number(question));
        QWidget* picture = child("imgObrazek");
        QCOMPARE(picture->isVisible(), pictureWidth > 0);
        if (pictureWidth)
            QCOMPARE(picture->geometry(),
                     QRect(left, 8, pictureWidth, pictureWidth == 96 ? 96 : 175));
        QCOMPARE(child("stOtazka")->width(), 617 - pictureWidth);
        QCOMPARE(child("stA")->width(), 580 - pictureWidth);
        QCOMPARE(child("stPoznamka")->width(), 597);
        // Every text is as high as its lines, and each follows the one before.
        auto* text = child<StaticText>("stOtazka");
        QCOMPARE(text->height(), 18 * lineCount(text->text(), text->font(), text->width()));
        if (pictureWidth) // the long question wraps more the narrower it gets
            QVERIFY(text->height() >= 18 * (pictureWidth == 300 ? 3 : 2));
        QCOMPARE(child("stA")->y(), text->y() + text->height() + 10);
        QCOMPARE(child("stB")->y(), child("stA")->y() + child("stA")->height());
        QCOMPARE(child("imgA")->y(), child("stA")->y());
        const int noteTop = child("stD")->y() + child("stD")->height() + 10;
        if (pictureWidth) // a note that would run under the picture goes below it
            QCOMPARE(child("stPoznamka")->y(),
                     std::max(noteTop, picture->geometry().bottom() + 1 + 10));
        else
            QCOMPARE(child("stPoznamka")->y(), noteTop);
    }

    void missingPictureKeepsTheQuestionReadable() {
        struct BoxCounter : QObject {
            int shown = 0;
            bool eventFilter(QObject* watched, QEvent* event) override {
                shown += event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched);
                return false;
            }
        } counter;
        qApp->installEventFilter(&counter);
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        enter(u"651"_s);
        qApp->removeEventFilter(&counter);
        QCOMPARE(counter.shown, 1); // one box, not one per laid-out text
        QVERIFY(box.seen);
        QVERIFY(box.text.contains(u"grafika\\znacky\\nic.jpg"_s));
        QVERIFY(!child("imgObrazek")->isVisible());
        QCOMPARE(child("stOtazka")->width(), 617);
        QCOMPARE(child<StaticText>("stOtazka")->text(), u"Chybí obrázek?"_s);
    }

    void endOfModeReturnsToIdleAtOnce() {
        w_->findChild<QAction*>(u"M2KonecRezimu"_s)->trigger();
        QCOMPARE(w_->currentMode(), Mode::Idle);
        QVERIFY(!w_->questionArea()->isVisible());
    }

    void lineCounting_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("slack");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty") << QString() << 0 << 0;
        QTest::newRow("fits exactly") << u"Řidič musí dát přednost chodcům."_s << 0 << 1;
        QTest::newRow("one pixel short") << u"Řidič musí dát přednost chodcům."_s << -1 << 2;
        QTest::newRow("trailing empty line") << u"Ano, smí.\n"_s << 0 << 1;
        QTest::newRow("inner empty line") << u"Ano.\n\nNe."_s << 40 << 3;
    }
    void lineCounting() {
        QFETCH(QString, text);
        QFETCH(int, slack);
        QFETCH(int, lines);
        const QFont font = questionFont();
        const int width = QFontMetrics(font).horizontalAdvance(text.section(u'\n', 0, 0)) + slack;
        QCOMPARE(lineCount(text, font, std::max(width, 1)), lines);
    }

    void longWordsBreakInside() {
        const QFont font = questionFont();
        const QString word = QString(u'Ž').repeated(60);
        const int width = QFontMetrics(font).horizontalAdvance(word) / 3 + 2;
        QCOMPARE(lineCount(word, font, width), 3);
        const QStringList pieces = wrapText(u"Viz "_s + word, font, width);
        QCOMPARE(pieces.join(QString()).remove(u' '), u"Viz"_s + word);
    }
};

QTEST_MAIN(BrowseTest)
#include "tst_browse.moc"
