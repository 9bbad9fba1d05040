// The main window's two menu bars: Menu1 while idle, Menu2 while a mode runs.
#include "core/settings/settings.h"
#include "gui/app/mainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption, const QString& hint) {
    auto* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);
    return action;
}

// A menu named for its title item, which carries the hint. Works for a menu
// bar's menus and for submenus alike.
template <typename Owner>
QMenu* namedMenu(Owner* owner, const char* name, const QString& caption, const QString& hint) {
    QMenu* menu = owner->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setStatusTip(hint);
    return menu;
}

void separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QAction* command(QMenuBar* bar, const char* name, const QString& caption) {
    auto* action = bar->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

void THlavniFormular::buildMenus() {
    menu1_ = new QMenuBar(this);
    menu1_->setObjectName(u"Menu1"_s);
    QMenu* program = namedMenu(menu1_, "Program1", u"&Program"_s, u"Program..."_s);
    M1Ukoncit_ = item(program, "M1Ukoncit", u"&Ukončit"_s, u"Ukončí program Tarmelka 2003"_s);

    QMenu* config = namedMenu(menu1_, "Konfigurace1", u"&Konfigurace"_s, u"Konfigurace..."_s);
    M1Skupina_ = item(config, "M1Skupina", u"Zvolená skupina: B"_s,
                      u"Zobrazuje zvolenou skupinu řidičského oprávnění"_s);
    separator(config, "N3");
    M1Nastaveni_ =
        item(config, "M1Nastaveni", u"&Nastavení..."_s, u"Spustí okno nastavení programu"_s);
    M1StavovyRadek_ = item(config, "M1StavovyRadek", u"&Zobrazit stavový řádek"_s,
                           u"Zobrazí/skryje stavový řádek"_s);
    separator(config, "N2");
    M1PostupnyVyber_ = item(config, "M1PostupnyVyber", u"Pos&tupný výběr otázek"_s,
                            u"Nastaví postupný výběr otázek podle čísla otázky"_s);
    M1NahodnyVyber_ = item(config, "M1NahodnyVyber", u"Ná&hodný výběr otázek"_s,
                           u"Nastaví náhodný výběr otázek"_s);
    separator(config, "N8");
    QMenu* scale = M1Zvetseni_ =
        namedMenu(config, "M1Zvetseni", u"Z&většení"_s,
                  u"Zvětší celé okno programu; projeví se při příštím spuštění"_s);
    auto* scales = new QActionGroup(this);
    for (int percent : kScales) {
        QAction* a = item(scale, qPrintable(u"M1Zvetseni%1"_s.arg(percent)), u"%1 %"_s.arg(percent),
                          u"Při příštím spuštění zobrazí program ve velikosti %1 %"_s.arg(percent));
        a->setCheckable(true);
        a->setData(percent);
        scales->addAction(a);
    }
    connect(scales, &QActionGroup::triggered, this,
            [this](QAction* a) { M1ZvetseniClick(a->data().toInt()); });
    M1CteniNahlas_ = item(config, "M1CteniNahlas", u"Číst otázky n&ahlas"_s,
                          u"Přečte otázku a odpovědi nahlas, jakmile se zobrazí (klávesa R je "
                          u"přečte znovu)"_s);
    M1CteniNahlas_->setCheckable(true);
    connect(M1CteniNahlas_, &QAction::triggered, this, &THlavniFormular::M1CteniNahlasClick);
    M1ServerSkoly_ = item(config, "M1ServerSkoly", u"Server š&koly..."_s,
                          u"Nastaví server autoškoly, na který se ukládají výsledky žáků"_s);
    connect(M1ServerSkoly_, &QAction::triggered, this, &THlavniFormular::M1ServerSkolyClick);
    separator(config, "N4");
    M1UlozitNastaveni_ =
        item(config, "M1UlozitNastaveni", u"&Uložit nastavení"_s, u"Uloží nastavení programu"_s);

    QMenu* start = namedMenu(menu1_, "Start1", u"&Start"_s, u"Start..."_s);
    M1Prohlizet_ = item(start, "M1Prohlizet", u"&Prohlížet otázky"_s,
                        u"Spustí režim prohlížení všech 757 otázek (mimo vyřazených)"_s);
    separator(start, "N5");
    M1Procvicovat_ = item(start, "M1Procvicovat", u"Pro&cvičovat otázky"_s,
                          u"Spustí režim procvičování otázek"_s);
    M1Zkouset_ = item(start, "M1Zkouset", u"&Zkoušet otázky"_s, u"Spustí režim zkoušení otázek"_s);
    M1Nejslabsi_ = item(start, "M1Nejslabsi", u"Procvičovat &nejslabší otázky"_s,
                        u"Spustí procvičování otázek, které nejvíc potřebujete zopakovat"_s);
    separator(start, "N6");
    M1Test_ = item(start, "M1Test", u"&Test na body"_s,
                   u"Vytvoří test z předpisů o provozu na pozemních komunikacích"_s);

    QMenu* results = namedMenu(menu1_, "Vysledky1", u"&Výsledky"_s, u"Výsledky..."_s);
    QMenu* protocol =
        namedMenu(results, "M1Protokol", u"Výsledk&y z"_s, u"Zobrazí výsledky z..."_s);
    smProc_ =
        item(protocol, "smProc", u"P&rocvičování"_s, u"Zobrazí výsledky z procvičování otázek"_s);
    smZkou_ = item(protocol, "smZkou", u"&Zkoušení"_s, u"Zobrazí výsledky ze zkoušení otázek"_s);
    separator(results, "N1");
    M1VysledekTestu_ = item(results, "M1VysledekTestu", u"Výsledky &testu na body"_s,
                            u"Zobrazí výsledky testů z pravidel silničního provozu"_s);
    M1Pokrok_ = item(results, "M1Pokrok", u"Přehled &pokroku"_s,
                     u"Zobrazí vývoj úspěšnosti, stav okruhů a odhad úspěchu v testu na body"_s);
    M1PrehledTridy_ = item(results, "M1PrehledTridy", u"Přehle&d třídy..."_s,
                           u"Zobrazí výsledky všech žáků autoškoly uložené na serveru školy"_s);
    connect(M1PrehledTridy_, &QAction::triggered, this, &THlavniFormular::M1PrehledTridyClick);

    QMenu* info = namedMenu(menu1_, "Informace1", u"&Informace"_s, u"Informace..."_s);
    M1OProgramu_ = item(info, "M1OProgramu", u"Informace o p&rogramu"_s,
                        u"Zobrazí základní informace o programu"_s);
    separator(info, "N7");
    M1Napoveda_ =
        item(info, "M1Napoveda", u"&Nápověda"_s, u"Spustí nápovědu programu Tarmelka 2003"_s);

    // The modes carry no check mark: their menu is hidden while a mode runs,
    // and an empty box beside them in Idle would look like an option.
    for (QAction* a : {M1StavovyRadek_, M1PostupnyVyber_, M1NahodnyVyber_})
        a->setCheckable(true);

    menu2_ = new QMenuBar(this);
    menu2_->setObjectName(u"Menu2"_s);
    M2KonecRezimu_ = command(menu2_, "M2KonecRezimu", u"  &Konec režimu  "_s);
    M2OznacSpravne_ = command(menu2_, "M2OznacSpravne", u"  Označ správnou odpověď  "_s);
    M2oProgramu_ = command(menu2_, "M2oProgramu", u"  &O programu  "_s);
    M2OznacSpravne_->setVisible(false);
    menu2_->hide();

    connect(M1Ukoncit_, &QAction::triggered, this, &QWidget::close);
    connect(M1StavovyRadek_, &QAction::triggered, this, &THlavniFormular::M1StavovyRadekClick);
    connect(M1PostupnyVyber_, &QAction::triggered, this, &THlavniFormular::M1PostupnyVyberClick);
    connect(M1NahodnyVyber_, &QAction::triggered, this, &THlavniFormular::M1NahodnyVyberClick);
    connect(M1UlozitNastaveni_, &QAction::triggered, this,
            &THlavniFormular::M1UlozitNastaveniClick);
    connect(M1Prohlizet_, &QAction::triggered, this, [this] { SetMode(Mode::Browsing, true); });
    connect(M1Procvicovat_, &QAction::triggered, this,
            [this] { startPracticeOrExamination(false); });
    connect(M1Zkouset_, &QAction::triggered, this, [this] { startPracticeOrExamination(true); });
    connect(M2KonecRezimu_, &QAction::triggered, this, &THlavniFormular::M2KonecRezimuClick);
    connect(M1Nastaveni_, &QAction::triggered, this, &THlavniFormular::M1NastaveniClick);
    connect(M1Test_, &QAction::triggered, this, &THlavniFormular::M1TestClick);
    connect(smProc_, &QAction::triggered, this, &THlavniFormular::smProcClick);
    connect(smZkou_, &QAction::triggered, this, &THlavniFormular::smZkouClick);
    connect(M1VysledekTestu_, &QAction::triggered, this, &THlavniFormular::M1VysledekTestuClick);
    connect(M1Nejslabsi_, &QAction::triggered, this, &THlavniFormular::M1NejslabsiClick);
    connect(M1Pokrok_, &QAction::triggered, this, &THlavniFormular::M1PokrokClick);
    connect(M1OProgramu_, &QAction::triggered, this, &THlavniFormular::M1OProgramuClick);
    connect(M1Napoveda_, &QAction::triggered, this, &THlavniFormular::M1NapovedaClick);
    // "O programu" of the second menu bar only triggers the first's.
    connect(M2oProgramu_, &QAction::triggered, M1OProgramu_, &QAction::trigger);
    connect(M2OznacSpravne_, &QAction::triggered, this, &THlavniFormular::M2OznacSpravneClick);
}
