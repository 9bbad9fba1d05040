// Killing the program at any moment loses nothing that it said was stored:
// a driver writes result records and saves config.ini in a loop and is killed
// with SIGKILL at random moments; after each kill every record it reported is
// present and intact, the table passes SQLite's integrity check, and
// config.ini is wholly one generation or the next.
// TARMELKA_KILLS sets the number of kills (default 40), TARMELKA_KILL_SEED
// the seed of the moments.

#include "core/settings/configFile.h"
#include "killWorkload.h"

#include "core/store/tableStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <map>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The exact bytes of each config.ini generation: each save writes into the
// content the previous one left, just as the driver's saves do.
class Generations {
  public:
    const QByteArray& operator[](int generation) {
        while (int(bytes_.size()) <= generation) {
            const int g = int(bytes_.size());
            QString error;
            if (!config::save(path_, killtest::settings(g), killtest::view(g), &error))
                qFatal("cannot compute config.ini generation %d: %s", g, qPrintable(error));
            bytes_.push_back(readAll(path_));
        }
        return bytes_[size_t(generation)];
    }

  private:
    QTemporaryDir dir_;
    QString path_ = dir_.filePath(u"config.ini"_s);
    std::vector<QByteArray> bytes_;
};

int envNumber(const char* name, int fallback) {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(name, &ok);
    return ok ? n : fallback;
}

// What a look at the folder after a kill finds.
struct Found {
    QStringList problems;
    QList<int> sequences; // of the records present, in table order
    bool noTable = false; // the kill came before the table's creation was committed
};

// Opening read-write recovers a hot journal a kill left behind; only then is
// the table's state the committed one.
Found checkTable(const QString& folder) {
    Found found;
    const QString file = QDir(folder).filePath(schemas::results().fileName());
    if (!QFile::exists(file))
        return found;
    {
        auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"kill-check"_s);
        db.setDatabaseName(file);
        if (!db.open())
            found.problems << u"the table does not open: "_s + db.lastError().text();
        QSqlQuery q(db);
        if (db.isOpen() && !(q.exec(u"PRAGMA integrity_check"_s) && q.next()))
            found.problems << u"integrity_check fails to run: "_s + q.lastError().text();
        else if (db.isOpen() && q.value(0).toString() != u"ok"_s)
            found.problems << u"integrity_check: "_s + q.value(0).toString();
        if (found.problems.isEmpty()) {
            q.prepare(u"SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?"_s);
            q.addBindValue(schemas::results().name);
            found.noTable = q.exec() && q.next() && q.value(0).toInt() == 0;
        }
    }
    QSqlDatabase::removeDatabase(u"kill-check"_s);
    if (!found.problems.isEmpty() || found.noTable)
        return found;

    TableStore store(schemas::results(), folder);
    const auto rows = store.open(TableStore::Mode::ReadOnly) ? store.select() : std::nullopt;
    if (!rows) {
        found.problems << u"the table cannot be read: "_s + store.error().message();
        return found;
    }
    const int sequenceField = schemas::results().indexOf(u"PocetOtazek"_s);
    for (const Row& row : *rows) {
        const int sequence = row.value(sequenceField).toInt();
        const Row expected = killtest::record(sequence).toRow();
        for (int i = 0; i < expected.size(); ++i)
            if (row.value(i).toString() != expected[i].toString())
                found.problems << u"record %1, field %2: \"%3\" instead of \"%4\""_s.arg(sequence)
                                      .arg(schemas::results().fields[i].name,
                                           row.value(i).toString(), expected[i].toString());
        found.sequences << sequence;
    }
    return found;
}

// Every reported record is present once; besides them at most the one record
// whose write was under way when the kill came.
QStringList checkRecords(const QList<int>& present, const QSet<int>& reported, int inFlight) {
    QStringList problems;
    QSet<int> seen;
    for (int s : present) {
        if (seen.contains(s))
            problems << u"record %1 is there twice"_s.arg(s);
        else if (!reported.contains(s) && s != inFlight)
            problems << u"record %1 was never written"_s.arg(s);
        seen.insert(s);
    }
    for (int s : reported)
        if (!seen.contains(s))
            problems << u"record %1 was reported written and is gone"_s.arg(s);
    return problems;
}

// The generation config.ini holds: the last one reported or, when the kill
// came after the file was replaced but before the report, the next one.
std::optional<int> configGeneration(const QByteArray& content, int reported,
                                    Generations& generations) {
    // A save in place may leave the new content followed by blank padding.
    auto holds = [&](const QByteArray& expected) {
        if (!content.startsWith(expected))
            return false;
        for (char c : content.mid(expected.size()))
            if (c != '\r' && c != '\n' && c != ' ')
                return false;
        return true;
    };
    for (int g : {reported, reported + 1})
        if (holds(generations[g]))
            return g;
    return std::nullopt;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

} // namespace

class TestKill : public QObject {
    Q_OBJECT

  private slots:
    void checksNoticeDamage_data();
    void checksNoticeDamage();
    void killsLoseNothing();
    void inPlaceSavesSurviveKills();
};

// The checks must not pass a damaged folder: each row damages a finished run.
void TestKill::checksNoticeDamage_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("record deleted") << u"DELETE FROM Vysledky WHERE PocetOtazek = 3"_s;
    QTest::newRow("record altered") << u"UPDATE Vysledky SET Uspesnost = 0 WHERE PocetOtazek = 5"_s;
    QTest::newRow("record repeated") << u"INSERT INTO Vysledky SELECT * FROM Vysledky LIMIT 1"_s;
    QTest::newRow("unknown record")
        << u"UPDATE Vysledky SET PocetOtazek = 99 WHERE PocetOtazek = 7"_s;
    QTest::newRow("config.ini half written") << u"config"_s;
}

void TestKill::checksNoticeDamage() {
    QFETCH(QString, damage);
    QTemporaryDir dir;
    QProcess driver;
    driver.start(QStringLiteral(TARMELKA_KILLDRIVER), {dir.path(), u"1"_s, u"1"_s, u"8"_s});
    QVERIFY(driver.waitForFinished(30000));
    QCOMPARE(driver.exitCode(), 0);
    const QSet<int> reported{1, 2, 3, 4, 5, 6, 7, 8};
    Generations generations;
    const QString ini = dir.filePath(u"config.ini"_s);
    QCOMPARE(readAll(ini), generations[4]);
    QVERIFY(checkTable(dir.path()).problems.isEmpty());

    if (damage == u"config"_s) {
        writeFile(ini, generations[4].left(generations[4].size() / 2));
        QVERIFY(!configGeneration(readAll(ini), 4, generations));
        return;
    }
    {
        auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"damage"_s);
        db.setDatabaseName(dir.filePath(u"Vysledky.DB"_s));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY2(q.exec(damage), qPrintable(q.lastError().text()));
    }
    QSqlDatabase::removeDatabase(u"damage"_s);
    const Found found = checkTable(dir.path());
    const QStringList problems = found.problems + checkRecords(found.sequences, reported, 9);
    QVERIFY(!problems.isEmpty());
}

void TestKill::killsLoseNothing() {
    const int kills = envNumber("TARMELKA_KILLS", 40);
    QRandomGenerator random(quint32(envNumber("TARMELKA_KILL_SEED", 2003)));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ini = dir.filePath(u"config.ini"_s);
    const QString journal = dir.filePath(u"Vysledky.DB-journal"_s);
    Generations generations;
    writeFile(ini, generations[0]);

    QSet<int> reported;
    int nextSequence = 1, generation = 0;
    int recordsChecked = 0, hotJournals = 0, newerConfig = 0, unreportedRecords = 0, noTable = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess driver;
        driver.start(QStringLiteral(TARMELKA_KILLDRIVER),
                     {dir.path(), QString::number(nextSequence), QString::number(generation + 1)});
        QVERIFY2(driver.waitForStarted(), qPrintable(driver.errorString()));
        // Early moments hit start-up and table creation, later ones the loop.
        QThread::msleep(random.bounded(kill % 4 == 0 ? 40 : 400));
        driver.kill();
        QVERIFY(driver.waitForFinished(30000));
        QVERIFY2(driver.exitStatus() == QProcess::CrashExit,
                 qPrintable(u"the driver stopped by itself: "_s +
                            QString::fromLocal8Bit(driver.readAllStandardError())));

        int lastReported = nextSequence - 1;
        for (const QByteArray& line : driver.readAllStandardOutput().split('\n')) {
            const int n = line.mid(2).toInt();
            if (line.startsWith("R ")) {
                reported.insert(n);
                lastReported = n;
            } else if (line.startsWith("C ")) {
                generation = n;
            }
        }
        if (QFileInfo(journal).size() > 0)
            ++hotJournals;

        const Found found = checkTable(dir.path());
        const QStringList problems =
            found.problems + checkRecords(found.sequences, reported, lastReported + 1);
        QVERIFY2(problems.isEmpty(),
                 qPrintable(u"after kill %1: "_s.arg(kill + 1) + problems.join(u"; "_s)));
        // Nothing was stored yet, and the next write must create the table.
        noTable += found.noTable;
        recordsChecked += int(found.sequences.size());
        if (found.sequences.contains(lastReported + 1)) {
            ++unreportedRecords;
            reported.insert(lastReported + 1); // stored after all: it must stay
            ++lastReported;
        }
        nextSequence = lastReported + 1;

        const auto held = configGeneration(readAll(ini), generation, generations);
        QVERIFY2(held, qPrintable(u"after kill %1 config.ini is neither generation %2 nor %3"_s
                                      .arg(kill + 1)
                                      .arg(generation)
                                      .arg(generation + 1)));
        newerConfig += *held != generation;
        generation = *held;
    }
    const int leftovers =
        int(QDir(dir.path()).entryList({u"config.ini.*"_s}, QDir::Files | QDir::Hidden).size());
    qInfo("%d kills; %d records written, %d checks of a record; %d hot journals recovered; "
          "%d records and %d config.ini saves stored just before their report; "
          "%d config.ini generations; %d save temporaries left; %d kills before the table existed",
          kills, int(reported.size()), recordsChecked, hotJournals, unreportedRecords, newerConfig,
          generation, leftovers, noTable);
    QVERIFY(!reported.isEmpty());
}

// In a read-only folder config.ini is saved in place; no kill may empty it.
void TestKill::inPlaceSavesSurviveKills() {
    if (geteuid() == 0)
        QSKIP("root writes into a read-only folder");
    const int kills = envNumber("TARMELKA_KILLS", 40);
    QRandomGenerator random(quint32(envNumber("TARMELKA_KILL_SEED", 2003)));
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"config.ini"_s);
    Generations generations;
    writeFile(ini, generations[0]);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    int generation = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess driver;
        driver.start(QStringLiteral(TARMELKA_KILLDRIVER),
                     {dir.path(), u"-"_s, QString::number(generation + 1)});
        QVERIFY(driver.waitForStarted());
        QThread::msleep(random.bounded(20, 80));
        driver.kill();
        QVERIFY(driver.waitForFinished(30000));
        QVERIFY2(driver.exitStatus() == QProcess::CrashExit,
                 driver.readAllStandardError().constData());
        for (const QByteArray& line : driver.readAllStandardOutput().split('\n'))
            if (line.startsWith("C "))
                generation = line.mid(2).toInt();
        const auto held = configGeneration(readAll(ini), generation, generations);
        QVERIFY2(held, qPrintable(u"after kill %1 config.ini is neither generation %2 nor %3: "
                                  u"%4 bytes"_s.arg(kill + 1)
                                      .arg(generation)
                                      .arg(generation + 1)
                                      .arg(readAll(ini).size())));
        generation = *held;
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qInfo("%d kills of saves in place; %d config.ini generations", kills, generation);
}

QTEST_GUILESS_MAIN(TestKill)
#include "tst_kill.moc"
