// The results browser: who sees which results, deleting one or all, the
// missing or damaged table, and a re-examination chosen in the detail that
// runs in the main window and gives the learner's group back.
#include "gui/app/mainWindow.h"
#include "gui/results/resultDetailDialog.h"
#include "gui/results/resultListDialog.h"
#include "gui/study/helpPanel.h"
#include "gui/study/runResultDialog.h"
#include "gui/ui/fonts.h"
#include "testSupport.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using testing::ModalBox;

namespace {
ResultRecord result(const QString& kind, const QString& profile, const QString& group,
                    int success = 85) {
    ResultRecord r;
    r.kind = kind;
    r.profile = profile;
    r.written = QDateTime(QDate(2003, 5, 14), QTime(18, 34, 12));
    r.group = group;
    r.categories = u"1"_s;
    r.questionCount = 20;
    r.wrongCount = 2;
    r.wrongNumbers = {12, 45};
    r.hintCount = kind == kPracticeKind ? 1 : 0;
    r.hintNumbers = QList<int>{301}.mid(0, r.hintCount);
    r.successPercent = success;
    return r;
}

template <typename T = QWidget> T* in(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Acts once on the next modal window of type W. A single shot per poll, so a
// box that the action opens cannot call it a second time.
template <typename W> void onNext(std::function<void(W*)> act) {
    QTimer::singleShot(10, qApp, [act] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget()))
            return act(w);
        onNext<W>(act);
    });
}

QString cell(TProtocol* b, int row, int column) {
    const QAbstractItemModel* m = in<QTableView>(b, "DBGrid1")->model();
    return m->data(m->index(row, column)).toString();
}
int rows(TProtocol* b) {
    return in<QTableView>(b, "DBGrid1")->model()->rowCount();
}
int currentRow(TProtocol* b) {
    return in<QTableView>(b, "DBGrid1")->currentIndex().row();
}
bool buttonsEnabled(TProtocol* b) {
    return in(b, "btnPodrobnosti")->isEnabled() && in(b, "btnVymazat")->isEnabled() &&
           in(b, "btnVymazatVse")->isEnabled();
}
} // namespace

class ProtocolTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    void store(const QList<ResultRecord>& records) {
        QList<Row> rows;
        for (const ResultRecord& r : records)
            rows << r.toRow();
        TableStore table(schemas::results(), dir_.path());
        QVERIFY(table.open(TableStore::Mode::CreateIfMissing) && table.insert(rows));
    }
    int stored(const QString& kind, const QString& profile) {
        TableStore table(schemas::results(), dir_.path());
        if (!table.open(TableStore::Mode::ReadOnly))
            return -1;
        return table
            .count({{u"TypTestu"_s, Condition::Op::Equal, kind},
                    {u"Profil"_s, Condition::Op::Equal, profile}})
            .value_or(-1);
    }
    // Opens the browser as the menu command does; act closes it.
    std::optional<Reexamination> browse(RunKind kind, const QString& profile,
                                        std::function<void(TProtocol*)> act,
                                        QWidget* owner = nullptr) {
        onNext<TProtocol>(act);
        Settings settings;
        settings.activeProfile = profile;
        return TProtocol::browse(kind, settings, dir_.path(), owner);
    }

  private slots:
    void initTestCase() {
        installFontSubstitutes();
        QVERIFY(testing::makeBank(
            dir_.path(),
            u"# 1-757\n"_s + testing::record(12, u"Dvanáctá?"_s, {u"Ano."_s, u"Ne."_s}, u"A"_s) +
                testing::record(45, u"Pětačtyřicátá?"_s, {u"Ano."_s, u"Ne."_s}, u"A"_s) +
                testing::record(301, u"Třístá první?"_s, {u"Ano."_s, u"Ne."_s}, u"A"_s)));
        testing::copyPictures(dir_.path());
    }
    void init() { QFile::remove(dir_.filePath(u"Vysledky.DB"_s)); }

    void missingTableMeansNoResultsYet_data() {
        QTest::addColumn<RunKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("practice") << RunKind::Practice
                                  << u"Protokol procvičování zatím nebyl vytvořen!"_s;
        QTest::newRow("examination")
            << RunKind::Examination << u"Protokol zkoušení zatím nebyl vytvořen!"_s;
    }
    void missingTableMeansNoResultsYet() {
        QFETCH(RunKind, kind);
        QFETCH(QString, text);
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        Settings settings;
        QVERIFY(!TProtocol::browse(kind, settings, dir_.path(), nullptr));
        QCOMPARE(box.text, text);
        QCOMPARE(box.caption, u"Informace programu Tarmelka 2003"_s);
        QVERIFY(!QFile::exists(dir_.filePath(u"Vysledky.DB"_s)));
    }

    void damagedTableOpensNothing() {
        QFile damaged(dir_.filePath(u"Vysledky.DB"_s));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(3000, 'z'));
        damaged.close();
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        bool opened = false;
        QTimer guard; // lives only as long as this test
        connect(&guard, &QTimer::timeout, this, [&] {
            if (auto* b = qobject_cast<TProtocol*>(QApplication::activeModalWidget())) {
                opened = true;
                b->reject();
            }
        });
        guard.start(10);
        Settings settings;
        QVERIFY(!TProtocol::browse(RunKind::Practice, settings, dir_.path(), nullptr));
        QVERIFY(!opened);
        QCOMPARE(box.caption, u"Chybové hlášení programu Tarmelka 2003"_s);
        QVERIFY2(box.text.startsWith(u"Výsledky nelze načíst."_s), qPrintable(box.text));
        QCOMPARE(damaged.size(), 3000);
    }

    void eachProfileAndKindSeesItsOwn_data() {
        QTest::addColumn<RunKind>("kind");
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QStringList>("groups");
        QTest::newRow("Anna, practice")
            << RunKind::Practice << u"Anna"_s << QStringList{u"A"_s, u"B"_s};
        QTest::newRow("Anna, examination")
            << RunKind::Examination << u"Anna"_s << QStringList{u"C"_s};
        QTest::newRow("Bob, practice") << RunKind::Practice << u"Bob"_s << QStringList{u"D"_s};
        QTest::newRow("a name that is a prefix") << RunKind::Practice << u"Ann"_s << QStringList{};
        QTest::newRow("nobody's records") << RunKind::Examination << u"Bob"_s << QStringList{};
    }
    void eachProfileAndKindSeesItsOwn() {
        QFETCH(RunKind, kind);
        QFETCH(QString, profile);
        QFETCH(QStringList, groups);
        store({result(kPracticeKind, u"Anna"_s, u"A"_s),
               result(kExaminationKind, u"Anna"_s, u"C"_s), result(kPracticeKind, u"Bob"_s, u"D"_s),
               result(kPracticeKind, u"Anna"_s, u"B"_s, 0)});
        QStringList seen;
        bool enabled = false;
        browse(kind, profile, [&](TProtocol* b) {
            for (int row = 0; row < rows(b); ++row)
                seen << cell(b, row, 2);
            enabled = buttonsEnabled(b);
            b->reject();
        });
        QCOMPARE(seen, groups);
        QCOMPARE(enabled, !groups.isEmpty());
    }

    void windowAndCells() {
        store({result(kPracticeKind, u"Default"_s, u"B"_s, 0)});
        browse(RunKind::Practice, u"Default"_s, [](TProtocol* b) {
            QCOMPARE(b->windowTitle(), u"Seznam výsledků procvičování,   Uživatel: Default"_s);
            QCOMPARE(b->size(), QSize(556, 331));
            auto* grid = in<QTableView>(b, "DBGrid1");
            QCOMPARE(grid->geometry(), QRect(8, 8, 537, 281));
            QStringList titles, cells;
            QList<int> widths;
            for (int c = 0; c < 7; ++c) {
                titles << grid->model()->headerData(c, Qt::Horizontal).toString();
                widths << grid->columnWidth(c);
                cells << cell(b, 0, c);
            }
            QCOMPARE(titles,
                     (QStringList{u"Datum vystavení"_s, u"Čas"_s, u"Skupina"_s, u"Počet otázek"_s,
                                  u"Špatné odpovědi"_s, u"Použití nápovědy"_s, u"Úspěšnost"_s}));
            QCOMPARE(widths, (QList<int>{90, 50, 51, 73, 91, 92, 62}));
            QCOMPARE(cells, (QStringList{u"14.5.2003"_s, u"18:34:12"_s, u"B"_s, u"20"_s, u"2"_s,
                                         u"1"_s, u"0%"_s}));
            QCOMPARE(in(b, "btnVymazat")->geometry(), QRect(275, 296, 97, 25));
            QCOMPARE(b->focusWidget(), grid); // the window may not be active yet
            b->reject();
        });
    }

    void deletingKeepsTheNextRecordCurrent() {
        // Two identical records: one deletion must take exactly one.
        const ResultRecord twin = result(kPracticeKind, u"Default"_s, u"A"_s);
        store({twin, twin, result(kPracticeKind, u"Default"_s, u"B"_s)});
        browse(RunKind::Practice, u"Default"_s, [&](TProtocol* b) {
            in<QTableView>(b, "DBGrid1")->selectRow(1);
            in<QPushButton>(b, "btnVymazat")->click();
            QCOMPARE(stored(kPracticeKind, u"Default"_s), 2);
            QCOMPARE(currentRow(b), 1); // the next record, B
            QCOMPARE(cell(b, 1, 2), u"B"_s);
            in<QPushButton>(b, "btnVymazat")->click();
            QCOMPARE(currentRow(b), 0); // the previous one at the end
            QVERIFY(buttonsEnabled(b));
            in<QPushButton>(b, "btnVymazat")->click();
            QCOMPARE(rows(b), 0);
            QVERIFY(!in(b, "btnPodrobnosti")->isEnabled() && !in(b, "btnVymazat")->isEnabled() &&
                    !in(b, "btnVymazatVse")->isEnabled());
            b->reject();
        });
        QCOMPARE(stored(kPracticeKind, u"Default"_s), 0);
    }

    void deletingTheLastFetchedRecordBringsTheNext() {
        QList<ResultRecord> many;
        for (int i = 0; i < 150; ++i)
            many << result(kPracticeKind, u"Default"_s, u"B"_s, i);
        store(many);
        browse(RunKind::Practice, u"Default"_s, [&](TProtocol* b) {
            const int last = rows(b) - 1;
            QVERIFY(last < 149); // pages, not everything at once
            in<QTableView>(b, "DBGrid1")->selectRow(last);
            in<QPushButton>(b, "btnVymazat")->click();
            QCOMPARE(currentRow(b), last);
            QCOMPARE(cell(b, last, 6), u"%1%"_s.arg(last + 1));
            b->reject();
        });
    }

    void deleteAllTakesOnlyTheListed_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void deleteAllTakesOnlyTheListed() {
        QFETCH(bool, yes);
        store({result(kPracticeKind, u"Anna"_s, u"A"_s), result(kPracticeKind, u"Anna"_s, u"B"_s),
               result(kExaminationKind, u"Anna"_s, u"C"_s),
               result(kPracticeKind, u"Bob"_s, u"D"_s)});
        ModalBox box;
        browse(RunKind::Practice, u"Anna"_s, [&](TProtocol* b) {
            testing::onNextBox(box, yes ? QMessageBox::Yes : QMessageBox::No);
            in<QPushButton>(b, "btnVymazatVse")->click();
            QCOMPARE(rows(b), yes ? 0 : 2);
            QCOMPARE(buttonsEnabled(b), !yes);
            b->reject();
        });
        QCOMPARE(box.text, u"Opravdu chcete smazat všechny záznamy?"_s);
        QCOMPARE(stored(kPracticeKind, u"Anna"_s), yes ? 0 : 2);
        QCOMPARE(stored(kExaminationKind, u"Anna"_s), 1);
        QCOMPARE(stored(kPracticeKind, u"Bob"_s), 1);
    }

    void reexaminationRunsInTheMainWindow_data() {
        QTest::addColumn<RunKind>("kind");
        QTest::addColumn<int>("asked");
        QTest::newRow("practice: wrong, then hinted") << RunKind::Practice << 3;
        QTest::newRow("examination") << RunKind::Examination << 2;
    }
    void reexaminationRunsInTheMainWindow() {
        QFETCH(RunKind, kind);
        QFETCH(int, asked);
        const bool examination = kind == RunKind::Examination;
        store({result(examination ? kExaminationKind : kPracticeKind, u"Default"_s, u"C"_s)});
        THlavniFormular w(AppPaths{dir_.path(), dir_.path()});
        QVERIFY(w.FormCreate());
        w.settings().group = u"B"_s;
        w.show();
        bool detailShown = false;
        const auto again = browse(
            kind, u"Default"_s,
            [&](TProtocol* b) {
                onNext<TDetail>([&](TDetail* d) {
                    detailShown = true;
                    QVERIFY(!in(d, "lbSNapovedou")->isEnabled() == examination);
                    in<QPushButton>(d, "btnPrezkouset")->click();
                });
                QTest::keyClick(in(b, "DBGrid1"), Qt::Key_Return); // by keyboard
            },
            &w);
        QVERIFY(detailShown);
        QVERIFY(!QApplication::activeModalWidget()); // both windows closed
        QVERIFY(again);
        // What the main window does with the choice.
        w.run().presetFromStored(again->order, again->group, again->categories, w.settings());
        w.helpPanel()->setTotal(w.run().state().questionCount);
        w.SetMode(again->kind == RunKind::Examination ? Mode::Examination : Mode::Practice, true);

        QCOMPARE(w.currentMode(), examination ? Mode::Examination : Mode::Practice);
        QCOMPARE(in<QLabel>(&w, "lbCelkemOtazek")->text(), u"Celkem otázek: %1"_s.arg(asked));
        QCOMPARE(w.settings().group, u"C"_s);
        QCOMPARE(w.findChild<QAction*>(u"M2OznacSpravne"_s)->isVisible(), !examination);
        QList<int> numbers;
        for (int i = 0; i < asked; ++i) {
            numbers << w.run().state().currentNumber;
            QTest::mouseClick(in(&w, "stA"), Qt::LeftButton);
            QTest::mouseClick(in(&w, "stOtazka"), Qt::RightButton);
            auto* timer = w.findChild<QTimer*>(u"Timer1"_s);
            timer->setInterval(1);
            QTRY_VERIFY(!timer->isActive());
            if (i + 1 < asked)
                QTest::mouseClick(in(&w, "stOtazka"), Qt::RightButton);
        }
        QCOMPARE(numbers, (QList<int>{12, 45, 301}.mid(0, asked)));
        onNext<TResult>([](TResult* d) { in<QPushButton>(d, "btnOK")->click(); });
        QTest::mouseClick(in(&w, "stOtazka"), Qt::RightButton);
        QCOMPARE(w.currentMode(), Mode::Idle);
        QCOMPARE(w.settings().group, u"B"_s);
    }
};

QTEST_MAIN(ProtocolTest)
#include "tst_protokol.moc"
