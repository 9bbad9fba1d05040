// The school's server, against a real PostgreSQL (scripts/pg-cluster): the
// same lists in a folder and on the server, the outbox that delivers each
// record once whatever breaks, and the Czech words for what fails.
#include "core/records/answerHistory.h"
#include "core/records/protocolRecord.h"
#include "core/records/resultRecord.h"
#include "core/records/resultsTable.h"
#include "core/school/classOverview.h"
#include "core/school/outbox.h"
#include "core/school/schoolConnection.h"
#include "core/school/schoolLink.h"
#include "core/school/upload.h"
#include "core/store/serverSchema.h"
#include "testData.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <thread>

using namespace Qt::StringLiterals;

namespace {
const QString kAdmin = u"test-admin"_s;

ResultRecord result(const QString& profile, int percent) {
    ResultRecord r;
    r.kind = kPracticeKind;
    r.profile = profile;
    r.written = QDateTime(QDate(2026, 12, 7), QTime(10, 0).addSecs(percent));
    r.group = u"B"_s;
    r.categories = u"1234567"_s;
    r.questionCount = 20;
    r.successPercent = percent;
    return r;
}

// Runs SQL as the cluster's superuser; the test's own set-up, not the program's.
bool admin(const QString& sql) {
    QSqlQuery query(QSqlDatabase::database(kAdmin));
    if (!query.exec(sql))
        qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    return query.isActive();
}

// Runs the cluster script: "stop" or "start".
bool cluster(const QString& what) {
    return QProcess::execute(qEnvironmentVariable("TARMELKA_PG_CLUSTER"),
                             {what, qEnvironmentVariable("TARMELKA_TEST_PG")}) == 0;
}

int countOn(const QString& connection, const QString& table) {
    QSqlQuery query(QSqlDatabase::database(connection));
    query.exec(u"SELECT count(*) FROM tarmelka.\"%1\""_s.arg(table));
    return query.next() ? query.value(0).toInt() : -1;
}
} // namespace

class SchoolTest : public QObject {
    Q_OBJECT
    SchoolServer server_;

    // A database of its own for each test; its name is the test's.
    SchoolServer freshDatabase(const QString& name) {
        admin(u"DROP DATABASE IF EXISTS %1 WITH (FORCE)"_s.arg(name));
        admin(u"CREATE DATABASE %1"_s.arg(name));
        SchoolServer s = server_;
        s.database = name;
        return s;
    }

  private slots:
    void initTestCase() {
        if (!qEnvironmentVariableIsSet("TARMELKA_TEST_PG"))
            QSKIP("no test cluster: run through ctest, which starts one");
        server_.host = qEnvironmentVariable("TARMELKA_TEST_PG");
        server_.port = qEnvironmentVariableIntValue("TARMELKA_TEST_PGPORT");
        server_.user = u"tarmelka_test"_s;
        server_.database = u"skola"_s;
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, kAdmin);
        db.setHostName(server_.host);
        db.setPort(server_.port);
        db.setUserName(server_.user);
        db.setDatabaseName(u"postgres"_s);
        QVERIFY2(db.open(), qPrintable(db.lastError().text()));
    }

    // A results list reads the same in a folder and on the server: pages by
    // key, one record found, one removed, one profile's kind removed whole.
    void listsReadAlikeInBothPlaces_data() {
        QTest::addColumn<bool>("onServer");
        QTest::newRow("folder") << false;
        QTest::newRow("server") << true;
    }
    void listsReadAlikeInBothPlaces() {
        QFETCH(bool, onServer);
        QTemporaryDir dir;
        StorePlace place = dir.path();
        const QList<ResultRecord> written{result(u"Jana"_s, 10), result(u"Petr"_s, 20),
                                          result(u"Jana"_s, 30), result(u"Jana"_s, 40)};
        if (onServer) {
            QString problem;
            QVERIFY2(openSchool(freshDatabase(u"t_lists"_s), u"lists"_s, &problem),
                     qPrintable(problem));
            place = StorePlace::onServer(u"lists"_s);
            TableStore table(schemas::results(), place);
            QVERIFY(table.open(TableStore::Mode::Existing));
            QList<std::pair<QString, Row>> rows;
            for (const ResultRecord& r : written)
                rows << std::pair{QUuid::createUuid().toString(QUuid::WithoutBraces), r.toRow()};
            QVERIFY(table.insertOnce(rows));
        } else {
            for (const ResultRecord& r : written)
                QVERIFY(WriteResultRecord(dir.path(), r, nullptr));
        }
        ResultsTable table(place);
        QVERIFY2(table.open(), qPrintable(table.error().message()));
        const auto all = table.list(u"Jana"_s, kPracticeKind);
        QVERIFY(all);
        QCOMPARE(all->size(), 3);
        QCOMPARE(all->at(2).record.successPercent, 40);
        const auto second = table.list(u"Jana"_s, kPracticeKind, all->at(0).key, 1);
        QCOMPARE(second->size(), 1);
        QCOMPARE(second->at(0).record.successPercent, 30);
        StoredResult found;
        QCOMPARE(table.find(u"Jana"_s, kPracticeKind, all->at(1).key, found), Lookup::Found);
        QCOMPARE(found.record.written, written[2].written);
        QVERIFY(table.remove(all->at(1).key));
        QCOMPARE(table.count(u"Jana"_s, kPracticeKind), 2);
        QCOMPARE(table.removeAll(u"Jana"_s, kPracticeKind), 2);
        QCOMPARE(table.count(u"Petr"_s, kPracticeKind), 1);
        closeSchool(u"lists"_s);
    }

    // Whatever happens between the server's commit and the outbox's own
    // deletion, the server keeps each record once.
    void eachRecordArrivesOnce_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("plain send") << u""_s;
        QTest::newRow("acknowledgement lost, all sent again") << u"resend"_s;
        QTest::newRow("two PCs sending at once") << u"two"_s;
    }
    void eachRecordArrivesOnce() {
        QFETCH(QString, fault);
        const SchoolServer s = freshDatabase(u"t_once"_s);
        QString problem;
        QVERIFY2(openSchool(s, u"once"_s, &problem), qPrintable(problem));
        QTemporaryDir pc1, pc2;
        QList<Row> rows;
        for (int i = 0; i < 300; ++i) // more than one batch
            rows << result(u"Jana"_s, i % 101).toRow();
        QVERIFY(outbox::queueRecords(pc1.path(), schemas::results(), rows, nullptr));
        QVERIFY(outbox::queueRecords(pc2.path(), schemas::results(), rows.mid(0, 50), nullptr));
        const QString box = pc1.filePath(u"Odchozi.DB"_s);
        QVERIFY(QFile::copy(box, box + u".kopie"_s));
        int sent = 0;
        if (fault == u"two") {
            bool ok2 = false;
            std::thread other([&] {
                QString p;
                int n = 0;
                ok2 = openSchool(s, u"once-2"_s, &p) && outbox::send(pc2.path(), u"once-2"_s, &n,
                                                                     nullptr);
                closeSchool(u"once-2"_s);
            });
            QVERIFY(outbox::send(pc1.path(), u"once"_s, &sent, nullptr));
            other.join();
            QVERIFY(ok2);
        } else {
            QVERIFY(outbox::send(pc1.path(), u"once"_s, &sent, nullptr));
        }
        QCOMPARE(sent, 300);
        if (fault == u"resend") {
            QVERIFY(QFile::remove(box));
            QVERIFY(QFile::rename(box + u".kopie"_s, box));
            QVERIFY(outbox::send(pc1.path(), u"once"_s, &sent, nullptr));
            QCOMPARE(sent, 300); // sent again, taken once
        }
        QCOMPARE(outbox::waiting(pc1.path(), nullptr), 0);
        QCOMPARE(countOn(u"once"_s, u"Vysledky"_s), fault == u"two" ? 350 : 300);
        closeSchool(u"once"_s);
    }

    // A profile removed here goes from the server once sent: what of it was
    // there by then, and what still waited here; other learners stay, and so
    // does what is written under the name afterwards.
    void removedProfileGoesFromServer() {
        const SchoolServer s = freshDatabase(u"t_removal"_s);
        QString problem;
        QVERIFY2(openSchool(s, u"removal"_s, &problem), qPrintable(problem));
        QTemporaryDir pc;
        int sent = 0;
        QVERIFY(outbox::queueRecords(pc.path(), schemas::results(),
                                     {result(u"Jana"_s, 1).toRow(), result(u"Petr"_s, 2).toRow()},
                                     nullptr));
        QVERIFY(outbox::send(pc.path(), u"removal"_s, &sent, nullptr));
        QVERIFY(outbox::queueRecords(pc.path(), schemas::results(), {result(u"Jana"_s, 3).toRow()},
                                     nullptr));
        QTest::qWait(1100); // the removal's time, to the second, after what the server holds
        QVERIFY(outbox::queueRemoval(pc.path(), {u"Jana"_s}, QDateTime::currentDateTime(), nullptr));
        QCOMPARE(outbox::waiting(pc.path(), nullptr), 1); // Jana's waiting record went at once
        QVERIFY(outbox::send(pc.path(), u"removal"_s, &sent, nullptr));
        QCOMPARE(countOn(u"removal"_s, u"Vysledky"_s), 1);
        QVERIFY(outbox::queueRecords(pc.path(), schemas::results(), {result(u"Jana"_s, 4).toRow()},
                                     nullptr));
        QVERIFY(outbox::send(pc.path(), u"removal"_s, &sent, nullptr));
        QCOMPARE(countOn(u"removal"_s, u"Vysledky"_s), 2);
        closeSchool(u"removal"_s);
    }

    // What a learner deletes here while it still waits never reaches the
    // server: one identical record, or all of a profile's kind.
    void deletedWhileWaitingIsNeverSent() {
        QTemporaryDir pc;
        const Row jana50 = result(u"Jana"_s, 50).toRow();
        QVERIFY(outbox::queueRecords(pc.path(), schemas::results(),
                                     {jana50, jana50, result(u"Jana"_s, 60).toRow(),
                                      result(u"Petr"_s, 50).toRow()},
                                     nullptr));
        QList<Condition> same;
        for (int i = 0; i < jana50.size(); ++i)
            same << Condition{schemas::results().fields[i].name, Condition::Op::Equal, jana50[i]};
        QVERIFY(outbox::forget(pc.path(), schemas::results(), same, false, nullptr));
        QCOMPARE(outbox::waiting(pc.path(), nullptr), 3); // one of the two identical ones
        QVERIFY(outbox::forget(pc.path(), schemas::protocols(),
                               {{u"Profil"_s, Condition::Op::Equal, u"Jana"_s}}, true, nullptr));
        QCOMPARE(outbox::waiting(pc.path(), nullptr), 3); // another table's: none
        QVERIFY(outbox::forget(pc.path(), schemas::results(),
                               {{u"Profil"_s, Condition::Op::Equal, u"Jana"_s},
                                {u"TypTestu"_s, Condition::Op::Equal, kPracticeKind}},
                               true, nullptr));
        QCOMPARE(outbox::waiting(pc.path(), nullptr), 1); // Petr's
    }

    // What this PC kept before the server was set goes to it once asked:
    // what waits in the outbox under its own id, the rest found missing on
    // the server; asking again sends nothing.
    void earlierRecordsAreSentOnce() {
        const SchoolServer s = freshDatabase(u"t_upload"_s);
        QString problem;
        QVERIFY2(openSchool(s, u"upload"_s, &problem), qPrintable(problem));
        QTemporaryDir pc;
        for (int percent : {10, 20, 30})
            QVERIFY(WriteResultRecord(pc.path(), result(u"Jana"_s, percent), nullptr));
        const QList<AnswerRecord> answers{
            {u"Jana"_s, 5, QDateTime(QDate(2026, 12, 1), QTime(9, 0)), true, false,
             RunKind::Practice},
            {u"Jana"_s, 6, QDateTime(QDate(2026, 12, 1), QTime(9, 1)), false, true,
             RunKind::Practice}};
        QVERIFY(appendAnswers(pc.path(), answers, nullptr));
        // Written while the server was set, not sent yet.
        QVERIFY(outbox::queueRecords(pc.path(), schemas::results(), {result(u"Jana"_s, 20).toRow()},
                                     nullptr));
        UploadCount count;
        QVERIFY(uploadEarlierRecords(pc.path(), u"upload"_s, &count, nullptr));
        QCOMPARE(count.sent, 2 + 2);
        QCOMPARE(count.present, 1);
        QCOMPARE(countOn(u"upload"_s, u"Vysledky"_s), 3);
        QCOMPARE(countOn(u"upload"_s, u"Odpovedi"_s), 2);
        QVERIFY(uploadEarlierRecords(pc.path(), u"upload"_s, &count, nullptr));
        QCOMPARE(count.sent, 0);
        QCOMPARE(count.present, 5);
        QCOMPARE(countOn(u"upload"_s, u"Vysledky"_s), 3);
        closeSchool(u"upload"_s);
    }

    // A learner's records written on one PC are read on another: the lists
    // there read the server, which holds both PCs' records.
    void recordsFollowTheLearnerToAnotherPc() {
        const SchoolServer s = freshDatabase(u"t_pcs"_s);
        QTemporaryDir pc1, pc2;
        SchoolLink first(pc1.path()), second(pc2.path());
        first.configure(s);
        second.configure(s);
        QTRY_COMPARE(first.state(), SchoolLink::State::Online);
        QTRY_COMPARE(second.state(), SchoolLink::State::Online);
        QVERIFY(WriteResultRecord(pc1.path(), result(u"Jana"_s, 70), nullptr));
        QVERIFY(first.queue(schemas::results(), {result(u"Jana"_s, 70).toRow()}, nullptr));
        QVERIFY(second.queue(schemas::results(), {result(u"Jana"_s, 90).toRow()}, nullptr));
        ResultsTable onSecond(second.readPlace()); // also sends what the second PC holds
        QVERIFY(onSecond.open());
        QCOMPARE(onSecond.count(u"Jana"_s, kPracticeKind), 1 + 1);
        first.configure({}); // turned off: this PC's own table, as always
        ResultsTable onFirst(first.readPlace());
        QVERIFY(onFirst.open());
        QCOMPARE(onFirst.count(u"Jana"_s, kPracticeKind), 1);
    }

    // The instructor's overview: every learner with their counts, last test,
    // category rates and forecast; a page at a time.
    void overviewListsTheClass() {
        const SchoolServer s = freshDatabase(u"t_class"_s);
        QString problem;
        QVERIFY2(openSchool(s, u"class"_s, &problem), qPrintable(problem));
        QTemporaryDir pc;
        QList<Row> results;
        for (const QString& name : {u"Adam"_s, u"Bára"_s, u"Cyril"_s})
            results << result(name, 50).toRow();
        results << result(u"Bára"_s, 60).toRow();
        ProtocolRecord test;
        test.profile = u"Bára"_s;
        test.group = u"C"_s;
        test.points = 48;
        test.verdict = kPassedVerdict;
        QList<AnswerRecord> answers;
        for (int i = 1; i <= 40; ++i) // Bára: all of category 1 right
            answers << AnswerRecord{u"Bára"_s, i, QDateTime::currentDateTime(), true, false,
                                    RunKind::Practice};
        answers << AnswerRecord{u"Bára"_s, 430, QDateTime::currentDateTime(), false, false,
                                RunKind::Practice};
        int sent = 0;
        QVERIFY(outbox::queueRecords(pc.path(), schemas::results(), results, nullptr));
        QVERIFY(outbox::queueRecords(pc.path(), schemas::protocols(), {test.toRow()}, nullptr));
        QVERIFY(outbox::queueRecords(pc.path(), schemas::answers(), rowsOf(answers), nullptr));
        QVERIFY(outbox::send(pc.path(), u"class"_s, &sent, nullptr));

        ClassOverview overview(u"class"_s);
        auto page = overview.nextPage(2);
        QVERIFY(page);
        QCOMPARE(page->size(), 2);
        QVERIFY(!overview.atEnd());
        LearnerSummary bara = page->at(1);
        QCOMPARE(bara.profile, u"Bára"_s);
        QCOMPARE(bara.runs, 2);
        QCOMPARE(bara.tests, 1);
        QCOMPARE(bara.lastPoints, 48);
        QCOMPARE(bara.group, u"C"_s);
        QRandomGenerator generator(7);
        const auto index = testing::realBankIndex();
        QVERIFY(index);
        QVERIFY(overview.addDetail(bara, *index, generator));
        QCOMPARE(bara.categoryPercent[0], 100);
        QCOMPARE(bara.categoryPercent[1], 0);
        QVERIFY(!bara.categoryPercent[6]);
        QVERIFY(bara.passChance);
        page = overview.nextPage(2);
        QCOMPARE(page->size(), 1);
        QCOMPARE(page->at(0).profile, u"Cyril"_s);
        QVERIFY(overview.atEnd());
        // A removed learner leaves the class.
        TableStore table(schemas::results(), StorePlace::onServer(u"class"_s));
        QVERIFY(table.open(TableStore::Mode::Existing));
        QVERIFY(table.remove({{u"Profil"_s, Condition::Op::Equal, u"Cyril"_s}}));
        ClassOverview again(u"class"_s);
        QCOMPARE(again.nextPage(10)->size(), 2);
        closeSchool(u"class"_s);
    }

    // The CSV opens in a spreadsheet as text: a byte order mark, semicolons,
    // a quoted semicolon, and a name that would be a formula kept as text.
    void overviewCsvIsSafeForSpreadsheets() {
        LearnerSummary plain, formula;
        plain.profile = u"Novák; Jan"_s;
        plain.lastPoints = 50;
        formula.profile = u"=HYPERLINK(\"x\")"_s;
        const QByteArray csv = overviewCsv({plain, formula});
        QVERIFY(csv.startsWith("\xEF\xBB\xBF\xC5\xBD\xC3\xA1k;")); // BOM, then "Žák;"
        const QStringList lines = QString::fromUtf8(csv.mid(3)).split(u"\r\n"_s);
        QCOMPARE(lines.size(), 4); // header, two learners, the final line end
        QVERIFY(lines[1].startsWith(u"\"Novák; Jan\";"_s));
        QVERIFY(lines[2].startsWith(u"\"'=HYPERLINK(\"\"x\"\")\";"_s));
        QCOMPARE(lines[1].count(u';'), lines[0].count(u';') + 1); // one inside the quotes
    }

    // What a connection meets on the server, and what the learner is told.
    void connectionProblemsAreTold_data() {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("told");
        QTest::newRow("fresh database: tables made") << u"fresh"_s << u""_s;
        QTest::newRow("tables of a newer version") << u"newer"_s << u"novější verze"_s;
        QTest::newRow("no tables, no right to make them") << u"norights"_s << u"nesmí vytvořit"_s;
        QTest::newRow("missing database") << u"nodb"_s << u"Databáze t_nikde"_s;
        QTest::newRow("unknown user") << u"nouser"_s << u"Uživatel nikdo"_s;
        QTest::newRow("server not running here") << u"nohost"_s << u"není dostupný"_s;
    }
    void connectionProblemsAreTold() {
        QFETCH(QString, setUp);
        QFETCH(QString, told);
        SchoolServer s = freshDatabase(u"t_states"_s);
        if (setUp == u"newer") {
            QString problem;
            QVERIFY(openSchool(s, u"states"_s, &problem));
            QSqlQuery(QSqlDatabase::database(u"states"_s))
                .exec(u"UPDATE tarmelka.\"Verze\" SET \"Verze\" = 99"_s);
            closeSchool(u"states"_s);
        } else if (setUp == u"norights") {
            admin(u"DROP ROLE IF EXISTS ucebna_test"_s);
            admin(u"CREATE ROLE ucebna_test LOGIN"_s);
            s.user = u"ucebna_test"_s;
        } else if (setUp == u"nodb") {
            s.database = u"t_nikde"_s;
        } else if (setUp == u"nouser") {
            s.user = u"nikdo"_s;
        } else if (setUp == u"nohost") {
            s.host = QDir::tempPath() + u"/zadny-server"_s;
        }
        QString problem;
        const bool opened = openSchool(s, u"states"_s, &problem, 2);
        closeSchool(u"states"_s);
        QCOMPARE(opened, told.isEmpty());
        QVERIFY2(problem.contains(told), qPrintable(problem));
    }

    // libpq's own words for what the test server cannot show (it trusts
    // every local connection and speaks no TLS over its socket).
    void libpqReasonsAreToldInCzech_data() {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("told");
        QTest::newRow("wrong password")
            << u"FATAL:  password authentication failed for user \"ucebna\""_s
            << u"odmítl heslo uživatele ucebna"_s;
        QTest::newRow("no password in .pgpass")
            << u"fe_sendauth: no password supplied"_s << u"žádné neuvádí"_s;
        QTest::newRow("TLS refused")
            << u"server does not support SSL, but SSL was required"_s << u"v režimu require"_s;
        QTest::newRow("not allowed by pg_hba.conf")
            << u"FATAL:  no pg_hba.conf entry for host \"10.0.0.5\""_s << u"nepovolil"_s;
        QTest::newRow("unknown service")
            << u"definition of service \"skola\" not found"_s << u"Služba skola"_s;
        QTest::newRow("timeout") << u"timeout expired"_s << u"není dostupný"_s;
    }
    void libpqReasonsAreToldInCzech() {
        QFETCH(QString, reason);
        QFETCH(QString, told);
        SchoolServer s;
        s.service = u"skola"_s;
        s.user = u"ucebna"_s;
        s.sslMode = u"require"_s;
        const QString problem = connectionProblem(s, reason);
        QVERIFY2(problem.contains(told), qPrintable(problem));
        QVERIFY(problem.endsWith(reason)); // the server's own words stay below
    }

    // The fault test: the server stops while the program writes and starts
    // again; the link says so, keeps what is written, and every record
    // arrives once.
    void serverStoppedWhileWriting() {
        const SchoolServer s = freshDatabase(u"t_fault"_s);
        QTemporaryDir pc;
        SchoolLink link(pc.path());
        link.configure(s);
        QTRY_COMPARE(link.state(), SchoolLink::State::Online);
        const auto write = [&pc, &link](int from, int to) {
            for (int i = from; i < to; ++i) {
                QVERIFY(outbox::queueRecords(pc.path(), schemas::results(),
                                             {result(u"Jana"_s, i).toRow()}, nullptr));
                link.nudge();
                QTest::qWait(5);
            }
        };
        write(0, 40);
        QVERIFY(cluster(u"stop"_s));
        write(40, 80);
        QTRY_COMPARE_WITH_TIMEOUT(link.state(), SchoolLink::State::Offline, 20000);
        QVERIFY(link.statusText().contains(u"nedostupný"_s));
        QCOMPARE(link.readPlace().isServer(), false); // the lists read this PC meanwhile
        QVERIFY(cluster(u"start"_s));
        link.nudge();
        QTRY_VERIFY_WITH_TIMEOUT(link.state() == SchoolLink::State::Online && link.waiting() == 0,
                                 30000);
        QString problem;
        QVERIFY(openSchool(s, u"fault"_s, &problem));
        QCOMPARE(countOn(u"fault"_s, u"Vysledky"_s), 80);
        closeSchool(u"fault"_s);
        QVERIFY(link.readPlace().isServer());
    }
};

QTEST_GUILESS_MAIN(SchoolTest)
#include "tst_school.moc"
