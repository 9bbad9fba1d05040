// The main window: idle state, menus, modes, saving the settings and closing.
#include "core/records/protocolRecord.h"
#include "core/records/resultRecord.h"
#include "gui/app/mainWindow.h"
#include "gui/study/helpPanel.h"
#include "gui/study/questionArea.h"
#include "gui/ui/fonts.h"
#include "testSupport.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using testing::ModalBox;

namespace {
QString fixtureBank() {
    using testing::record;
    return u"# 1-757\n"_s +
           record(1, u"První otázka?"_s, {u"Ano."_s, u"Ne."_s, u"Možná."_s}, u"A"_s) +
           record(3, u"Třetí otázka?"_s, {u"Ano."_s, u"Ne."_s}, u"B"_s);
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    AppPaths paths_;
    std::unique_ptr<THlavniFormular> w_;

    template <typename T = QWidget> T* child(const char* name) {
        return testing::in<T>(w_.get(), name);
    }
    QAction* action(const char* name) { return child<QAction>(name); }
    QLabel* label(const char* name) { return child<QLabel>(name); }
    QMenuBar* attachedMenu() { return qobject_cast<QMenuBar*>(w_->layout()->menuBar()); }

    void writeConfig(const QByteArray& text) {
        QFile f(paths_.configFile());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    void start() {
        w_ = std::make_unique<THlavniFormular>(paths_);
        QVERIFY(w_->FormCreate());
        w_->show();
    }

  private slots:
    void initTestCase() {
        installFontSubstitutes();
        paths_ = {dir_.path(), dir_.path()};
        QVERIFY(testing::makeBank(dir_.path(), fixtureBank()));
        testing::copyPictures(dir_.path());
    }
    void init() {
        QFile::remove(paths_.configFile());
        start();
    }
    void cleanup() {
        w_->hide();
        w_.reset();
    }

    void idleWindowWithoutConfig() {
        QCOMPARE(w_->windowTitle(), u"Tarmelka 2003"_s);
        QCOMPARE(child<QWidget>("client")->size(), QSize(632, 386));
        QCOMPARE(attachedMenu(), child<QMenuBar>("Menu1"));
        QVERIFY(child<QMenuBar>("Menu1")->isVisible());
        QVERIFY(!child<QMenuBar>("Menu2")->isVisible());
        QCOMPARE(label("imgPozadi")->geometry(), QRect(85, 70, 453, 227));
        QVERIFY(label("imgPozadi")->isVisible());
        QVERIFY(!label("imgPozadi")->pixmap().isNull());
        QVERIFY(child<QStatusBar>("StavovyRadek1")->isVisible());
        QCOMPARE(child<QStatusBar>("StavovyRadek1")->geometry(), QRect(0, 366, 632, 20));
        QCOMPARE(w_->statusPanel(1)->text(), u"Default"_s);
        QCOMPARE(w_->statusPanel(2)->text(), u"Skupina: B"_s);
        QCOMPARE(w_->statusPanel(0)->width(), 340);
        QCOMPARE(action("M1Skupina")->text(), u"Zvolená skupina: B"_s);
        QVERIFY(action("M1PostupnyVyber")->isChecked() && !action("M1NahodnyVyber")->isChecked());
        QVERIFY(action("M1StavovyRadek")->isChecked());
        QVERIFY(action("M1Procvicovat")->isEnabled() && action("M1Zkouset")->isEnabled());
        QVERIFY(!w_->questionArea()->isVisible() && !w_->helpPanel()->isVisible());
        QCOMPARE(w_->palette().color(QPalette::Window), QColor(224, 223, 227));
        QCOMPARE(w_->currentMode(), Mode::Idle);
        QVERIFY(!QFile::exists(paths_.configFile())); // nothing is written at start
    }

    void menuCaptionsAndHints_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        const QStringList rows{
            u"Program1|&Program|Program..."_s,
            u"M1Ukoncit|&Ukončit|Ukončí program Tarmelka 2003"_s,
            u"Konfigurace1|&Konfigurace|Konfigurace..."_s,
            u"M1Skupina|Zvolená skupina: B|Zobrazuje zvolenou skupinu řidičského oprávnění"_s,
            u"M1Nastaveni|&Nastavení...|Spustí okno nastavení programu"_s,
            u"M1StavovyRadek|&Zobrazit stavový řádek|Zobrazí/skryje stavový řádek"_s,
            u"M1PostupnyVyber|Pos&tupný výběr otázek|Nastaví postupný výběr otázek podle čísla otázky"_s,
            u"M1NahodnyVyber|Ná&hodný výběr otázek|Nastaví náhodný výběr otázek"_s,
            u"M1UlozitNastaveni|&Uložit nastavení|Uloží nastavení programu"_s,
            u"Start1|&Start|Start..."_s,
            u"M1Prohlizet|&Prohlížet otázky|Spustí režim prohlížení všech 757 otázek (mimo vyřazených)"_s,
            u"M1Procvicovat|Pro&cvičovat otázky|Spustí režim procvičování otázek"_s,
            u"M1Zkouset|&Zkoušet otázky|Spustí režim zkoušení otázek"_s,
            u"M1Test|&Test na body|Vytvoří test z předpisů o provozu na pozemních komunikacích"_s,
            u"Vysledky1|&Výsledky|Výsledky..."_s,
            u"M1Protokol|Výsledk&y z|Zobrazí výsledky z..."_s,
            u"smProc|P&rocvičování|Zobrazí výsledky z procvičování otázek"_s,
            u"smZkou|&Zkoušení|Zobrazí výsledky ze zkoušení otázek"_s,
            u"M1VysledekTestu|Výsledky &testu na body|Zobrazí výsledky testů z pravidel silničního provozu"_s,
            u"Informace1|&Informace|Informace..."_s,
            u"M1OProgramu|Informace o p&rogramu|Zobrazí základní informace o programu"_s,
            u"M1Napoveda|&Nápověda|Spustí nápovědu programu Tarmelka 2003"_s,
            u"M2KonecRezimu|  &Konec režimu  |"_s,
            u"M2OznacSpravne|  Označ správnou odpověď  |"_s,
            u"M2oProgramu|  &O programu  |"_s,
        };
        for (const QString& row : rows) {
            const QStringList f = row.split(u'|');
            QTest::newRow(qPrintable(f[0])) << f[0] << f[1] << f[2];
        }
    }
    void menuCaptionsAndHints() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QAction* a = w_->findChild<QAction*>(name);
        QVERIFY2(a, qPrintable(name));
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->statusTip(), hint);
    }

    void hintsReachStatusPanelZero() {
        QStatusTipEvent tip(u"Uloží nastavení programu"_s);
        QApplication::sendEvent(w_.get(), &tip);
        QCOMPARE(w_->statusPanel(0)->text(), u"Uloží nastavení programu"_s);
        QStatusTipEvent cleared{QString()};
        QApplication::sendEvent(w_.get(), &cleared);
        QCOMPARE(w_->statusPanel(0)->text(), u"     Tarmelka 2003"_s);
        QCOMPARE(label("imgPozadi")->statusTip(), u"     Tarmelka 2003"_s);
        action("M1Ukoncit")->showStatusText(child<QMenuBar>("Menu1")); // as a highlighted item does
        QCOMPARE(w_->statusPanel(0)->text(), u"Ukončí program Tarmelka 2003"_s);
    }

    void statusPanelsAndMenuMarks() {
        QList<int> lefts;
        for (int i = 0; i < 4; ++i)
            lefts << w_->statusPanel(i)->x();
        QCOMPARE(lefts, (QList<int>{0, 340, 415, 490}));
        for (const char* mode : {"M1Prohlizet", "M1Procvicovat", "M1Zkouset"})
            QVERIFY(!action(mode)->isCheckable()); // no empty box beside a command
        // An open menu with nothing highlighted shows its title's hint.
        auto* start = child<QMenu>("Start1");
        start->popup(w_->mapToGlobal(QPoint(60, 0)));
        QTRY_VERIFY(start->isVisible());
        QStatusTipEvent cleared{QString()};
        QApplication::sendEvent(w_.get(), &cleared);
        QCOMPARE(w_->statusPanel(0)->text(), u"Start..."_s);
        start->close();
    }

    void missingMarkPicturesAreDrawn() {
        w_.reset();
        QTemporaryDir other;
        QVERIFY(testing::makeBank(other.path(), fixtureBank()));
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        THlavniFormular window(AppPaths{other.path(), other.path()}); // no pictures at all
        QVERIFY(window.FormCreate());
        QVERIFY(box.text.contains(u"grafika\\yes.jpg"_s));
        for (const char* legend : {"imgInfoYes", "imgInfoNo", "imgInfoNic"}) {
            const QImage mark = testing::in<QLabel>(&window, legend)->pixmap().toImage();
            QCOMPARE(mark.size(), QSize(18, 18));
            QVERIFY(mark.pixelColor(9, 9).alpha() > 0 || mark.pixelColor(9, 4).alpha() > 0 ||
                    mark.pixelColor(7, 13).alpha() > 0);
        }
        start();
    }

    void statusBarAndOrderCommands() {
        action("M1StavovyRadek")->trigger();
        QVERIFY(!child<QStatusBar>("StavovyRadek1")->isVisible());
        QVERIFY(!action("M1StavovyRadek")->isChecked());
        action("M1StavovyRadek")->trigger();
        QVERIFY(child<QStatusBar>("StavovyRadek1")->isVisible());
        action("M1NahodnyVyber")->trigger();
        QVERIFY(action("M1NahodnyVyber")->isChecked() && !action("M1PostupnyVyber")->isChecked());
        action("M1NahodnyVyber")->trigger(); // choosing it again keeps it chosen
        QVERIFY(action("M1NahodnyVyber")->isChecked() && !action("M1PostupnyVyber")->isChecked());
        action("M1PostupnyVyber")->trigger();
        QVERIFY(action("M1PostupnyVyber")->isChecked() && !action("M1NahodnyVyber")->isChecked());
    }

    void configIsAppliedAtStart() {
        w_.reset();
        writeConfig("[Kategorie otazek]\r\nPravidla provozu=0\r\nRidicke opravneni=0\r\nSilnicni "
                    "zakon=0\r\n"
                    "Zdravoveda=0\r\nPodminky "
                    "provozu=0\r\nZnacky=0\r\nKrizovatky=0\r\n[Skupina]\r\nSkupina=C\r\n"
                    "[Konfigurace]\r\nStavovy radek=0\r\nPostupny vyber otazek=0\r\n"
                    "[Profily]\r\nPocet=1\r\n1=Jana\r\nAktivni=Jana\r\n");
        start();
        QVERIFY(!action("M1Procvicovat")->isEnabled() && !action("M1Zkouset")->isEnabled());
        QVERIFY(!action("M1Nejslabsi")->isEnabled());
        QVERIFY(action("M1Prohlizet")->isEnabled() && action("M1Test")->isEnabled());
        QVERIFY(!child<QStatusBar>("StavovyRadek1")->isVisible());
        QVERIFY(!action("M1StavovyRadek")->isChecked());
        QVERIFY(action("M1NahodnyVyber")->isChecked());
        QCOMPARE(w_->statusPanel(1)->text(), u"Jana"_s);
        QCOMPARE(w_->statusPanel(2)->text(), u"Skupina: C"_s);
        QCOMPARE(action("M1Skupina")->text(), u"Zvolená skupina: C"_s);
    }

    void invalidGroupIsReportedAndReplaced() {
        w_.reset();
        writeConfig("[Skupina]\r\nSkupina=X\r\n");
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        start();
        QVERIFY(box.seen);
        QCOMPARE(box.caption, u"Chybové hlášení programu Tarmelka 2003"_s);
        QVERIFY(box.text.contains(u"\"X\""_s));
        QCOMPARE(w_->settings().group, u"B"_s);
    }

    void profileNameWithMarkupShowsLiterally() {
        writeConfig("[Skupina]\nSkupina=B\n[Profily]\nPocet=1\n1=<b>x</b>\nAktivni=<b>x</b>\n");
        start();
        w_->SetMode(Mode::Browsing, true);
        for (QLabel* l : {w_->statusPanel(1), label("lbUzivatel")}) {
            QVERIFY(l->text().endsWith(u"<b>x</b>"_s));
            QCOMPARE(l->textFormat(), Qt::PlainText);
        }
    }

    // The points test reads the question table itself; whatever it answers,
    // the main window has its own view back afterwards.
    void pointsTestFromTheMenuGivesTheTableBack() {
        ModalBox box; // two questions cannot fill a test
        testing::onNextBox(box, QMessageBox::Ok);
        action("M1Test")->trigger();
        QVERIFY(box.seen);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY2(box.text.contains(u"B"_s), qPrintable(box.text));
        QVERIFY(w_->table().isOpen());
        w_->SetMode(Mode::Browsing, true);
        QCOMPARE(w_->questionArea()->shown().number, 1);
    }

    void saveWritesTheDefaults() {
        action("M1UlozitNastaveni")->trigger();
        QFile f(paths_.configFile());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY(text.startsWith("[Kategorie otazek]\r\nPravidla provozu=1\r\n"));
        QVERIFY(text.endsWith("[Profily]\r\nPocet=1\r\n1=Default\r\nAktivni=Default\r\n\r\n"));
    }

    void failedSaveKeepsTheSavedProfiles() {
        QVERIFY(QDir().mkpath(paths_.configFile())); // a folder where the file should be
        w_->settings().profiles[0] = u"Nový"_s;
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        action("M1UlozitNastaveni")->trigger();
        QVERIFY(box.seen);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(w_->settings().savedProfiles[0], u"Default"_s);
        QDir().rmdir(paths_.configFile());
    }

    void helpPanelLayoutPerMode_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("browsing") << int(Mode::Browsing);
        QTest::newRow("practice") << int(Mode::Practice);
        QTest::newRow("examination") << int(Mode::Examination);
    }
    void helpPanelLayoutPerMode() {
        QFETCH(int, mode);
        const Mode m = Mode(mode);
        // a preset run needs no start dialog
        w_->run().presetFromStored({1, 3}, u"B"_s, u"1234567"_s, w_->settings());
        w_->SetMode(m, true);
        QCOMPARE(w_->currentMode(), m);
        QCOMPARE(attachedMenu(), child<QMenuBar>("Menu2"));
        QVERIFY(!child<QStatusBar>("StavovyRadek1")->isVisible());
        QCOMPARE(w_->helpPanel()->geometry(), QRect(0, 316, 632, 70));
        QCOMPARE(w_->questionArea()->geometry(), QRect(0, 0, 632, 316));
        for (const char* instruction : {"lbJakNaTo", "lbKonecRezimu", "lbNapoveda"})
            QVERIFY2(!child<QFrame>("Cara2")->isVisible() ||
                         label(instruction)->geometry().right() < 514,
                     instruction); // the instructions stay left of the line
        const bool browsing = m == Mode::Browsing;
        QCOMPARE(label("lbNe")->isEnabled(), !browsing);
        QCOMPARE(label("lbNic")->isEnabled(), !browsing);
        QCOMPARE(child<QFrame>("Cara1")->isVisible(), !browsing);
        QCOMPARE(child<QFrame>("Cara2")->geometry(), QRect(514, 5, 2, 60));
        for (const char* counter : {"lbCelkemOtazek", "lbZbyvaOtazek", "lbUspesnost"})
            QCOMPARE(label(counter)->isVisible(), !browsing);
        QCOMPARE(action("M2OznacSpravne")->isVisible(), m == Mode::Practice);
        QCOMPARE(child<QWidget>("pProhlizeni")->isVisible(), browsing);
        QCOMPARE(child<QWidget>("stPoznamka")->isVisible(), browsing);
        QLabel* end = label("lbKonecRezimu");
        QLabel* user = label("lbUzivatel");
        if (browsing) {
            QCOMPARE(end->pos(), QPoint(284, 17));
            QCOMPARE(end->text(), u"Pro ukončení režimu prohlížení stiskněte \"Konec režimu\""_s);
            QCOMPARE(user->y(), 40);
            QCOMPARE(user->x(), end->x() + (end->width() - user->width()) / 2);
            QVERIFY(!label("lbJakNaTo")->isVisible() && !label("lbSkupina")->isVisible());
            QVERIFY(!label("lbNapoveda")->isVisible());
        } else if (m == Mode::Practice) {
            QCOMPARE(end->pos(), QPoint(212, 19));
            QCOMPARE(end->text(), u"Pro ukončení režimu procvičování stiskněte \"Konec režimu\""_s);
            QCOMPARE(user->pos(), QPoint(212, 52));
            QCOMPARE(label("lbJakNaTo")->y(), 4);
            QVERIFY(label("lbNapoveda")->isVisible());
            QCOMPARE(label("lbNapoveda")->y(), 35);
            QCOMPARE(label("lbSkupina")->y(), 52);
        } else {
            QCOMPARE(end->pos(), QPoint(212, 28));
            QCOMPARE(end->text(), u"Pro ukončení režimu zkoušení stiskněte \"Konec režimu\""_s);
            QCOMPARE(user->pos(), QPoint(212, 48));
            QCOMPARE(label("lbJakNaTo")->y(), 8);
            QVERIFY(!label("lbNapoveda")->isVisible());
            QCOMPARE(label("lbSkupina")->y(), 48);
        }
        QCOMPARE(user->text(), u"Aktivní profil uživatele: Default"_s);
        if (!browsing)
            QCOMPARE(label("lbSkupina")->text(), u"Skupina: B"_s);

        ModalBox box;
        if (!browsing)
            testing::onNextBox(box, QMessageBox::Yes);
        action("M2KonecRezimu")->trigger();
        QCOMPARE(box.seen, !browsing);
        QCOMPARE(w_->currentMode(), Mode::Idle);
        QCOMPARE(attachedMenu(), child<QMenuBar>("Menu1"));
        QVERIFY(child<QStatusBar>("StavovyRadek1")->isVisible());
        QVERIFY(!w_->questionArea()->isVisible());
        QVERIFY(w_->run().state().order.isEmpty() || browsing);
    }

    void endingAPracticeAsksFirst() {
        w_->settings().group = u"C"_s;
        w_->run().presetFromStored({1, 3}, u"D"_s, u"1"_s, w_->settings());
        const RunState& run = w_->run().state();
        action("M1StavovyRadek")->trigger(); // switched off: must stay hidden afterwards
        w_->SetMode(Mode::Practice, true);
        ModalBox box;
        testing::onNextBox(box, QMessageBox::No);
        action("M2KonecRezimu")->trigger();
        QCOMPARE(box.text, u"Opravdu chcete skončit, i když úlohy nejsou dokončeny?"_s);
        QCOMPARE(box.caption, u"Otázka programu Tarmelka 2003"_s);
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(w_->currentMode(), Mode::Practice);
        testing::onNextBox(box, QMessageBox::Yes);
        action("M2KonecRezimu")->trigger();
        QCOMPARE(w_->currentMode(), Mode::Idle);
        QCOMPARE(w_->settings().group, u"C"_s);
        QVERIFY(!run.fromStoredResult);
        QVERIFY(run.order.isEmpty() && run.wrongNumbers.isEmpty() && run.hintNumbers.isEmpty());
        QVERIFY(!child<QStatusBar>("StavovyRadek1")->isVisible());
    }

    void closingAsksOnlyWhileAModeRuns() {
        w_->SetMode(Mode::Browsing, true);
        ModalBox box;
        testing::onNextBox(box, QMessageBox::No);
        QVERIFY(!w_->close());
        QCOMPARE(box.text,
                 u"Opravdu chcete vypnout program, i když spuštěný režim je stále aktivní?"_s);
        QVERIFY(w_->isVisible());
        testing::onNextBox(box, QMessageBox::Yes);
        QVERIFY(w_->close());
    }

    // Whatever state config.ini is in, closing deletes only the records of a
    // profile the learner removed from a trusted list and saved.
    void closingKeepsEveryHistoryItWasNotToldToDrop_data() {
        QTest::addColumn<QByteArray>("config"); // "-" for no file
        QTest::addColumn<QString>("removeAndSave");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QStringList>("survivors");
        const QStringList all{u"Default"_s, u"Eva"_s, u"Jan"_s};
        const QByteArray list = "[Skupina]\nSkupina=B\n[Profily]\nPocet=3\n1=Default\n2=Eva\n"
                                "3=Jan\nAktivni=Default\n";
        QTest::newRow("no config.ini") << QByteArray("-") << QString() << false << all;
        QTest::newRow("empty name")
            << QByteArray("[Skupina]\nSkupina=B\n[Profily]\nPocet=1\n1=\nAktivni=\n") << QString()
            << false << all;
        QTest::newRow("count zero")
            << QByteArray("[Skupina]\nSkupina=B\n[Profily]\nPocet=0\n1=Default\n") << QString()
            << false << all;
        QTest::newRow("count below the names")
            << QByteArray("[Skupina]\nSkupina=B\n[Profily]\nPocet=1\n1=Default\n2=Eva\n3=Jan\n")
            << QString() << false << all;
        QTest::newRow("active profile not listed")
            << QByteArray("[Skupina]\nSkupina=B\n[Profily]\nPocet=2\n1=Default\n2=Eva\n"
                          "Aktivni=Jan\n")
            << QString() << false << all;
        QTest::newRow("junk, then saved") << QByteArray("\x7f\x01junk\0") << u"-"_s << false << all;
        QTest::newRow("removed, not saved") << list << QString() << false << all;
        QTest::newRow("removed and saved")
            << list << u"Jan"_s << false << QStringList{u"Default"_s, u"Eva"_s};
        QTest::newRow("read-only, removed") << list << u"Jan"_s << true << all;
    }
    void closingKeepsEveryHistoryItWasNotToldToDrop() {
        QFETCH(QByteArray, config);
        QFETCH(QString, removeAndSave);
        QFETCH(bool, readOnly);
        QFETCH(QStringList, survivors);
        if (readOnly && geteuid() == 0)
            QSKIP("root can write a read-only file");
        w_.reset();
        const QStringList profiles{u"Default"_s, u"Eva"_s, u"Jan"_s};
        for (const TableSchema* schema : {&schemas::results(), &schemas::protocols()}) {
            TableStore store(*schema, dir_.path());
            QVERIFY(store.open(TableStore::Mode::CreateIfMissing));
            for (const QString& name : profiles)
                QVERIFY(store.insert({testing::rowFor(*schema, name)}));
        }
        if (config != "-")
            writeConfig(config);
        if (readOnly)
            QFile::setPermissions(paths_.configFile(), QFile::ReadOwner);
        ModalBox box; // a damaged or read-only file is reported at start
        QTimer* watch = testing::onNextBox(box, QMessageBox::Ok);
        start();
        QCOMPARE(box.seen, config != "-" && (readOnly || config.startsWith('\x7f')));
        if (!box.seen)
            delete watch;
        if (!removeAndSave.isEmpty()) {
            Settings& s = w_->settings();
            QStringList kept = s.profileNames();
            kept.removeAll(removeAndSave);
            s.profiles = {};
            s.profileCount = int(kept.size());
            for (int i = 0; i < kept.size(); ++i)
                s.profiles[i] = kept[i];
            if (readOnly)
                testing::onNextBox(box, QMessageBox::Ok); // the save fails, and says so
            action("M1UlozitNastaveni")->trigger();
        }
        // A record of this session, under the active profile, listed or not.
        ResultRecord record;
        record.kind = kPracticeKind;
        record.profile = w_->settings().activeProfile;
        QVERIFY(WriteResultRecord(dir_.path(), record, nullptr));
        QVERIFY(w_->close());
        for (const TableSchema* schema : {&schemas::results(), &schemas::protocols()}) {
            TableStore store(*schema, dir_.path());
            QVERIFY(store.open(TableStore::Mode::ReadOnly));
            const auto rows = store.select();
            QVERIFY(rows);
            QStringList left;
            for (const Row& row : *rows)
                left << row[schema == &schemas::results() ? 1 : 0].toString();
            left.removeDuplicates();
            left.sort();
            QCOMPARE(left, survivors);
        }
        QFile::setPermissions(paths_.configFile(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(dir_.filePath(u"Vysledky.DB"_s));
        QFile::remove(dir_.filePath(u"Protokoly.DB"_s));
    }

    void startUpFailures_data() {
        QTest::addColumn<bool>("damagedTable");
        QTest::newRow("damaged question table") << true;
        QTest::newRow("missing mark picture") << false;
    }
    void startUpFailures() {
        QFETCH(bool, damagedTable);
        QTemporaryDir other;
        const AppPaths paths{other.path(), other.path()};
        if (damagedTable) {
            QFile f(other.filePath(u"otazky.DB"_s));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(2048, '\x7f'));
        } else {
            QVERIFY(testing::makeBank(other.path(), fixtureBank()));
            testing::copyPictures(other.path());
            QFile::remove(other.filePath(u"grafika/no.jpg"_s));
        }
        ModalBox box;
        testing::onNextBox(box, QMessageBox::Ok);
        THlavniFormular window(paths);
        QCOMPARE(window.FormCreate(), !damagedTable);
        QVERIFY(box.seen);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY(box.text.contains(damagedTable ? u"otazky.DB"_s : u"grafika\\no.jpg"_s));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
