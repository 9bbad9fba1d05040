// The results browser over 1,000,000 stored results of 40 profiles and both
// kinds: opening to the first painted page, scrolling to the end, deleting
// one record, deleting one profile's kind, and the purge at close. Each
// figure is taken without and with an index on (Profil, TypTestu), which the
// benchmark adds itself so the two can be compared on the same data.
// With "--shots <folder>" it saves pictures of the browser and of the two
// layouts of the detail instead.
#include "benchStats.h"
#include "core/records/keyedListModel.h"
#include "core/records/purge.h"
#include "core/records/resultsTable.h"
#include "core/settings/settings.h"
#include "gui/results/resultDetailDialog.h"
#include "gui/results/resultListDialog.h"
#include "gui/ui/fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
constexpr int kRecords = 1'000'000;
constexpr int kProfiles = 40;

QString profile(int i) {
    return u"Žák %1"_s.arg(i, 2, 10, QChar(u'0'));
}

ResultRecord record(int i, const QString& name, const QString& kind) {
    ResultRecord r;
    r.kind = kind;
    r.profile = name;
    r.written = QDateTime(QDate(2003, 1, 1).addDays(i / 500), QTime(8, 0).addSecs(i % 36000));
    r.group = u"B"_s;
    r.categories = u"1234567"_s;
    r.questionCount = 40;
    r.wrongCount = i % 5;
    r.wrongNumbers = QList<int>{12, 45, 301, 502, 733}.mid(0, r.wrongCount);
    r.hintCount = kind == kPracticeKind ? i % 3 : 0;
    r.hintNumbers = QList<int>{7, 8}.mid(0, r.hintCount);
    r.successPercent = i % 101;
    return r;
}

// A million records, interleaved as learners take turns, written once into
// master and copied for each measurement that deletes. A profile "Malý" with
// ten records of each kind right at the start is the worst case of a scan.
bool buildMaster(const QString& master) {
    if (QFile::exists(QDir(master).filePath(u"Vysledky.DB"_s)))
        return true;
    QDir().mkpath(master);
    TableStore store(schemas::results(), master);
    if (!store.open(TableStore::Mode::CreateIfMissing))
        return false;
    QList<Row> rows;
    for (int i = 0; i < 20; ++i)
        rows << record(i, u"Malý"_s, i % 2 ? kExaminationKind : kPracticeKind).toRow();
    for (int i = 0; i < kRecords - 20; ++i) {
        rows << record(i, profile(i % kProfiles),
                       (i / kProfiles) % 2 ? kExaminationKind : kPracticeKind)
                    .toRow();
        if (rows.size() == 50'000) {
            if (!store.insert(rows))
                return false;
            rows.clear();
        }
    }
    return store.insert(rows);
}

// The index under trial, put on a copy of the table from outside the program.
double addIndex(const QString& folder) {
    Samples s;
    s.time([&] {
        auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"bench-index"_s);
        db.setDatabaseName(QDir(folder).filePath(u"Vysledky.DB"_s));
        db.open();
        QSqlQuery(db).exec(
            u"CREATE INDEX IF NOT EXISTS \"VysledkyProfilTyp\" ON \"Vysledky\"(\"Profil\", \"TypTestu\")"_s);
        db.close();
    });
    QSqlDatabase::removeDatabase(u"bench-index"_s);
    return s.micros.front();
}

QString copyOf(const QString& master, const QString& to) {
    QDir().mkpath(to);
    const QString file = QDir(to).filePath(u"Vysledky.DB"_s);
    QFile::remove(file);
    QFile::copy(QDir(master).filePath(u"Vysledky.DB"_s), file);
    return to;
}

// Time from the menu command to the first painted rows of the grid.
double openToFirstPage(const QString& folder, const QString& name) {
    QElapsedTimer clock;
    double painted = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* browser = qobject_cast<TProtocol*>(QApplication::activeModalWidget());
        if (!browser)
            return;
        auto* grid = browser->findChild<QTableView*>(u"DBGrid1"_s);
        grid->viewport()->repaint();
        if (painted < 0)
            painted = double(clock.nsecsElapsed()) / 1000.0;
        browser->reject();
    });
    poll.start(0);
    Settings settings;
    settings.activeProfile = name;
    clock.start();
    TProtocol::browse(RunKind::Practice, settings, folder, nullptr);
    return painted;
}

// Fetches every page as the grid does while the learner holds Page Down.
double scrollToEnd(const QString& folder, const QString& name, int* count) {
    ResultsTable table(folder);
    table.open();
    QElapsedTimer clock;
    clock.start();
    qint64 after = 0;
    *count = 0;
    while (true) {
        const auto page = table.list(name, kPracticeKind, after, 100);
        if (!page || page->isEmpty())
            break;
        *count += int(page->size());
        after = page->last().key;
        if (page->size() < 100)
            break;
    }
    return double(clock.nsecsElapsed()) / 1000.0;
}

void measure(const QString& master, const QString& work, bool indexed) {
    std::printf("\n== %s ==\n", indexed ? "with index on (Profil, TypTestu)" : "without index");
    const QString folder = copyOf(master, work);
    if (indexed)
        std::printf("%-40s %9.1f ms\n", "creating the index once", addIndex(folder) / 1000.0);

    Samples open, openSmall, scroll, removeOne, removeAll, purge;
    for (int i = 0; i < 7; ++i) {
        open.time([&] { openToFirstPage(folder, profile(i)); });
        openSmall.time([&] { openToFirstPage(folder, u"Malý"_s); });
    }
    open.report("open browser, 12,500 records");
    openSmall.report("open browser, 10 records");
    int count = 0;
    for (int i = 0; i < 3; ++i)
        scroll.micros.push_back(scrollToEnd(folder, profile(i), &count));
    scroll.report(qPrintable(u"scroll to the end (%1 records)"_s.arg(count)));

    ResultsTable table(folder);
    table.open();
    for (int i = 0; i < 20; ++i) {
        const auto page = table.list(profile(i), kPracticeKind, qint64(i) * 40'000, 1);
        removeOne.time([&] { table.remove(page->first().key); });
    }
    removeOne.report("delete one record");
    for (int i = 0; i < 5; ++i)
        removeAll.time([&] { table.removeAll(profile(10 + i), kExaminationKind); });
    removeAll.report("Vymazat vše (12,500 of 1,000,000)");

    // The purge at close, on fresh copies: one removed profile, then ten.
    for (int n : {1, 10}) {
        const QString fresh = copyOf(master, work + u"-purge"_s);
        if (indexed)
            addIndex(fresh);
        QStringList removed;
        for (int i = 0; i < n; ++i)
            removed << profile(20 + i);
        Samples one;
        one.time([&] { PurgeRemovedProfiles(fresh, removed, nullptr); });
        std::printf("%-40s %9.1f ms\n", qPrintable(u"purge of %1 profile(s)"_s.arg(n)),
                    one.micros.front() / 1000.0);
    }
}

int shots(const QString& folder) {
    QDir().mkpath(folder);
    QTemporaryDir work;
    QList<Row> rows;
    for (int i = 0; i < 30; ++i)
        rows << record(i * 977, u"Jana Nováková"_s, kPracticeKind).toRow();
    TableStore store(schemas::results(), work.path());
    if (!store.open(TableStore::Mode::CreateIfMissing) || !store.insert(rows))
        return 1;
    QTimer::singleShot(100, [&] {
        auto* browser = qobject_cast<TProtocol*>(QApplication::activeModalWidget());
        browser->findChild<QTableView*>(u"DBGrid1"_s)->selectRow(2);
        browser->grab().save(folder + u"/protokol.png"_s);
        browser->reject();
    });
    Settings settings;
    settings.activeProfile = u"Jana Nováková"_s;
    TProtocol::browse(RunKind::Practice, settings, work.path(), nullptr);

    ResultRecord plain = record(3, u"Jana Nováková"_s, kExaminationKind);
    plain.categories = u"6"_s;
    plain.wrongCount = 0;
    plain.wrongNumbers.clear();
    TDetail alone(plain, RunKind::Examination, nullptr);
    alone.show();
    alone.grab().save(folder + u"/podrobnosti-ok.png"_s);
    TDetail both(record(4, u"Jana Nováková"_s, kPracticeKind), RunKind::Practice, nullptr);
    both.show();
    both.grab().save(folder + u"/podrobnosti-procvicit.png"_s);
    ResultRecord exam = record(4, u"Jana Nováková"_s, kExaminationKind);
    exam.categories = u"26"_s;
    TDetail examination(exam, RunKind::Examination, nullptr);
    examination.show();
    examination.grab().save(folder + u"/podrobnosti-prozkouset.png"_s);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == u"--shots"_s)
        return shots(args[2]);

    // The million records are kept between runs in the system's temporary folder.
    const QString base = QDir::temp().filePath(u"tarmelka-bench-results"_s);
    Samples build;
    bool built = false;
    build.time([&] { built = buildMaster(base + u"/master"_s); });
    if (!built)
        return 1;
    std::printf("%-40s %9.1f ms\n", "table of 1,000,000 records ready",
                build.micros.front() / 1000.0);
    measure(base + u"/master"_s, base + u"/plain"_s, false);
    measure(base + u"/master"_s, base + u"/indexed"_s, true);
    return 0;
}
