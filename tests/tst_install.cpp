// The program installed like any Linux program: `cmake --install` into a
// temporary prefix, then started there with fresh homes. The installed program
// reads its tables, pictures and handbook from the prefix and writes only into
// the user's data folder; a folder that holds its own question table still
// runs portably, as a build's program folder does.
//
// The probe is this test program itself, copied next to the installed
// executable and started with --probe: it takes its paths exactly as the
// program does, opens the main window, saves the settings and stores a result.
#include "core/records/resultRecord.h"
#include "core/records/resultsTable.h"
#include "gui/app/mainWindow.h"
#include "gui/ui/pictures.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString kDataFolder = u".local/share/tarmelka"_s;

// Every file under the folder with its size and time of change, to see that
// nothing in it was written.
QStringList snapshot(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        entries << u"%1 %2 %3"_s.arg(info.filePath())
                       .arg(info.isDir() ? -1 : info.size())
                       .arg(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

bool copyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

int failProbe(const QString& text) {
    std::fprintf(stderr, "probe: %s\n", qPrintable(text));
    return 3;
}

// The probe's side: start as the program starts, then save and store.
int probe(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"tarmelka"_s);
    if (argc < 3)
        return failProbe(u"usage: --probe <profile>"_s);
    // Any message box here is a failure: a missing table or picture says so in one.
    QTimer watchdog;
    bool progressShown = false;
    QObject::connect(&watchdog, &QTimer::timeout, [&progressShown] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            if (box->objectName() == u"TPokrok"_s) { // the progress view, from its module
                progressShown = true;
                box->close();
                return;
            }
            std::fprintf(stderr, "probe: a message box: %s\n",
                         qPrintable(box->findChild<QObject*>(u"qt_msgbox_label"_s)
                                        ? box->findChild<QObject*>(u"qt_msgbox_label"_s)
                                              ->property("text")
                                              .toString()
                                        : box->windowTitle()));
            std::fflush(stderr);
            std::_Exit(4);
        }
    });
    watchdog.start(50);

    bool ready = false;
    const AppPaths paths = AppPaths::fromApplication(&ready);
    if (!ready)
        return failProbe(u"no user folder "_s + paths.userFolder);
    THlavniFormular window(paths);
    if (!window.FormCreate())
        return failProbe(u"the main window did not start"_s);
    window.show();
    QString error;
    if (loadPicture(paths, u"grafika\\yes.jpg"_s, &error).isNull())
        return failProbe(error);
    auto* browse = window.findChild<QAction*>(u"M1Prohlizet"_s);
    auto* save = window.findChild<QAction*>(u"M1UlozitNastaveni"_s);
    if (!browse || !save)
        return failProbe(u"menu commands not found"_s);
    browse->trigger();
    QTest::qWait(100);
    save->trigger();
    QTest::qWait(100);

    ResultRecord record;
    record.kind = kPracticeKind;
    record.profile = QString::fromUtf8(argv[2]);
    record.written = QDateTime::currentDateTime();
    record.group = u"B"_s;
    record.categories = u"1234567"_s;
    record.questionCount = 10;
    record.successPercent = 100;
    StoreError storeError;
    if (!WriteResultRecord(paths.userFolder, record, &storeError))
        return failProbe(u"no result record: "_s + storeError.message());
    window.findChild<QAction*>(u"M1Pokrok"_s)->trigger();
    if (!progressShown)
        return failProbe(u"the progress view did not open from its module"_s);
    return 0;
}

} // namespace

class InstallTest : public QObject {
    Q_OBJECT
    QTemporaryDir prefix_;
    QTemporaryDir scratch_; // homes, working folders, a portable folder
    QString probe_;
    QStringList installed_;

    QString prefixed(const QString& relative) const { return prefix_.filePath(relative); }

    // Runs a program with its own home and working folder; the exit code, or -1
    // when it did not end.
    int run(const QString& program, const QStringList& arguments, const QString& home,
            const QString& workFolder, QString* errors = nullptr) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_s, home);
        for (const QString& name : {u"XDG_DATA_HOME"_s, u"XDG_CONFIG_HOME"_s})
            env.remove(name);
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        // Leaks are looked for in-process by the other tests; here only the exit code counts.
        env.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=0"_s);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(workFolder);
        process.start(program, arguments);
        const bool ended = process.waitForFinished(20000);
        if (errors)
            *errors = QString::fromLocal8Bit(process.readAllStandardError());
        if (!ended) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    QString folder(const QString& name) {
        const QString path = scratch_.filePath(name);
        return QDir().mkpath(path) ? path : QString();
    }
    // A program folder made of the installed files: the share folder's
    // contents, the probe as the executable and the progress module beside it.
    bool makePortable(const QString& portable) {
        return copyFolder(prefixed(u"share/tarmelka"_s), portable) &&
               QFile::copy(probe_, QDir(portable).filePath(u"tst_install_probe"_s)) &&
               QFile::copy(prefixed(u"libexec/tarmelka/tarmelka-progress.so"_s),
                           QDir(portable).filePath(u"tarmelka-progress.so"_s));
    }
    static std::optional<int> stored(const QString& folder, const QString& profile) {
        ResultsTable table(folder);
        if (!table.exists() || !table.open())
            return std::nullopt;
        return table.count(profile, kPracticeKind);
    }

  private slots:
    void initTestCase() {
        QVERIFY(prefix_.isValid() && scratch_.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(
            QStringLiteral(TARMELKA_CMAKE),
            {u"--install"_s, QStringLiteral(TARMELKA_BUILD_DIR), u"--prefix"_s, prefix_.path()});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        probe_ = prefixed(u"bin/tst_install_probe"_s);
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), probe_));
        installed_ = snapshot(prefix_.path());
    }

    void installedFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("iconSize"); // 0: not a PNG icon
        QTest::newRow("executable") << u"bin/tarmelka"_s << 0;
        QTest::newRow("progress module") << u"libexec/tarmelka/tarmelka-progress.so"_s << 0;
        QTest::newRow("question table") << u"share/tarmelka/otazky.DB"_s << 0;
        QTest::newRow("mark picture") << u"share/tarmelka/grafika/yes.jpg"_s << 0;
        QTest::newRow("junction picture") << u"share/tarmelka/grafika/krizovatky/k0721.jpg"_s << 0;
        QTest::newRow("handbook") << u"share/tarmelka/Help/index.htm"_s << 0;
        QTest::newRow("menu entry")
            << u"share/applications/example.tarmelka.Tarmelka.desktop"_s << 0;
        QTest::newRow("appstream")
            << u"share/metainfo/example.tarmelka.Tarmelka.metainfo.xml"_s << 0;
        QTest::newRow("scalable icon") << u"share/icons/hicolor/scalable/apps/tarmelka.svg"_s << 0;
        QTest::newRow("small icon") << u"share/icons/hicolor/48x48/apps/tarmelka.png"_s << 48;
        QTest::newRow("large icon") << u"share/icons/hicolor/256x256/apps/tarmelka.png"_s << 256;
        QTest::newRow("manual page") << u"share/man/man1/tarmelka.1.gz"_s << 0;
        QTest::newRow("copyright") << u"share/doc/tarmelka/copyright"_s << 0;
    }
    void installedFiles() {
        QFETCH(QString, file);
        QFETCH(int, iconSize);
        const QFileInfo info(prefixed(file));
        QVERIFY2(info.isFile() && info.size() > 0, qPrintable(file));
        if (iconSize) {
            const QImage icon(info.filePath());
            QCOMPARE(icon.size(), QSize(iconSize, iconSize));
            QVERIFY(icon.hasAlphaChannel());
            QCOMPARE(icon.pixelColor(0, 0).alpha(), 0); // the corners stay see-through
        }
    }

    // Each home gets its own settings and results; the prefix stays untouched.
    void installedProgramWritesIntoTheHome() {
        const QString homeA = folder(u"homeA"_s);
        const QString homeB = folder(u"homeB"_s);
        const QString work = folder(u"work"_s);
        QString errors;
        QCOMPARE(run(probe_, {u"--probe"_s, u"Alena"_s}, homeA, work, &errors), 0);
        QVERIFY2(errors.isEmpty() || !errors.contains(u"probe:"_s), qPrintable(errors));
        QCOMPARE(run(probe_, {u"--probe"_s, u"Alena"_s}, homeA, work, &errors), 0);
        QCOMPARE(run(probe_, {u"--probe"_s, u"Bohouš"_s}, homeB, work, &errors), 0);

        const QString dataA = QDir(homeA).filePath(kDataFolder);
        const QString dataB = QDir(homeB).filePath(kDataFolder);
        for (const QString& data : {dataA, dataB})
            QVERIFY2(QFile::exists(QDir(data).filePath(u"config.ini"_s)), qPrintable(data));
        QCOMPARE(stored(dataA, u"Alena"_s), std::optional<int>(2));
        QCOMPARE(stored(dataA, u"Bohouš"_s), std::optional<int>(0));
        QCOMPARE(stored(dataB, u"Bohouš"_s), std::optional<int>(1));
        QCOMPARE(stored(dataB, u"Alena"_s), std::optional<int>(0));
        QVERIFY(QDir(work).isEmpty()); // the working folder plays no part
        QCOMPARE(snapshot(prefix_.path()), installed_);
    }

    // The real executable starts in the installed layout: it makes the user's
    // data folder, writes nothing at start and keeps running.
    void installedExecutableStarts() {
        const QString home = folder(u"homeC"_s);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_s, home);
        env.remove(u"XDG_DATA_HOME"_s);
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=0"_s);
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(home);
        program.start(prefixed(u"bin/tarmelka"_s), {});
        QVERIFY(program.waitForStarted());
        const QString data = QDir(home).filePath(kDataFolder);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(data).isDir(), 10000);
        QVERIFY(!program.waitForFinished(1000)); // still running after the start-up
        QVERIFY(QDir(data).isEmpty());
        program.kill();
        program.waitForFinished();
        QCOMPARE(snapshot(prefix_.path()), installed_);
    }

    void layoutFollowsTheQuestionTable_data() {
        QTest::addColumn<bool>("table");    // otazky.DB beside the executable
        QTest::addColumn<bool>("readOnly"); // the program folder
        QTest::addColumn<bool>("share");    // ../share/tarmelka exists
        QTest::addColumn<bool>("portable");
        QTest::newRow("program folder") << true << false << false << true;
        QTest::newRow("read-only program folder") << true << true << false << true;
        QTest::newRow("table beside an installation") << true << false << true << true;
        QTest::newRow("installed") << false << true << true << false;
        QTest::newRow("portable folder lost its table") << false << false << false << true;
    }
    void layoutFollowsTheQuestionTable() {
        QFETCH(bool, table);
        QFETCH(bool, readOnly);
        QFETCH(bool, share);
        QFETCH(bool, portable);
        QTemporaryDir root;
        const QString bin = root.filePath(u"bin"_s), shared = root.filePath(u"share/tarmelka"_s);
        QVERIFY(QDir().mkpath(bin) && (!share || QDir().mkpath(shared)));
        if (table)
            QVERIFY(QFile::copy(prefixed(u"share/tarmelka/otazky.DB"_s),
                                QDir(bin).filePath(u"otazky.DB"_s)));
        if (readOnly)
            QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(AppPaths::isPortable(bin, shared), portable);
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A read-only copy of the program folder (a school share, a CD) starts and
    // shows its questions; the results it cannot store are refused in Czech.
    void readOnlyPortableFolderRuns() {
        const QString portable = folder(u"readonly"_s);
        const QString home = folder(u"homeE"_s);
        QVERIFY(makePortable(portable));
        QFile::setPermissions(portable, QFile::ReadOwner | QFile::ExeOwner);
        QString errors;
        const int code = run(QDir(portable).filePath(u"tst_install_probe"_s),
                             {u"--probe"_s, u"Dana"_s}, home, portable, &errors);
        QFile::setPermissions(portable, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(!errors.contains(u"share/tarmelka"_s), qPrintable(errors));
        QVERIFY(!QFileInfo::exists(QDir(home).filePath(kDataFolder)));
        if (QFileInfo(portable).isWritable()) // root writes anyway
            QCOMPARE(code, 0);
        else // started, browsed, and refused the save in a message box
            QVERIFY2(errors.contains(u"probe: a message box"_s), qPrintable(errors));
    }

    // A folder that holds the question table next to the executable is a
    // portable program folder: everything stays in it, nothing in the home.
    void portableFolderKeepsEverything() {
        const QString portable = folder(u"portable"_s);
        const QString home = folder(u"homeD"_s);
        QVERIFY(makePortable(portable));
        QString errors;
        QCOMPARE(run(QDir(portable).filePath(u"tst_install_probe"_s), {u"--probe"_s, u"Cyril"_s},
                     home, portable, &errors),
                 0);
        QVERIFY(QFile::exists(QDir(portable).filePath(u"config.ini"_s)));
        QCOMPARE(stored(portable, u"Cyril"_s), std::optional<int>(1));
        QVERIFY(!QFileInfo::exists(QDir(home).filePath(kDataFolder)));
    }
};

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--probe") == 0)
        return probe(argc, argv);
    QApplication app(argc, argv);
    InstallTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_install.moc"
