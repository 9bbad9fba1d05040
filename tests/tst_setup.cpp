// The settings dialog and the profile rules behind it.
#include "core/questions/bank.h"
#include "core/settings/configFile.h"
#include "core/settings/profiles.h"
#include "gui/settings/settingsDialog.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"
#include "testSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using profiles::AddOutcome;
using profiles::ProfileList;
using profiles::RemoveOutcome;

Q_DECLARE_METATYPE(AddOutcome)
Q_DECLARE_METATYPE(RemoveOutcome)

namespace {
QStringList numbered(int count) {
    QStringList names{u"Default"_s};
    for (int i = 1; names.size() < count; ++i)
        names << u"Žák %1"_s.arg(i, 2, 10, QChar(u'0'));
    return names;
}

Settings withProfiles(const QStringList& names, const QString& active) {
    Settings s;
    s.profileCount = int(names.size());
    for (int i = 0; i < names.size(); ++i)
        s.profiles[i] = names[i];
    s.activeProfile = active;
    s.takeSavedProfiles();
    return s;
}

// Answers the input box with text (or cancels it), then presses OK on the
// message box that may follow and records it.
void answerInputBox(const QString& text, bool accept, testing::ModalBox* box = nullptr) {
    testing::onNextModal([=](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        if (!input)
            return false;
        if (box)
            testing::onNextBox(*box, QMessageBox::Ok);
        input->setTextValue(text);
        accept ? input->accept() : input->reject();
        return true;
    });
}

template <typename T> T* child(QWidget* w, const char* name) {
    return testing::in<T>(w, name);
}
} // namespace

class SetupTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutes(); }

    void czechOrder_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("č after c") << QStringList{u"Čeněk"_s, u"Default"_s, u"Cyril"_s}
                                   << QStringList{u"Cyril"_s, u"Čeněk"_s, u"Default"_s};
        QTest::newRow("ch after h") << QStringList{u"Chrudoš"_s, u"Default"_s, u"Hana"_s, u"Ivo"_s}
                                    << QStringList{u"Default"_s, u"Hana"_s, u"Chrudoš"_s, u"Ivo"_s};
        QTest::newRow("ř after r, š after s")
            << QStringList{u"Šárka"_s, u"Řehoř"_s, u"Default"_s, u"Sára"_s, u"Radek"_s}
            << QStringList{u"Default"_s, u"Radek"_s, u"Řehoř"_s, u"Sára"_s, u"Šárka"_s};
        QTest::newRow("case ignored")
            << QStringList{u"bob"_s, u"Default"_s, u"Alena"_s, u"cyril"_s}
            << QStringList{u"Alena"_s, u"bob"_s, u"cyril"_s, u"Default"_s};
        QTest::newRow("Default added") << QStringList{u"Zdeněk"_s, u"Adam"_s}
                                       << QStringList{u"Adam"_s, u"Default"_s, u"Zdeněk"_s};
        QTest::newRow("full list keeps its names") << numbered(31).mid(1) << numbered(31).mid(1);
    }
    void czechOrder() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, sorted);
        QCOMPARE(ProfileList(names).names(), sorted);
    }

    void create_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("input");
        QTest::addColumn<AddOutcome>("outcome");
        QTest::addColumn<QString>("added");
        const QStringList base{u"Default"_s, u"Jana"_s};
        const QString thirty = u"Alexandra Nováková-Dvořáková 1"_s; // 30 characters
        QTest::newRow("empty") << base << u""_s << AddOutcome::Refused << u""_s;
        QTest::newRow("blank") << base << u"   "_s << AddOutcome::Refused << u""_s;
        QTest::newRow("default against Default")
            << base << u"default"_s << AddOutcome::Present << u""_s;
        QTest::newRow("case of diacritics")
            << QStringList{u"Default"_s, u"Šárka"_s} << u"ŠÁRKA"_s << AddOutcome::Present << u""_s;
        QTest::newRow("trimmed blanks")
            << base << u"  Petr Čech \t"_s << AddOutcome::Added << u"Petr Čech"_s;
        QTest::newRow("31 characters cut to 30")
            << base << thirty + u"X"_s << AddOutcome::Added << thirty;
        QTest::newRow("cut leaves no trailing blank")
            << base << u"Jan Novák z Horní Dolní Lhoty a Vsi"_s << AddOutcome::Added
            << u"Jan Novák z Horní Dolní Lhoty"_s;
        QTest::newRow("same as a listed name in 30 characters")
            << QStringList{u"Default"_s, thirty + u" a dál"_s} << thirty << AddOutcome::Present
            << u""_s;
        QTest::newRow("letters outside Windows-1250")
            << base << u"Иван"_s << AddOutcome::Refused << u""_s;
        QTest::newRow("Polish and Hungarian fit")
            << base << u"Łukasz Ő"_s << AddOutcome::Added << u"Łukasz Ő"_s;
        QTest::newRow("control character")
            << base << u"Jan\tNovák"_s << AddOutcome::Refused << u""_s;
        QTest::newRow("30 names plus a new one")
            << numbered(30) << u"Nový"_s << AddOutcome::Full << u""_s;
        QTest::newRow("30 names plus a listed one")
            << numbered(30) << u"žák 05"_s << AddOutcome::Present << u""_s;
        QTest::newRow("29 names plus a new one")
            << numbered(29) << u"Nový"_s << AddOutcome::Added << u"Nový"_s;
    }
    void create() {
        QFETCH(QStringList, list);
        QFETCH(QString, input);
        QFETCH(AddOutcome, outcome);
        QFETCH(QString, added);
        ProfileList profiles(list);
        const QStringList before = profiles.names();
        QString name;
        QCOMPARE(profiles.add(input, &name), outcome);
        if (outcome != AddOutcome::Added) {
            QCOMPARE(profiles.names(), before);
            return;
        }
        QCOMPARE(name, added);
        QCOMPARE(profiles.count(), before.size() + 1);
        QVERIFY(profiles.indexOf(added) >= 0);
        QVERIFY(
            std::is_sorted(profiles.names().begin(), profiles.names().end(), profiles::lessThan));
    }

    void remove_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<RemoveOutcome>("outcome");
        QTest::addColumn<QStringList>("left");
        const QStringList all{u"Default"_s, u"Jana"_s, u"Petr"_s};
        QTest::newRow("Default") << u"Default"_s << RemoveOutcome::BaseProfile << all;
        QTest::newRow("DEFAULT") << u"DEFAULT"_s << RemoveOutcome::BaseProfile << all;
        QTest::newRow("other case")
            << u"jana"_s << RemoveOutcome::Removed << QStringList{u"Default"_s, u"Petr"_s};
        QTest::newRow("surrounding blanks")
            << u" Petr "_s << RemoveOutcome::Removed << QStringList{u"Default"_s, u"Jana"_s};
        QTest::newRow("unknown") << u"Pavel"_s << RemoveOutcome::NotFound << all;
        QTest::newRow("empty") << u""_s << RemoveOutcome::NotFound << all;
    }
    void remove() {
        QFETCH(QString, name);
        QFETCH(RemoveOutcome, outcome);
        QFETCH(QStringList, left);
        ProfileList profiles({u"Petr"_s, u"Jana"_s, u"Default"_s});
        QCOMPARE(profiles.remove(name), outcome);
        QCOMPARE(profiles.names(), left);
    }

    void windowAndControls() {
        TNastaveni dialog(Settings{});
        QCOMPARE(dialog.windowTitle(), u"Nastavení programu Tarmelka 2003"_s);
        QCOMPARE(dialog.size(), QSize(566, 311));
        QCOMPARE(child<QGroupBox>(&dialog, "gbZK")->geometry(), QRect(8, 8, 305, 137));
        QCOMPARE(child<QGroupBox>(&dialog, "gbSkupina")->geometry(), QRect(320, 8, 241, 89));
        QCOMPARE(child<QGroupBox>(&dialog, "gbProtokol")->geometry(), QRect(8, 152, 553, 73));
        QCOMPARE(child<QGroupBox>(&dialog, "gbProfil")->geometry(), QRect(8, 232, 369, 65));
        QCOMPARE(child<QPushButton>(&dialog, "btnOK")->geometry(), QRect(400, 256, 75, 25));
        auto* storno = child<QPushButton>(&dialog, "btnStormo");
        QCOMPARE(storno->text(), u"Storno"_s);
        QCOMPARE(storno->geometry(), QRect(480, 256, 75, 25));
        for (int i = 0; i < bank::kCategoryCount; ++i) {
            auto* box = child<QCheckBox>(&dialog, kCategoryBoxes[i]);
            QCOMPARE(box->text(), bank::categoryTitles()[i]);
            QCOMPARE(box->pos(), QPoint(8, 16 + 16 * i));
            // The longest caption must fit the frame.
            QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->text()));
        }
        for (QRadioButton* rb : dialog.findChildren<QRadioButton*>())
            QVERIFY2(bank::isGroup(rb->objectName().mid(2)), qPrintable(rb->objectName()));
        for (auto* button : dialog.findChildren<QPushButton*>())
            QVERIFY(!button->isDefault() && !button->autoDefault());
    }

    void keyboardOrder() {
        TNastaveni dialog(Settings{});
        const QStringList expected{u"btnOK"_s,
                                   u"btnStormo"_s,
                                   u"cbPravidla"_s,
                                   u"cbOpravneni"_s,
                                   u"cbZakonDoprava"_s,
                                   u"cbZdravoveda"_s,
                                   u"cbPodminky"_s,
                                   u"cbZnacky"_s,
                                   u"cbKrizovatky"_s,
                                   u"rbA"_s,
                                   u"rbA1"_s,
                                   u"rbAM"_s,
                                   u"rbB"_s,
                                   u"rbB1"_s,
                                   u"rbT"_s,
                                   u"rbC"_s,
                                   u"rbD"_s,
                                   u"cbProcvicovani"_s,
                                   u"cbZkouseni"_s,
                                   u"cbTest"_s,
                                   u"comboProfil"_s,
                                   u"btnVytvoritU"_s,
                                   u"btnVymazatU"_s};
        QWidget* w = child<QWidget>(&dialog, "btnOK");
        for (const QString& name : expected) {
            QCOMPARE(w->objectName(), name);
            do
                w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty());
        }
    }

    void opensWithTheSettings() {
        Settings s = withProfiles({u"Default"_s, u"Petr"_s, u"Anna"_s}, u"Petr"_s);
        s.categories = {true, false, true, false, true, false, false};
        s.protocols = {false, true, false};
        s.group = u"C"_s;
        TNastaveni dialog(s);
        for (int i = 0; i < bank::kCategoryCount; ++i)
            QCOMPARE(child<QCheckBox>(&dialog, kCategoryBoxes[i])->isChecked(), s.categories[i]);
        QVERIFY(child<QCheckBox>(&dialog, "cbZkouseni")->isChecked());
        QVERIFY(!child<QCheckBox>(&dialog, "cbTest")->isChecked());
        QVERIFY(child<QRadioButton>(&dialog, "rbC")->isChecked());
        auto* combo = child<QComboBox>(&dialog, "comboProfil");
        QCOMPARE(combo->currentText(), u"Petr"_s);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), u"Anna"_s);
        QCOMPARE(dialog.currentProfileName(), u"Petr"_s);
        // Untouched, the dialog hands back what it was given.
        const Settings back = dialog.chosenSettings();
        QCOMPARE(back.categories, s.categories);
        QCOMPARE(back.group, u"C"_s);
        QCOMPARE(back.activeProfile, u"Petr"_s);
    }

    void unknownGroupStaysUnlessChosen() {
        Settings s;
        s.group = u"X"_s;
        TNastaveni dialog(s);
        for (QRadioButton* rb : dialog.findChildren<QRadioButton*>())
            QVERIFY(!rb->isChecked());
        QCOMPARE(dialog.chosenSettings().group, u"X"_s);
        child<QRadioButton>(&dialog, "rbAM")->click();
        QCOMPARE(dialog.chosenSettings().group, u"AM"_s);
    }

    void confirming() {
        Settings s = withProfiles({u"Default"_s, u"Petr"_s}, u"Petr"_s);
        TNastaveni dialog(s);
        for (QCheckBox* box : dialog.findChild<QGroupBox*>(u"gbZK"_s)->findChildren<QCheckBox*>())
            box->setChecked(false);
        answerInputBox(u"Adéla"_s, true);
        child<QPushButton>(&dialog, "btnVytvoritU")->click();
        QCOMPARE(dialog.currentProfileName(), u"Adéla"_s);
        const Settings back = dialog.chosenSettings();
        QVERIFY(!back.anyCategory()); // the main window greys both run commands on this
        QCOMPARE(back.profileCount, 3);
        QCOMPARE((QStringList{back.profiles[0], back.profiles[1], back.profiles[2]}),
                 (QStringList{u"Adéla"_s, u"Default"_s, u"Petr"_s}));
        QCOMPARE(back.activeProfile, u"Adéla"_s);
        // The saved list decides whose records survive; only a save changes it.
        QCOMPARE(back.savedProfileCount, 2);
    }

    void profileBoxText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("active");
        QTest::newRow("listed name in other case") << u"petr"_s << u"Petr"_s;
        QTest::newRow("unlisted name keeps the current one") << u"Karel"_s << u"Default"_s;
    }
    void profileBoxText() {
        QFETCH(QString, typed);
        QFETCH(QString, active);
        TNastaveni dialog(withProfiles({u"Default"_s, u"Petr"_s}, u"Default"_s));
        child<QComboBox>(&dialog, "comboProfil")->setEditText(typed);
        QCOMPARE(dialog.chosenSettings().activeProfile, active);
    }

    void removingTheActiveProfile() {
        TNastaveni dialog(withProfiles({u"Default"_s, u"Petr"_s}, u"Petr"_s));
        child<QPushButton>(&dialog, "btnVymazatU")->click();
        auto* combo = child<QComboBox>(&dialog, "comboProfil");
        QCOMPARE(combo->currentText(), u"Default"_s);
        QCOMPARE(combo->count(), 1);
        const Settings back = dialog.chosenSettings();
        QCOMPARE(back.activeProfile, u"Default"_s);
        QCOMPARE(back.profileCount, 1);
    }

    void messages_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("action"); // a name to create, or "-" to remove what is shown
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty name")
            << QStringList{} << u""_s << u"Tento profil nelze vytvořit!"_s << msg::kErrorCaption;
        QTest::newRow("name outside Windows-1250")
            << QStringList{} << u"Иван"_s << u"Tento profil nelze vytvořit!"_s
            << msg::kErrorCaption;
        QTest::newRow("full list")
            << numbered(30) << u"Nový"_s
            << u"Nový profil nemohl být vytvořen!\nLze vytvořit pouze 30 profilů."_s
            << msg::kErrorCaption;
        QTest::newRow("present") << QStringList{} << u"DEFAULT"_s
                                 << u"Tento profil je již vytvořen!"_s << msg::kInfoCaption;
        QTest::newRow("removing Default")
            << QStringList{} << u"-"_s << u"Nelze odstranit základní profil!"_s
            << msg::kErrorCaption;
    }
    void messages() {
        QFETCH(QStringList, list);
        QFETCH(QString, action);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        TNastaveni dialog(
            withProfiles(list.isEmpty() ? QStringList{u"Default"_s} : list, u"Default"_s));
        const int before = child<QComboBox>(&dialog, "comboProfil")->count();
        testing::ModalBox box;
        if (action == u"-"_s) {
            testing::onNextBox(box, QMessageBox::Ok);
            child<QPushButton>(&dialog, "btnVymazatU")->click();
        } else {
            answerInputBox(action, true, &box);
            child<QPushButton>(&dialog, "btnVytvoritU")->click();
        }
        QVERIFY(box.seen);
        QCOMPARE(box.text, text);
        QCOMPARE(box.caption, caption);
        QCOMPARE(child<QComboBox>(&dialog, "comboProfil")->count(), before);
    }

    void cancelledInputBoxChangesNothing() {
        TNastaveni dialog(Settings{});
        answerInputBox(u"Petr"_s, false);
        child<QPushButton>(&dialog, "btnVytvoritU")->click();
        QCOMPARE(child<QComboBox>(&dialog, "comboProfil")->count(), 1);
        QCOMPARE(dialog.currentProfileName(), u"Default"_s);
    }

    void cancelling_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Storno") << false;
        QTest::newRow("close box") << true;
    }
    void cancelling() {
        QFETCH(bool, closeBox);
        QWidget owner;
        const Settings s = withProfiles({u"Default"_s, u"Petr"_s}, u"Petr"_s);
        testing::onNextModal([=](QWidget* modal) {
            auto* dialog = qobject_cast<TNastaveni*>(modal);
            if (!dialog)
                return false;
            answerInputBox(u"Adéla"_s, true);
            child<QPushButton>(dialog, "btnVytvoritU")->click();
            child<QComboBox>(dialog, "comboProfil")->setEditText(u"Petr"_s);
            child<QPushButton>(dialog, "btnVymazatU")->click();
            child<QCheckBox>(dialog, "cbPravidla")->setChecked(false);
            closeBox ? (void)dialog->close() : child<QPushButton>(dialog, "btnStormo")->click();
            return true;
        });
        QVERIFY(!TNastaveni::edit(s, &owner).has_value());
    }

    void enterAndEscDoNotClose() {
        TNastaveni dialog(Settings{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QWidget* target : {static_cast<QWidget*>(child<QPushButton>(&dialog, "btnOK")),
                                static_cast<QWidget*>(child<QCheckBox>(&dialog, "cbZnacky"))}) {
            target->setFocus();
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                QTest::keyClick(target, key);
                QVERIFY(dialog.isVisible());
                QCOMPARE(static_cast<QDialog&>(dialog).result(), int(QDialog::Rejected));
            }
        }
    }

    void profileBoxEnterAndEscRestore() {
        TNastaveni dialog(withProfiles({u"Default"_s, u"Petr"_s}, u"Petr"_s));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* combo = child<QComboBox>(&dialog, "comboProfil");
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            combo->setFocus();
            combo->setEditText(u"Nikdo"_s);
            QTest::keyClick(combo, key);
            QVERIFY(dialog.isVisible());
            QCOMPARE(combo->currentText(), u"Petr"_s);
            QCOMPARE(combo->lineEdit()->selectedText(), u"Petr"_s);
        }
    }

    // A created profile must come back from config.ini exactly as the result
    // tables store it, or its records would be purged at close.
    void createdNameSurvivesSaveAndRestart_data() {
        QTest::addColumn<QString>("input");
        QTest::newRow("plain") << u"Jiří Čermák"_s;
        QTest::newRow("blanks around") << u"  Jiří Čermák  "_s;
        QTest::newRow("longer than the tables keep") << u"Marie Anna Karolína Nováková z Brna"_s;
        QTest::newRow("ini syntax inside") << u"[Profily] a=b"_s;
    }
    void createdNameSurvivesSaveAndRestart() {
        QFETCH(QString, input);
        QTemporaryDir dir;
        const QString ini = dir.filePath(u"config.ini"_s);
        Settings s;
        s.takeSavedProfiles();
        std::optional<Settings> changed;
        {
            QWidget owner;
            testing::onNextModal([&](QWidget* modal) {
                auto* dialog = qobject_cast<TNastaveni*>(modal);
                if (!dialog)
                    return false;
                answerInputBox(input, true);
                child<QPushButton>(dialog, "btnVytvoritU")->click();
                child<QPushButton>(dialog, "btnOK")->click();
                return true;
            });
            changed = TNastaveni::edit(s, &owner);
        }
        QVERIFY(changed.has_value());
        const QString stored = changed->activeProfile.left(profiles::kMaxNameLength);
        QCOMPARE(changed->activeProfile, stored);
        QString error;
        QVERIFY2(config::save(ini, *changed, ViewChoices{}, &error), qPrintable(error));
        const config::Loaded loaded = config::load(ini);
        QCOMPARE(loaded.settings.activeProfile, stored);
        QStringList saved;
        for (int i = 0; i < loaded.settings.savedProfileCount; ++i)
            saved << loaded.settings.savedProfiles[i];
        QVERIFY2(saved.contains(stored), qPrintable(saved.join(u'|')));
    }
};

QTEST_MAIN(SetupTest)
#include "tst_setup.moc"
