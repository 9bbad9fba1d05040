// The school's windows over a real PostgreSQL (scripts/pg-cluster): the
// server dialog, the main window's status panel, and the class overview.
#include "core/records/resultRecord.h"
#include "core/school/outbox.h"
#include "core/school/schoolConnection.h"
#include "gui/app/mainWindow.h"
#include "gui/results/classOverviewDialog.h"
#include "gui/settings/schoolServerDialog.h"
#include "testSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using testing::in;

namespace {
SchoolServer testServer() {
    SchoolServer s;
    s.host = qEnvironmentVariable("TARMELKA_TEST_PG");
    s.port = qEnvironmentVariableIntValue("TARMELKA_TEST_PGPORT");
    s.user = u"tarmelka_test"_s;
    s.database = u"t_windows"_s;
    return s;
}
// config.ini with the group, the given lines and the server.
bool writeConfig(const QString& folder, const SchoolServer& s, const QByteArray& lines) {
    QFile ini(QDir(folder).filePath(u"config.ini"_s));
    return ini.open(QIODevice::WriteOnly) &&
           ini.write("[Skupina]\nSkupina=B\n" + lines +
                     QStringLiteral("[Skola]\nServer=%1\nPort=%2\nDatabaze=%3\nUzivatel=%4\n")
                         .arg(s.host)
                         .arg(s.port)
                         .arg(s.database, s.user)
                         .toUtf8()) > 0;
}
} // namespace

class SchoolWindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private slots:
    void initTestCase() {
        if (!qEnvironmentVariableIsSet("TARMELKA_TEST_PG"))
            QSKIP("no test cluster: run through ctest, which starts one");
        SchoolServer admin = testServer();
        admin.database = u"postgres"_s;
        QString problem;
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, u"admin"_s);
        db.setHostName(admin.host);
        db.setPort(admin.port);
        db.setUserName(admin.user);
        db.setDatabaseName(admin.database);
        QVERIFY(db.open());
        QSqlQuery(db).exec(u"DROP DATABASE IF EXISTS t_windows WITH (FORCE)"_s);
        QVERIFY(QSqlQuery(db).exec(u"CREATE DATABASE t_windows"_s));
    }

    // The dialog gives back what its fields say, tries the server as written
    // and says how it went; "Nepoužívat server" unsets it.
    void serverDialog_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("told");
        QTest::newRow("the test server") << qEnvironmentVariable("TARMELKA_TEST_PG")
                                         << u"funguje"_s;
        QTest::newRow("no server there") << u"/nikde"_s << u"není dostupný"_s;
    }
    void serverDialog() {
        QFETCH(QString, host);
        QFETCH(QString, told);
        TServerSkoly dialog(SchoolServer{}, dir_.path(), nullptr);
        const SchoolServer s = testServer();
        in<QLineEdit>(&dialog, "edServer")->setText(host);
        in<QLineEdit>(&dialog, "edPort")->setText(QString::number(s.port));
        in<QLineEdit>(&dialog, "edDatabaze")->setText(s.database);
        in<QLineEdit>(&dialog, "edUzivatel")->setText(s.user);
        in<QComboBox>(&dialog, "cbTLS")->setCurrentText(u"disable"_s);
        in<QPushButton>(&dialog, "btnVyzkouset")->click();
        QVERIFY2(in<QLabel>(&dialog, "lbVysledek")->text().contains(told),
                 qPrintable(in<QLabel>(&dialog, "lbVysledek")->text()));
        QCOMPARE(dialog.server().host, host);
        QCOMPARE(dialog.server().sslMode, u"disable"_s);
        in<QPushButton>(&dialog, "btnNepouzivat")->click();
        QVERIFY(!dialog.server().isSet());
    }

    // The status bar's last panel tells the server's state while one is set,
    // and the overview is offered only then.
    void mainWindowTellsTheServer() {
        {
            THlavniFormular w(testing::realProgram(dir_.path()));
            QVERIFY(w.FormCreate());
            QCOMPARE(in<QLabel>(&w, "StavovyRadek1Panel3")->text(), kCopyrightPanel);
            QVERIFY(!w.findChild<QAction*>(u"M1PrehledTridy"_s)->isEnabled());
        }
        const SchoolServer s = testServer();
        QVERIFY(writeConfig(dir_.path(), s, {}));
        THlavniFormular w(testing::realProgram(dir_.path()));
        QVERIFY(w.FormCreate());
        QTRY_COMPARE(in<QLabel>(&w, "StavovyRadek1Panel3")->text(), u"Server školy: připojeno"_s);
        QVERIFY(w.findChild<QAction*>(u"M1PrehledTridy"_s)->isEnabled());
    }

    // A profile removed and saved goes from the server at close only when
    // the learner agrees; this PC's own records go either way.
    void closingAsksBeforeDeletingOnTheServer_data() {
        QTest::addColumn<bool>("agree");
        QTest::newRow("agreed") << true;
        QTest::newRow("declined") << false;
    }
    void closingAsksBeforeDeletingOnTheServer() {
        QFETCH(bool, agree);
        QTemporaryDir pc;
        const SchoolServer s = testServer();
        QString problem;
        QVERIFY(openSchool(s, u"closing"_s, &problem));
        QSqlQuery(QSqlDatabase::database(u"closing"_s))
            .exec(u"DELETE FROM tarmelka.\"Vysledky\" WHERE \"Profil\" = 'Eva'"_s);
        ResultRecord eva;
        eva.kind = kPracticeKind;
        eva.profile = u"Eva"_s;
        int sent = 0;
        QVERIFY(outbox::queueRecords(pc.path(), schemas::results(), {eva.toRow()}, nullptr));
        QVERIFY(outbox::send(pc.path(), u"closing"_s, &sent, nullptr));
        QVERIFY(writeConfig(pc.path(), s, "[Profily]\nPocet=2\n1=Default\n2=Eva\nAktivni=Default\n"));
        THlavniFormular w(testing::realProgram(pc.path()));
        QVERIFY(w.FormCreate());
        QTRY_COMPARE(in<QLabel>(&w, "StavovyRadek1Panel3")->text(), u"Server školy: připojeno"_s);
        Settings& settings = w.settings();
        settings.profileCount = 1; // Eva removed, and saved
        w.findChild<QAction*>(u"M1UlozitNastaveni"_s)->trigger();
        testing::ModalBox asked;
        testing::onNextBox(asked, agree ? QMessageBox::Yes : QMessageBox::No);
        QVERIFY(w.close());
        QVERIFY(asked.text.contains(u"Eva"_s));
        QSqlQuery left(QSqlDatabase::database(u"closing"_s));
        QVERIFY(left.exec(u"SELECT count(*) FROM tarmelka.\"Vysledky\" WHERE \"Profil\" = 'Eva'"_s));
        QVERIFY(left.next());
        QCOMPARE(left.value(0).toInt(), agree ? 0 : 1);
        left.exec(u"DELETE FROM tarmelka.\"Vysledky\" WHERE \"Profil\" = 'Eva'"_s);
        closeSchool(u"closing"_s);
    }

    // The overview fills in every learner, sorts by a column and exports
    // what it shows.
    void overviewWindow() {
        QString problem;
        QVERIFY2(openSchool(testServer(), u"overview"_s, &problem), qPrintable(problem));
        QList<Row> rows;
        for (int i = 0; i < 120; ++i) { // more than one page
            ResultRecord r;
            r.kind = kPracticeKind;
            r.profile = u"Žák %1"_s.arg(i, 3, 10, QChar(u'0'));
            r.written = QDateTime::currentDateTime();
            rows << r.toRow();
            if (i == 7)
                rows << r.toRow() << r.toRow();
        }
        int sent = 0;
        QVERIFY(outbox::queueRecords(dir_.path(), schemas::results(), rows, nullptr));
        QVERIFY(outbox::send(dir_.path(), u"overview"_s, &sent, nullptr));
        const auto index = testing::realBankIndex();
        const QString csv = dir_.filePath(u"trida.csv"_s);
        TPrehledTridy view(u"overview"_s, *index, nullptr, [csv](QWidget*) { return csv; });
        QVERIFY(view.load());
        QTRY_VERIFY_WITH_TIMEOUT(view.complete(), 20000);
        auto* table = in<QTableWidget>(&view, "tblZaci");
        QCOMPARE(table->rowCount(), 120);
        table->sortByColumn(2, Qt::DescendingOrder); // the most runs first
        QCOMPARE(table->item(0, 0)->text(), u"Žák 007"_s);
        QCOMPARE(table->item(0, 2)->text(), u"3"_s);
        in<QPushButton>(&view, "btnExport")->click();
        QFile saved(csv);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().count("\r\n"), 121);
        closeSchool(u"overview"_s);
    }
};

QTEST_MAIN(SchoolWindowsTest)
#include "tst_schoolWindows.moc"
