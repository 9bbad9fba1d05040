// config.ini: the ini format and the Settings read from and written to it.
#include "settings/configFile.h"
#include "settings/iniFile.h"

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
        QCOMPARE(s.profileCount, 1);
        QCOMPARE(s.profiles[0], QString());
        QCOMPARE(s.activeProfile, QString());
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
        QTest::addColumn<int>("profiles");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("invalid");
        QTest::newRow("count zero")
            << QByteArray("[Profily]\nPocet=0\n[Skupina]\nSkupina=B\n") << 1 << u"B"_s << QString();
        QTest::newRow("count too large")
            << QByteArray("[Profily]\nPocet=500\n[Skupina]\nSkupina=T\n") << 30 << u"T"_s
            << QString();
        QTest::newRow("unknown group")
            << QByteArray("[Skupina]\nSkupina=Z\n") << 1 << u"B"_s << u"Z"_s;
        QTest::newRow("empty group") << QByteArray("[Profily]\nPocet=1\n") << 1 << u"B"_s << u""_s;
    }
    void handEditedValuesStayUsable() {
        QFETCH(QByteArray, content);
        QFETCH(int, profiles);
        QFETCH(QString, group);
        QFETCH(QString, invalid);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        write(path, content);
        const config::Loaded loaded = config::load(path);
        QCOMPARE(loaded.settings.profileCount, profiles);
        QCOMPARE(loaded.settings.group, group);
        QCOMPARE(loaded.invalidGroup.has_value(), !invalid.isNull());
        if (loaded.invalidGroup)
            QCOMPARE(*loaded.invalidGroup, invalid);
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

    void readOnlyFileCountsAsMissing() {
        if (geteuid() == 0)
            QSKIP("root can write a read-only file");
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        write(path, "[Skupina]\r\nSkupina=C\r\n");
        QFile::setPermissions(path, QFile::ReadOwner);
        QVERIFY(!config::load(path).fromFile);
        QString error;
        QVERIFY(!config::save(path, Settings{}, ViewChoices{}, &error));
        QCOMPARE(read(path), QByteArray("[Skupina]\r\nSkupina=C\r\n"));
    }
};

QTEST_GUILESS_MAIN(ConfigTest)
#include "tst_config.moc"
