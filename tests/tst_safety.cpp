// Hostile and damaged inputs: what the purge may delete, oversized and
// foreign pictures, picture paths out of the program folder, damaged tables
// and interrupted writes, overlong texts.
#include "core/base/jpegImage.h"
#include "core/base/paths.h"
#include "core/base/windows1250.h"
#include "core/records/protocolRecord.h"
#include "core/records/purge.h"
#include "core/records/resultRecord.h"
#include "core/records/resultsTable.h"
#include "core/settings/configFile.h"
#include "core/store/tableStore.h"
#include "gui/ui/staticText.h"
#include "testSupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The program's own picture with its frame header claiming another size.
QByteArray withClaimedSize(QByteArray jpeg, int width, int height) {
    for (qsizetype i = 0; i + 8 < jpeg.size(); ++i) {
        const auto marker = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 0xFF);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 0xFF);
            return jpeg;
        }
    }
    return {};
}
} // namespace

class SafetyTest : public QObject {
    Q_OBJECT
  private slots:
    void purgeTakesOnlyWhatWasRemoved_data() {
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QStringList>("atStart");
        QTest::addColumn<QStringList>("created");
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<QString>("active");
        QTest::addColumn<QStringList>("removed");
        const QStringList three{u"Default"_s, u"Eva"_s, u"Jan"_s};
        QTest::newRow("nothing removed")
            << true << three << QStringList() << three << u"Eva"_s << QStringList();
        QTest::newRow("removed and saved")
            << true << three << QStringList() << QStringList{u"Default"_s, u"Eva"_s} << u"Default"_s
            << QStringList{u"Jan"_s};
        QTest::newRow("untrusted list removes nothing")
            << false << three << QStringList() << QStringList{u"Default"_s} << u"Default"_s
            << QStringList();
        QTest::newRow("no list read, created and removed")
            << false << QStringList() << QStringList{u"Petr"_s, u"Eva"_s}
            << QStringList{u"Default"_s, u"Eva"_s} << u"Default"_s << QStringList{u"Petr"_s};
        QTest::newRow("no list read, created and never saved")
            << false << QStringList() << QStringList{u"Petr"_s} << QStringList() << u"Petr"_s
            << QStringList{u"Petr"_s};
        QTest::newRow("untrusted list, created and removed")
            << false << three << QStringList{u"Petr"_s} << QStringList{u"Default"_s} << u"Default"_s
            << QStringList{u"Petr"_s};
        QTest::newRow("created, never saved") << true << three << QStringList{u"Petr"_s} << three
                                              << u"Petr"_s << QStringList{u"Petr"_s};
        QTest::newRow("created and saved")
            << true << three << QStringList{u"Petr"_s} << three + QStringList{u"Petr"_s}
            << u"Petr"_s << QStringList();
        QTest::newRow("active listed name stays")
            << true << three << QStringList() << QStringList{u"Default"_s} << u"Jan"_s
            << QStringList{u"Eva"_s};
        QTest::newRow("case of the saved name differs")
            << true << three << QStringList() << QStringList{u"default"_s, u"EVA"_s, u"jan"_s}
            << u"Default"_s << QStringList();
        QTest::newRow("long name compared as stored")
            << true << QStringList{u"Default"_s, QString(40, u'x')} << QStringList()
            << QStringList{u"Default"_s, QString(30, u'x') + u"yy"_s} << u"Default"_s
            << QStringList();
        QTest::newRow("long name removed, cut as stored")
            << true << QStringList{u"Default"_s, QString(40, u'x')} << QStringList()
            << QStringList{u"Default"_s} << u"Default"_s << QStringList{QString(30, u'x')};
    }
    void purgeTakesOnlyWhatWasRemoved() {
        QFETCH(bool, trusted);
        QFETCH(QStringList, atStart);
        QFETCH(QStringList, created);
        QFETCH(QStringList, saved);
        QFETCH(QString, active);
        QFETCH(QStringList, removed);
        ProfileHistory history{trusted, atStart, {}};
        history.noteList(atStart, atStart + created);
        QCOMPARE(history.created, created);
        QCOMPARE(removedProfiles(history, saved, active), removed);
    }

    void purgeDeletesExactlyTheNamedProfiles() {
        QTemporaryDir dir;
        for (const TableSchema* schema : {&schemas::results(), &schemas::protocols()}) {
            TableStore store(*schema, dir.path());
            QVERIFY(store.open(TableStore::Mode::CreateIfMissing));
            for (const QString& name : {u"Eva"_s, u"Jan"_s, u"Jan "_s, u"O'Brien"_s})
                QVERIFY(store.insert({testing::rowFor(*schema, name)}));
        }
        StoreError error;
        QVERIFY(PurgeRemovedProfiles(dir.path(), {u"Jan"_s, u"O'Brien"_s}, &error));
        for (const TableSchema* schema : {&schemas::results(), &schemas::protocols()}) {
            TableStore store(*schema, dir.path());
            QVERIFY(store.open(TableStore::Mode::ReadOnly));
            QCOMPARE(store.count(), 2); // "Eva" and "Jan " stay
        }
    }

    void hostilePicturesAreRefusedQuickly_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        const QByteArray own = readFile(QStringLiteral(TARMELKA_PROGRAM_DIR "/grafika/yes.jpg"));
        QTest::newRow("claims 65500 x 65500")
            << withClaimedSize(own, 65500, 65500) << u"je příliš velký"_s;
        QTest::newRow("claims 16000 x 16000")
            << withClaimedSize(own, 16000, 16000) << u"je příliš velký"_s;
        QTest::newRow("claims 2049 x 10") << withClaimedSize(own, 2049, 10) << u"je příliš velký"_s;
        QTest::newRow("not a JPEG") << QByteArray("GIF89a....") << u"není obrázek JPEG"_s;
        QTest::newRow("cut short") << own.left(200) << u"je poškozen"_s;
        QTest::newRow("empty") << QByteArray() << u"je poškozen"_s;
    }
    void hostilePicturesAreRefusedQuickly() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"x.jpg"_s);
        QVERIFY(writeFile(path, bytes));
        QString error;
        QVERIFY(jpeg::load(path, &error).isNull());
        QVERIFY2(error.contains(said) && error.contains(path), qPrintable(error));
    }

    void ownPicturesStillLoad() {
        QString error;
        const QImage image =
            jpeg::load(QStringLiteral(TARMELKA_PROGRAM_DIR "/grafika/pozadi.jpg"), &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
    }

    void picturePathsStayInTheProgramFolder_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("own picture") << u"grafika\\yes.jpg"_s << true;
        QTest::newRow("subfolder") << u"grafika\\znacky\\B20a.jpg"_s << true;
        QTest::newRow("forward slashes") << u"grafika/znacky/B20a.jpg"_s << true;
        QTest::newRow("absolute") << u"/etc/passwd"_s << false;
        QTest::newRow("drive") << u"C:\\Windows\\x.jpg"_s << false;
        QTest::newRow("climbs out") << u"grafika\\..\\..\\x.jpg"_s << false;
        QTest::newRow("starts by climbing") << u"..\\grafika\\x.jpg"_s << false;
        QTest::newRow("other folder") << u"data\\x.jpg"_s << false;
        QTest::newRow("folder alone") << u"grafika"_s << false;
        QTest::newRow("empty part") << u"grafika\\\\x.jpg"_s << false;
    }
    void picturePathsStayInTheProgramFolder() {
        QFETCH(QString, stored);
        QFETCH(bool, allowed);
        const AppPaths paths{u"/prog"_s, u"/work"_s};
        const QString resolved = paths.resolve(stored);
        QCOMPARE(!resolved.isEmpty(), allowed);
        if (allowed)
            QVERIFY(resolved.startsWith(u"/work/grafika/"_s));
    }

    void damagedTableIsToldInCzech() {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(u"Vysledky.DB"_s), QByteArray(4096, 'x')));
        StoreError error;
        QVERIFY(!WriteResultRecord(dir.path(), ResultRecord{}, &error));
        const QString text = error.message(u"Výsledek se nepodařilo uložit."_s);
        QVERIFY2(text.startsWith(u"Výsledek se nepodařilo uložit.\nTabulka: Vysledky.DB\n"
                                 u"Soubor není tabulkou programu"_s),
                 qPrintable(text));
        QVERIFY(text.contains(u"\nPodrobnosti: "_s)); // the store's own words, last
        QCOMPARE(readFile(dir.filePath(u"Vysledky.DB"_s)), QByteArray(4096, 'x'));
    }

    // A write killed half-way leaves a hot journal; opening for reading must
    // still work and show the table as it was before that write.
    void interruptedWriteIsRolledBackOnRead() {
        QTemporaryDir live, copy;
        {
            TableStore store(schemas::results(), live.path());
            QVERIFY(store.open(TableStore::Mode::CreateIfMissing));
            QVERIFY(store.insert({testing::rowFor(schemas::results(), u"Eva"_s)}));
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"writer"_s);
            db.setDatabaseName(live.filePath(u"Vysledky.DB"_s));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(u"PRAGMA cache_size=1"_s));
            QVERIFY(db.transaction());
            for (int i = 0; i < 200; ++i)
                QVERIFY(
                    q.exec(u"INSERT INTO Vysledky (Profil, SpatneCisla) VALUES ('Jan', '%1')"_s.arg(
                        QString(500, u'9'))));
            // What a kill at this moment leaves on disk.
            for (const QString& f : {u"Vysledky.DB"_s, u"Vysledky.DB-journal"_s})
                QVERIFY(QFile::copy(live.filePath(f), copy.filePath(f)));
            db.rollback();
            db.close();
        }
        QSqlDatabase::removeDatabase(u"writer"_s);
        QVERIFY(QFileInfo(copy.filePath(u"Vysledky.DB-journal"_s)).size() > 0);
        TableStore store(schemas::results(), copy.path());
        QVERIFY2(store.open(TableStore::Mode::ReadOnly), qPrintable(store.error().message()));
        QCOMPARE(store.count(), 1);
    }

    void overlongTextIsBoundedBeforeLayout() {
        StaticText text;
        text.resize(600, 100);
        QElapsedTimer clock;
        clock.start();
        text.setText(QString(2'000'000, u'x'));
        QCOMPARE(text.text().size(), StaticText::kMaxShownLength + 1);
        QVERIFY(text.text().endsWith(u'…'));
    }

    // A shared computer may give the learner writable files in a read-only
    // program folder: config.ini is then saved in place, and a table that
    // cannot get its journal says that the folder is at fault.
    void readOnlyFolderWithWritableFiles() {
        if (geteuid() == 0)
            QSKIP("root writes into a read-only folder");
        QTemporaryDir dir;
        const QString config = dir.filePath(u"config.ini"_s);
        QVERIFY(writeFile(config, "[Skupina]\r\nSkupina=C\r\n"));
        {
            TableStore store(schemas::results(), dir.path());
            QVERIFY(store.open(TableStore::Mode::CreateIfMissing));
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QString error;
        QVERIFY2(config::save(config, Settings{}, ViewChoices{}, &error), qPrintable(error));
        QVERIFY(readFile(config).contains("Skupina=B\r\n"));
        // Written in place, the file is cut to the shorter content after all.
        QVERIFY(cp1250::writeLines(config, {u"[Skupina]"_s, u"Skupina=D"_s}, &error));
        QCOMPARE(readFile(config), QByteArray("[Skupina]\r\nSkupina=D\r\n"));
        StoreError failure;
        QVERIFY(!WriteResultRecord(dir.path(), ResultRecord{}, &failure));
        QVERIFY2(failure.message().contains(u"Složka programu je jen pro čtení"_s),
                 qPrintable(failure.message()));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A full disk: every save fails in Czech, naming why, and the old file
    // stays whole. Needs a small file system of its own, which root can mount.
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<bool>("report"); // a saved report rather than config.ini
        QTest::newRow("config.ini") << false;
        QTest::newRow("saved report") << true;
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(bool, report);
        QTemporaryDir dir;
        const QByteArray mount = dir.path().toLocal8Bit();
        if (geteuid() != 0 ||
            QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s,
                                           dir.path()}) != 0)
            QSKIP("no small file system can be mounted here");
        const QString path = dir.filePath(report ? u"protokol.txt"_s : u"config.ini"_s);
        const QByteArray old = "[Skupina]\r\nSkupina=C\r\n";
        QVERIFY(writeFile(path, old));
        QFile filler(dir.filePath(u"filler"_s));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {
        }
        filler.close();
        QString error;
        const bool saved =
            report ? cp1250::writeLines(path, QStringList(200, u"Řádek protokolu"_s), &error)
                   : config::save(path, Settings{}, ViewChoices{}, &error);
        const QByteArray after = readFile(path);
        QProcess::execute(u"umount"_s, {dir.path()});
        QVERIFY(!saved);
        QVERIFY2(error.contains(u"Disk je plný."_s), qPrintable(error));
        QCOMPARE(after, old);
    }

    void emptyFileLeftByAKillBecomesTheEmptyTable() {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(u"Vysledky.DB"_s), QByteArray()));
        ResultsTable table(dir.path());
        QVERIFY2(table.open(), qPrintable(table.error().message()));
        QCOMPARE(table.count(u"Eva"_s, kPracticeKind), 0);
    }
};

QTEST_MAIN(SafetyTest)
#include "tst_safety.moc"
