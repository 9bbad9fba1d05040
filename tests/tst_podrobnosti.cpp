// The result detail: its layout by categories and counts, the number boxes,
// and the re-examination it hands back (or refuses for a damaged record).
#include "gui/results/resultDetailDialog.h"
#include "gui/ui/fonts.h"
#include "testSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using testing::ModalBox;

namespace {
ResultRecord result(const QString& categories, int wrong, int hinted,
                    const QString& kind = kPracticeKind) {
    ResultRecord r;
    r.kind = kind;
    r.profile = u"<b>Žák</b>"_s;
    r.written = QDateTime(QDate(2003, 5, 14), QTime(18, 34, 12));
    r.group = u"C"_s;
    r.categories = categories;
    r.questionCount = 20;
    r.wrongCount = wrong;
    r.wrongNumbers = QList<int>{12, 45, 610}.mid(0, wrong);
    r.hintCount = hinted;
    r.hintNumbers = QList<int>{301, 302}.mid(0, hinted);
    r.successPercent = 0;
    return r;
}

template <typename T = QWidget> T* in(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}
int top(QWidget* d, const char* name) {
    return in(d, name)->mapTo(d, QPoint(0, 0)).y();
}
} // namespace

class DetailTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutes(); }

    void categoryListGrowsTheWindow_data() {
        QTest::addColumn<QString>("categories");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("lastTitle");
        QTest::newRow("one") << u"1"_s << 1 << u"Pravidla provozu na pozemních komunikacích"_s;
        QTest::newRow("two") << u"26"_s << 2 << u"Dopravní značky a zařízení"_s;
        QTest::newRow("all seven")
            << u"1234567"_s << 7 << u"Řešení dopravních situací na křižovatkách"_s;
        QTest::newRow("empty keeps one line") << QString() << 1 << QString();
        QTest::newRow("stray characters count") << u"8x6"_s << 3 << u"Dopravní značky a zařízení"_s;
        QTest::newRow("no more than seven")
            << u"111111111111"_s << 7 << u"Pravidla provozu na pozemních komunikacích"_s;
    }
    void categoryListGrowsTheWindow() {
        QFETCH(QString, categories);
        QFETCH(int, lines);
        QFETCH(QString, lastTitle);
        TDetail d(result(categories, 0, 0), RunKind::Practice, nullptr);
        const int grown = 13 * (lines - 1);
        auto* list = in<QLabel>(&d, "stKategorie");
        QCOMPARE(list->text().split(u'\n').last(), lastTitle);
        QCOMPARE(list->geometry(), QRect(24, 48, 305, 13 * lines));
        QCOMPARE(d.size(), QSize(351, 222 + grown));
        const QList<int> tops{top(&d, "Bevel2"), top(&d, "panel"), top(&d, "btnZ1"),
                              top(&d, "btnZ2"), top(&d, "btnOK")};
        QCOMPARE(tops, (QList<int>{68 + grown, 77 + grown, 116 + grown, 136 + grown, 186 + grown}));
        // Every title fits its line.
        for (const QString& line : list->text().split(u'\n'))
            QVERIFY2(list->fontMetrics().horizontalAdvance(line) <= 305, qPrintable(line));
    }

    void buttonsFollowTheCounts_data() {
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("hinted");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("ok");
        QTest::addColumn<QRect>("again"); // empty when hidden
        QTest::addColumn<QString>("caption");
        QTest::newRow("nothing to repeat")
            << 0 << 0 << kPracticeKind << QRect(128, 186, 89, 25) << QRect() << QString();
        QTest::newRow("practice, wrong only")
            << 2 << 0 << kPracticeKind << QRect(29, 186, 89, 25) << QRect(136, 186, 185, 25)
            << u"&Procvičit nesprávně zodpovězené"_s;
        QTest::newRow("practice, hinted only")
            << 0 << 1 << kPracticeKind << QRect(29, 186, 89, 25) << QRect(136, 186, 185, 25)
            << u"&Procvičit nesprávně zodpovězené"_s;
        QTest::newRow("examination widens to the right")
            << 3 << 0 << kExaminationKind << QRect(29, 186, 89, 25) << QRect(136, 186, 193, 25)
            << u"&Prozkoušet nesprávně zodpovězené"_s;
    }
    void buttonsFollowTheCounts() {
        QFETCH(int, wrong);
        QFETCH(int, hinted);
        QFETCH(QString, kind);
        QFETCH(QRect, ok);
        QFETCH(QRect, again);
        QFETCH(QString, caption);
        const bool examination = kind == kExaminationKind;
        TDetail d(result(u"1"_s, wrong, hinted, kind),
                  examination ? RunKind::Examination : RunKind::Practice, nullptr);
        d.show();
        QCOMPARE(d.windowTitle(), kind + u" - 14.5.2003, 18:34:12"_s);
        QCOMPARE(in(&d, "btnOK")->geometry(), ok);
        auto* button = in<QPushButton>(&d, "btnPrezkouset");
        QCOMPARE(button->isVisible(), again.isValid());
        if (again.isValid()) {
            QCOMPARE(button->geometry(), again);
            QCOMPARE(button->text(), caption);
        }
        QCOMPARE(in(&d, "btnZ1")->isEnabled(), wrong > 0);
        QCOMPARE(in(&d, "btnZ2")->isEnabled(), hinted > 0);
        QCOMPARE(in(&d, "lbSNapovedou")->isEnabled(), !examination);
        QCOMPARE(in<QLabel>(&d, "lbSNapovedou")->text(),
                 u"Použití nápovědy: "_s + QString::number(hinted));
        QCOMPARE(in<QLabel>(&d, "lbSpravne")->text(),
                 u"Správných odpovědí: "_s + QString::number(20 - wrong - hinted));
        QCOMPARE(in<QLabel>(&d, "lbProfil")->text(), u"Uživatel: <b>Žák</b>"_s);
        QCOMPARE(in<QLabel>(&d, "lbUspesnost")->text(), u"Úspěšnost: 0%"_s);
    }

    void longProfileStopsBeforeTheGroup() {
        ResultRecord r = result(u"1"_s, 0, 0);
        r.profile = u"Maximilián Ondřej Novák-Krátký"_s; // 30 characters, as many as are kept
        TDetail d(r, RunKind::Practice, nullptr);
        auto* profile = in<QLabel>(&d, "lbProfil");
        QVERIFY(profile->text().startsWith(u"Uživatel: Maximilián"_s));
        QVERIFY(profile->text().endsWith(u"…"_s));
        QVERIFY(profile->geometry().right() < in(&d, "lbSkupina")->x());
    }

    void numberBoxesShowTheStoredLists() {
        TDetail d(result(u"1"_s, 3, 2), RunKind::Practice, nullptr);
        d.show();
        ModalBox wrong, hinted;
        testing::onNextBox(wrong, QMessageBox::Ok);
        in<QPushButton>(&d, "btnZ1")->click();
        testing::onNextBox(hinted, QMessageBox::Ok);
        in<QPushButton>(&d, "btnZ2")->click();
        QCOMPARE(wrong.text, u"Špatně zodpovězené otázky: 12, 45, 610"_s);
        QCOMPARE(hinted.text, u"Otázky, u nichž byla použita nápověda: 301, 302"_s);
        QCOMPARE(hinted.caption, u"Informace programu Tarmelka 2003"_s);
    }

    void reexaminationOfAStoredResult_data() {
        QTest::addColumn<ResultRecord>("stored");
        QTest::addColumn<QList<int>>("order"); // empty: refused
        QTest::addColumn<QString>("refusal");
        ResultRecord r = result(u"26"_s, 2, 1);
        QTest::newRow("wrong, then hinted") << r << QList<int>{12, 45, 301} << QString();
        r.hintCount = 0;
        QTest::newRow("a count of 0 skips its text") << r << QList<int>{12, 45} << QString();
        r.wrongNumbers.clear();
        QTest::newRow("counts promise, texts give none")
            << r << QList<int>{}
            << u"Záznam výsledku je poškozen: neobsahuje čísla otázek, které by bylo možné "
               u"znovu prozkoušet."_s;
        r.wrongNumbers = {12, 800};
        QTest::newRow("no such question")
            << r << QList<int>{} << u"otázka číslo 800 nemůže být položena."_s;
        r.wrongNumbers = {12, 2};
        QTest::newRow("retired question")
            << r << QList<int>{} << u"otázka číslo 2 nemůže být položena."_s;
        r.wrongNumbers = {12};
        r.group = u"Q"_s;
        QTest::newRow("unknown group") << r << QList<int>{} << u"neznámá skupina „Q“."_s;
    }
    void reexaminationOfAStoredResult() {
        QFETCH(ResultRecord, stored);
        QFETCH(QList<int>, order);
        QFETCH(QString, refusal);
        TDetail d(stored, RunKind::Examination, nullptr);
        d.show();
        ModalBox box;
        if (order.isEmpty())
            testing::onNextBox(box, QMessageBox::Ok);
        in<QPushButton>(&d, "btnPrezkouset")->click();
        if (order.isEmpty()) {
            QVERIFY(box.seen);
            QCOMPARE(box.caption, u"Chybové hlášení programu Tarmelka 2003"_s);
            QVERIFY2(box.text.endsWith(refusal), qPrintable(box.text));
            QVERIFY(!d.chosen());
            QVERIFY(d.isVisible()); // the learner may still read the record
            return;
        }
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(d.chosen());
        QCOMPARE(d.chosen()->order, order);
        QCOMPARE(d.chosen()->kind, RunKind::Examination);
        QCOMPARE(d.chosen()->group, u"C"_s);
        QCOMPARE(d.chosen()->categories, u"26"_s);
    }
};

QTEST_MAIN(DetailTest)
#include "tst_podrobnosti.moc"
