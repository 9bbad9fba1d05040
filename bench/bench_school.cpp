// The school's server under a classroom's load, on a real PostgreSQL:
//  - 30 PCs, each a thread with its own connection and its own outbox,
//    write 1,000 records each at once, every record queued and sent as the
//    program does: records per second, the p99 of one append, and a count
//    that shows none lost and none doubled;
//  - over 1,000,000 server records of 1,000 learners: the results browser's
//    first page, the class overview's first page, and the purge of one
//    learner.
// The server: the cluster named by TARMELKA_TEST_PG (as the tests use it),
// else a throwaway one started here with scripts/pg-cluster.
#include "benchStats.h"
#include "core/records/resultsTable.h"
#include "core/school/classOverview.h"
#include "core/school/outbox.h"
#include "core/school/schoolConnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMutex>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <thread>

using namespace Qt::StringLiterals;

namespace {
constexpr int kPcs = 30;
constexpr int kPerPc = 1000;
constexpr int kLearners = 1000;

bool sql(const QString& connection, const QString& text) {
    QSqlQuery query(QSqlDatabase::database(connection));
    if (query.exec(text))
        return true;
    std::fprintf(stderr, "%s\n%s\n", qPrintable(text), qPrintable(query.lastError().text()));
    return false;
}

long long count(const QString& connection, const QString& text) {
    QSqlQuery query(QSqlDatabase::database(connection));
    return query.exec(text) && query.next() ? query.value(0).toLongLong() : -1;
}

ResultRecord record(int pc, int i) {
    ResultRecord r;
    r.kind = kPracticeKind;
    r.profile = u"Žák %1"_s.arg(pc);
    r.written = QDateTime::currentDateTime();
    r.questionCount = 20;
    r.successPercent = i % 101;
    return r;
}

// 30 PCs at once; false when a record went missing or came twice.
bool classroom(const SchoolServer& server, const QString& folder) {
    Samples appends;
    QMutex lock;
    QElapsedTimer wall;
    wall.start();
    std::vector<std::thread> pcs;
    for (int pc = 0; pc < kPcs; ++pc)
        pcs.emplace_back([&, pc] {
            const QString name = u"pc-%1"_s.arg(pc);
            const QString box = QDir(folder).filePath(name);
            QDir().mkpath(box);
            QString problem;
            if (!openSchool(server, name, &problem)) {
                std::fprintf(stderr, "%s\n", qPrintable(problem));
                return;
            }
            Samples mine;
            for (int i = 0; i < kPerPc; ++i)
                mine.time([&] {
                    int sent = 0;
                    outbox::queueRecords(box, schemas::results(), {record(pc, i).toRow()},
                                         nullptr);
                    outbox::send(box, name, &sent, nullptr);
                });
            closeSchool(name);
            QMutexLocker locked(&lock);
            appends.micros.insert(appends.micros.end(), mine.micros.begin(), mine.micros.end());
        });
    for (auto& t : pcs)
        t.join();
    const double seconds = wall.nsecsElapsed() / 1e9;
    std::printf("%d PCs x %d records: %.0f records/s\n", kPcs, kPerPc, kPcs * kPerPc / seconds);
    appends.report("one append (queue and send)");
    QString problem;
    openSchool(server, u"check"_s, &problem);
    const long long rows = count(u"check"_s, u"SELECT count(*) FROM tarmelka.\"Vysledky\""_s);
    const long long ids =
        count(u"check"_s, u"SELECT count(DISTINCT \"Id\") FROM tarmelka.\"Vysledky\""_s);
    std::printf("stored %lld, distinct ids %lld, expected %d: %s\n", rows, ids, kPcs * kPerPc,
                rows == kPcs * kPerPc && ids == rows ? "none lost, none doubled" : "WRONG");
    closeSchool(u"check"_s);
    return rows == kPcs * kPerPc && ids == rows;
}

// A million records of a thousand learners, made on the server itself.
bool seed(const QString& c) {
    const QString name = u"'Žák ' || lpad((g % 1000)::text, 4, '0')"_s;
    return sql(c, u"TRUNCATE tarmelka.\"Vysledky\", tarmelka.\"Protokoly\", "
                  u"tarmelka.\"Odpovedi\""_s) &&
           sql(c, u"INSERT INTO tarmelka.\"Vysledky\" (\"Id\", \"TypTestu\", \"Profil\", "
                  u"\"Datum\", \"Cas\", \"Skupina\", \"Kategorie\", \"PocetOtazek\", \"Spatne\", "
                  u"\"SpatneCisla\", \"SNapovedou\", \"SNapovedouCisla\", \"Uspesnost\") "
                  u"SELECT gen_random_uuid(), CASE WHEN g % 3 = 0 THEN 'Zkoušení' ELSE "
                  u"'Procvičování' END, "_s +
                      name +
                      u", '2026-11-01', '10:00:00', 'B', '1234567', 20, g % 5, '', 0, '', "
                      u"100 - g % 5 * 5 FROM generate_series(1, 300000) g"_s) &&
           sql(c, u"INSERT INTO tarmelka.\"Protokoly\" (\"Id\", \"Profil\", \"DatumACas\", "
                  u"\"Skupina\", \"DelkaTestu\", \"Spravne\", \"PocetBodu\", \"MinPocetBodu\", "
                  u"\"Verdikt\", \"Body\", \"Odpoved\", \"SpravnaOdpoved\", \"SkutCis\") "
                  u"SELECT gen_random_uuid(), "_s +
                      name +
                      u", '2026-11-01T10:00:00', 'B', '25:00', 20, 40 + g % 11, 43, "
                      u"CASE WHEN 40 + g % 11 >= 43 THEN 'Prošel' ELSE 'Neprošel' END, '', '', "
                      u"'', '' FROM generate_series(1, 100000) g"_s) &&
           sql(c, u"INSERT INTO tarmelka.\"Odpovedi\" (\"Id\", \"Profil\", \"Cislo\", "
                  u"\"DatumACas\", \"Spravne\", \"Napoveda\", \"TypTestu\") "
                  u"SELECT gen_random_uuid(), "_s +
                      name +
                      u", 1 + g % 757, '2026-11-01T10:00:00', (g % 4 > 0)::int, 0, "
                      u"'Procvičování' FROM generate_series(1, 600000) g"_s) &&
           sql(c, u"ANALYZE"_s);
}

void overMillion(const SchoolServer& server) {
    const QString c = u"million"_s;
    QString problem;
    if (!openSchool(server, c, &problem) || !seed(c))
        return;
    std::printf("%lld records of %lld learners on the server\n",
                count(c, u"SELECT (SELECT count(*) FROM tarmelka.\"Vysledky\") + (SELECT count(*) "
                         u"FROM tarmelka.\"Protokoly\") + (SELECT count(*) FROM "
                         u"tarmelka.\"Odpovedi\")"_s),
                count(c, u"SELECT count(*) FROM tarmelka.\"Zaci\""_s));
    Samples browser, overview, purge;
    for (int i = 0; i < 30; ++i) {
        browser.time([&] {
            ResultsTable table(StorePlace::onServer(c));
            table.open();
            table.list(u"Žák %1"_s.arg(i * 31 % kLearners, 4, 10, QChar(u'0')), kPracticeKind, 0,
                       50);
        });
        overview.time([&] { ClassOverview(c).nextPage(50); });
    }
    browser.report("results browser, first page");
    overview.report("class overview, first page of 50");
    QTemporaryDir pc;
    for (int i = 0; i < 5; ++i)
        purge.time([&] {
            int sent = 0;
            outbox::queueRemoval(pc.path(), {u"Žák %1"_s.arg(i * 7, 4, 10, QChar(u'0'))},
                                 QDateTime::currentDateTime(), nullptr);
            outbox::send(pc.path(), c, &sent, nullptr);
        });
    purge.report("purge of one learner (1,000 records)");
    closeSchool(c);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString host = qEnvironmentVariable("TARMELKA_TEST_PG");
    int port = qEnvironmentVariableIntValue("TARMELKA_TEST_PGPORT");
    const QString script = QStringLiteral(TARMELKA_SOURCE_DIR "/scripts/pg-cluster");
    const QString own = u"/tmp/tarmelka-bench-pg"_s;
    if (host.isEmpty()) {
        qputenv("PG_CLUSTER_TCP", "0");
        qputenv("PGPORT", "54339");
        if (QProcess::execute(script, {u"start"_s, own}) != 0)
            return 1;
        host = own;
        port = 54339;
    }
    SchoolServer server;
    server.host = host;
    server.port = port;
    server.user = u"tarmelka_test"_s;
    server.database = u"skola"_s;
    QString problem;
    {
        if (!openSchool(server, u"setup"_s, &problem)) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return 1;
        }
        sql(u"setup"_s, u"TRUNCATE tarmelka.\"Vysledky\""_s);
        closeSchool(u"setup"_s);
    }
    QTemporaryDir folder;
    const bool whole = classroom(server, folder.path());
    overMillion(server);
    if (host == own)
        QProcess::execute(script, {u"stop"_s, own});
    return whole ? 0 : 1;
}
