// config.ini: the ini format and the Settings read from and written to it.
#include "core/settings/configFile.h"
#include "core/settings/iniFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
QByteArray cp1250(const QString& text) {
    QStringEncoder e("windows-1250");
    return e.encode(text);
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const char* kDefaultsFile =
    "[Kategorie otazek]\r\nPravidla provozu=1\r\nRidicke opravneni=1\r\n"
    "Silnicni zakon=1\r\nZdravoveda=1\r\nPodminky provozu=1\r\nZnacky=1\r\n"
    "Krizovatky=1\r\n\r\n[Skupina]\r\nSkupina=B\r\n\r\n[Protokoly]\r\n"
    "Procvicovani=0\r\nZkouseni=0\r\nTest=0\r\n\r\n[Konfigurace]\r\n"
    "Stavovy radek=1\r\nPostupny vyber otazek=1\r\n\r\n[Profily]\r\nPocet=1\r\n"
    "1=Default\r\nAktivni=Default\r\n\r\n";
} // namespace

class ConfigTest : public QObject {
    Q_OBJECT
  private slots:
    void integerSwitches_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("valid");
        QTest::newRow("decimal") << u" 12 "_s << 12 << true;
        QTest::newRow("hex 0x") << u"0x1F"_s << 31 << true;
        QTest::newRow("hex dollar") << u"$ff"_s << 255 << true;
        QTest::newRow("0x0 is off") << u"0x0"_s << 0 << true;
        QTest::newRow("negative") << u"-1"_s << -1 << true;
        QTest::newRow("true is no number") << u"true"_s << 0 << false;
        QTest::newRow("empty") << u""_s << 0 << false;
        QTest::newRow("bare prefix") << u"0x"_s << 0 << false;
        QTest::newRow("too large") << u"99999999999"_s << 0 << false;
        QTest::newRow("largest") << u"2147483647"_s << 2147483647 << true;
        QTest::newRow("one past largest") << u"2147483648"_s << 0 << false;
        QTest::newRow("smallest") << u"-2147483648"_s << int(-2147483648LL) << true;
        QTest::newRow("negative hex") << u"-0x10"_s << -16 << true;
        QTest::newRow("second sign after a blank") << u"- -5"_s << 0 << false;
        QTest::newRow("sign after the prefix") << u"0x -1"_s << 0 << false;
        QTest::newRow("two signs") << u"+-1"_s << 0 << false;
        QTest::newRow("smallest 64-bit negated") << u"- -9223372036854775808"_s << 0 << false;
        QTest::newRow("wraps in 64 bits") << u"18446744073709551617"_s << 0 << false;
        QTest::newRow("blank inside") << u"1 2"_s << 0 << false;
        QTest::newRow("hex digit in decimal") << u"1f"_s << 0 << false;
        QTest::newRow("other script's digits") << u"١٢"_s << 0 << false;
    }
    void integerSwitches() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(bool, valid);
        const auto n = IniFile::toInt(text);
        QCOMPARE(n.has_value(), valid);
        if (valid)
            QCOMPARE(*n, value);
    }

    void missingFileGivesStartUpDefaults() {
        QTemporaryDir dir;
        const config::Loaded loaded = config::load(dir.filePath(u"config.ini"_s));
        QVERIFY(!loaded.fromFile);
        const Settings& s = loaded.settings;
        QCOMPARE(s.group, u"B"_s);
        QCOMPARE(s.activeProfile, u"Default"_s);
        QCOMPARE(s.profileCount, 1);
        QCOMPARE(s.savedProfiles[0], u"Default"_s);
        QVERIFY(s.anyCategory());
        QVERIFY(!s.protocols[0] && !s.protocols[1] && !s.protocols[2]);
        QVERIFY(loaded.view.statusBar && loaded.view.sequential);
    }

    // The larger text and reading aloud: kept in their own section, written
    // only while one of them is on.
    void accessibilityChoices_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("readAloud");
        QTest::addColumn<bool>("section");
        QTest::newRow("neither") << 100 << false << false;
        QTest::newRow("larger text") << 150 << false << true;
        QTest::newRow("read aloud") << 100 << true << true;
        QTest::newRow("both") << 200 << true << true;
    }
    void accessibilityChoices() {
        QFETCH(int, scale);
        QFETCH(bool, readAloud);
        QFETCH(bool, section);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        QString error;
        ViewChoices view;
        view.scalePercent = 125; // what was saved before
        QVERIFY(config::save(path, Settings{}, view, &error));
        view.scalePercent = scale;
        view.readAloud = readAloud;
        QVERIFY(config::save(path, Settings{}, view, &error));
        QCOMPARE(read(path).contains("[Pristupnost]"), section);
        const config::Loaded loaded = config::load(path);
        QCOMPARE(loaded.view.scalePercent, scale);
        QCOMPARE(loaded.view.readAloud, readAloud);
        QVERIFY(loaded.problems.isEmpty());
    }
    void unknownScaleIsTold() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        write(path, "[Skupina]\nSkupina=B\n[Pristupnost]\nZvetseni=170\n");
        const config::Loaded loaded = config::load(path);
        QCOMPARE(loaded.view.scalePercent, 100);
        QVERIFY(loaded.problems.join(u' ').contains(u"neplatné zvětšení"_s));
    }

    // The school's server: written only while set, read back as written, and
    // a hand-edited section that cannot be used is told and left unused.
    void schoolServerSection_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("told");
        QTest::newRow("none") << QByteArray() << QString() << 0 << QString();
        QTest::newRow("host and port") << QByteArray("Server=db.skola.cz\nPort=5433\nTLS=require\n")
                                       << u"db.skola.cz"_s << 5433 << QString();
        QTest::newRow("service only") << QByteArray("Sluzba=autoskola\n") << QString() << 0
                                      << QString();
        QTest::newRow("option smuggled into the service")
            << QByteArray("Sluzba=x sslmode=disable\n") << QString() << 0 << u"Název služby"_s;
        QTest::newRow("port out of range") << QByteArray("Server=db\nPort=70000\n") << QString()
                                           << 0 << u"Port"_s;
        QTest::newRow("unknown TLS mode") << QByteArray("Server=db\nTLS=maybe\n") << QString()
                                          << 0 << u"TLS"_s;
        QTest::newRow("database without a server") << QByteArray("Databaze=autoskola\n")
                                                   << QString() << 0 << u"službu"_s;
    }
    void schoolServerSection() {
        QFETCH(QByteArray, section);
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        write(path, "[Skupina]\nSkupina=B\n" + (section.isEmpty() ? "" : "[Skola]\n" + section));
        const config::Loaded loaded = config::load(path);
        const QString problems = loaded.problems.join(u' ');
        QCOMPARE(problems.contains(u"[Skola]"_s), !told.isEmpty());
        QVERIFY2(problems.contains(told), qPrintable(problems));
        QCOMPARE(loaded.view.school.host, host);
        QCOMPARE(loaded.view.school.port, port);
        QString error;
        QVERIFY(config::save(path, loaded.settings, loaded.view, &error));
        const bool set = loaded.view.school.isSet();
        QCOMPARE(read(path).contains("[Skola]"), set);
        QVERIFY(!read(path).contains("heslo") && !read(path).contains("password"));
        QCOMPARE(config::load(path).view.school, loaded.view.school);
    }

    void defaultsAreWrittenLineForLine() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        QString error;
        QVERIFY(config::save(path, Settings{}, ViewChoices{}, &error));
        QCOMPARE(read(path), QByteArray(kDefaultsFile));
        QVERIFY(config::save(path, Settings{}, ViewChoices{}, &error));
        QCOMPARE(read(path), QByteArray(kDefaultsFile)); // saving twice changes nothing
    }

    void fileWithOnlyTheGroupUsesMissingKeyDefaults() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        write(path, "[skupina]\nSKUPINA =  C  \n");
        const config::Loaded loaded = config::load(path);
        QVERIFY(loaded.fromFile);
        const Settings& s = loaded.settings;
        QCOMPARE(s.group, u"C"_s);
        QVERIFY(s.categories == (std::array<bool, 7>{true, true, true, true, true, true, true}));
        QVERIFY(s.protocols[0] && s.protocols[1] && s.protocols[2]);
        // A missing name loads as the base profile; such a list is not trusted.
        QCOMPARE(s.profileCount, 1);
        QCOMPARE(s.profiles[0], u"Default"_s);
        QCOMPARE(s.activeProfile, u"Default"_s);
        QVERIFY(!loaded.profileListTrusted);
        QVERIFY(loaded.view.statusBar && loaded.view.sequential);
    }

    void switchesAndProfilesAreRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        write(
            path,
            cp1250(u"[Kategorie otazek]\r\nPravidla provozu=0\r\nZnacky=0x0\r\nKrizovatky=true\r\n"
                   u"[Konfigurace]\r\nStavovy radek=0\r\nPostupny vyber otazek=$0\r\n"
                   u"[Profily]\r\nPocet=2\r\n1=Jiří Šťastný\r\n2=Eva\r\nAktivni=Eva\r\n"_s));
        const config::Loaded loaded = config::load(path);
        const Settings& s = loaded.settings;
        QVERIFY(!s.categories[0] && s.categories[1] && !s.categories[5] && s.categories[6]);
        QVERIFY(!loaded.view.statusBar && !loaded.view.sequential);
        QCOMPARE(s.profileCount, 2);
        QCOMPARE(s.profiles[0], u"Jiří Šťastný"_s);
        QCOMPARE(s.savedProfiles[1], u"Eva"_s);
        QCOMPARE(s.activeProfile, u"Eva"_s);
    }

    void handEditedValuesStayUsable_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("profiles");
        QTest::addColumn<QString>("active");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("problem"); // a piece of the one message, or empty
        const QByteArray b = "[Skupina]\nSkupina=B\n";
        QTest::newRow("complete list")
            << b + "[Profily]\nPocet=2\n1=Eva\n2=Default\nAktivni=Eva\n"
            << QStringList{u"Eva"_s, u"Default"_s} << u"Eva"_s << true << u"B"_s << QString();
        QTest::newRow("count zero")
            << b + "[Profily]\nPocet=0\n1=Eva\nAktivni=Eva\n"
            << QStringList{u"Eva"_s} << u"Eva"_s << false << u"B"_s << QString();
        QTest::newRow("count below the names")
            << b + "[Profily]\nPocet=1\n1=Eva\n2=Jan\nAktivni=Jan\n"
            << QStringList{u"Eva"_s} << u"Jan"_s << false << u"B"_s << QString();
        QTest::newRow("count too large")
            << QByteArray("[Profily]\nPocet=500\n1=Eva\n[Skupina]\nSkupina=T\n")
            << QStringList{u"Eva"_s} << u"Default"_s << false << u"T"_s << QString();
        QByteArray many = b + "[Profily]\nPocet=32\nAktivni=P1\n";
        QStringList thirty;
        for (int i = 1; i <= 32; ++i) {
            many += "%1=P%1\n"_ba.replace("%1", QByteArray::number(i));
            if (i <= kMaxProfiles)
                thirty << u"P%1"_s.arg(i);
        }
        QTest::newRow("more names than the program keeps")
            << many << thirty << u"P1"_s << false << u"B"_s << u"víc než 30 profilů"_s;
        QTest::newRow("empty name")
            << b + "[Profily]\nPocet=2\n1=\n2=Eva\nAktivni=\n"
            << QStringList{u"Eva"_s} << u"Default"_s << false << u"B"_s << QString();
        QTest::newRow("no profile section")
            << b << QStringList{u"Default"_s} << u"Default"_s << false << u"B"_s << QString();
        QTest::newRow("unknown group")
            << QByteArray("[Skupina]\nSkupina=Z\n") << QStringList{u"Default"_s} << u"Default"_s
            << false << u"B"_s << u"neplatnou skupinu řidičského oprávnění \"Z\""_s;
        QTest::newRow("missing group")
            << QByteArray("[Profily]\nPocet=1\n1=Default\nAktivni=Default\n")
            << QStringList{u"Default"_s} << u"Default"_s << true << u"B"_s << u"neuvádí skupinu"_s;
        QTest::newRow("overlong value")
            << QByteArray("[Skupina]\nSkupina=") + QByteArray(300, 'C') + "\n"
            << QStringList{u"Default"_s} << u"Default"_s << false << u"B"_s
            << u"Hodnota klíče Skupina v oddílu [Skupina]"_s;
        QTest::newRow("junk") << QByteArray("\x89PNG\r\n\x1a\n\0\0garbage=1\n")
                              << QStringList{u"Default"_s} << u"Default"_s << false << u"B"_s
                              << u"neobsahuje nastavení programu"_s;
        QTest::newRow("oversized")
            << QByteArray("[Skupina]\nSkupina=C\n;") + QByteArray(2 << 20, 'x')
            << QStringList{u"Default"_s} << u"Default"_s << false << u"B"_s
            << u"neobsahuje nastavení programu"_s;
    }
    void handEditedValuesStayUsable() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, profiles);
        QFETCH(QString, active);
        QFETCH(bool, trusted);
        QFETCH(QString, group);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        write(path, content);
        const config::Loaded loaded = config::load(path);
        QCOMPARE(loaded.settings.profileNames(), profiles);
        QCOMPARE(loaded.settings.savedProfileNames(), profiles);
        QCOMPARE(loaded.settings.activeProfile, active);
        QCOMPARE(loaded.profileListTrusted, trusted);
        QCOMPARE(loaded.settings.group, group);
        const QString said = loaded.problems.join(u'\n');
        QVERIFY2(problem.isEmpty() ? said.isEmpty() : said.contains(problem), qPrintable(said));
        QVERIFY(said.size() < 1000); // never the damaged value itself at length
    }

    void emptyNamesAreNeverWritten() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        Settings s;
        s.profileCount = 3;
        s.profiles = {u"Eva"_s, QString(), u"  "_s};
        s.activeProfile = QString();
        QString error;
        QVERIFY(config::save(path, s, ViewChoices{}, &error));
        QVERIFY(read(path).endsWith("[Profily]\r\nPocet=1\r\n1=Eva\r\nAktivni=Default\r\n\r\n"));
        QVERIFY(config::load(path).profileListTrusted);
    }

    void staleTemporariesAreRemoved() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        const QString stale = path + u".aB3xYz"_s, fresh = path + u".Qw12er"_s,
                      other = dir.filePath(u"config.ini.bak"_s);
        for (const QString& f : {stale, fresh, other})
            write(f, "x");
        QFile file(stale);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
        file.close();
        config::removeStaleTemporaries(path);
        QVERIFY(!QFile::exists(stale));
        QVERIFY(QFile::exists(fresh)); // perhaps another instance's save in progress
        QVERIFY(QFile::exists(other));
    }

    void saveKeepsUnknownPartsAndDropsComments() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        write(path,
              "; comment before everything\n[Vlastni]\nklic = hodnota \n; comment\n"
              "[skupina]\nskupina=D\nbarva=modra\n[Profily]\nPocet=3\n1=a\n2=b\n3=c\nstary=x\n");
        Settings s;
        s.group = u"C"_s;
        s.profileCount = 2;
        s.profiles = {u"Žofie"_s, u"Ondřej"_s};
        s.activeProfile = u"Ondřej"_s;
        QString error;
        QVERIFY(config::save(path, s, ViewChoices{false, false}, &error));
        QStringDecoder decode("windows-1250");
        const QString text = decode(read(path));
        QVERIFY(text.startsWith(
            u"[Vlastni]\r\nklic=hodnota\r\n\r\n[skupina]\r\nskupina=C\r\nbarva=modra\r\n\r\n"_s));
        QVERIFY(!text.contains(u';'));
        QVERIFY(text.endsWith(
            u"[Profily]\r\nPocet=2\r\n1=Žofie\r\n2=Ondřej\r\nAktivni=Ondřej\r\n\r\n"_s));
        QVERIFY(!text.contains(u"3=c"_s) && !text.contains(u"stary"_s));
        QVERIFY(
            text.contains(u"[Konfigurace]\r\nStavovy radek=0\r\nPostupny vyber otazek=0\r\n"_s));
        QCOMPARE(config::load(path).settings.profiles[1], u"Ondřej"_s);
    }

    void failedSaveLeavesTheOldFile() {
        QTemporaryDir dir;
        // A folder standing where the file should be cannot be written even by root.
        const QString path = dir.filePath(u"config.ini"_s);
        QVERIFY(QDir().mkpath(path));
        QVERIFY(!config::load(path).fromFile); // and counts as missing when read
        QString error;
        QVERIFY(!config::save(path, Settings{}, ViewChoices{}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 0); // no temporary file left
    }

    void readOnlyFileIsReadAndSaysSo() {
        if (geteuid() == 0)
            QSKIP("root can write a read-only file");
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        write(path, "[Skupina]\r\nSkupina=C\r\n");
        QFile::setPermissions(path, QFile::ReadOwner);
        const config::Loaded loaded = config::load(path);
        QVERIFY(loaded.fromFile && loaded.readOnly);
        QCOMPARE(loaded.settings.group, u"C"_s);
        QVERIFY(loaded.problems.join(u' ').contains(u"jen pro čtení"_s));
        QString error;
        QVERIFY(!config::save(path, Settings{}, ViewChoices{}, &error));
        QCOMPARE(read(path), QByteArray("[Skupina]\r\nSkupina=C\r\n"));
    }
};

QTEST_GUILESS_MAIN(ConfigTest)
#include "tst_config.moc"
