#include "gui/app/mainWindow.h"

#include "core/records/purge.h"
#include "core/school/schoolLink.h"
#include "core/settings/configFile.h"
#include "core/speech/spokenText.h"
#include "gui/study/helpPanel.h"
#include "gui/study/questionArea.h"
#include "gui/ui/centring.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"
#include "gui/ui/pictures.h"
#include "gui/ui/speaker.h"
#include "gui/ui/widgets.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString kWindowHint = u"     Tarmelka 2003"_s;
constexpr int kClientWidth = 632;
constexpr int kClientHeight = 386;
constexpr int kHelpHeight = 70;

} // namespace

THlavniFormular::THlavniFormular(const AppPaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      paths_(paths), table1_(paths.dataFolder) {
    setObjectName(u"HlavniFormular"_s);
    setWindowTitle(u"Tarmelka 2003"_s);
    setFocusPolicy(Qt::StrongFocus); // the answer keys come to the window itself
    setFont(windowFont());
    buildMenus();
    buildClient();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a single fixed border: not resizable
    layout->setMenuBar(menu1_);
    layout->addWidget(client_);
}

THlavniFormular::~THlavniFormular() = default;

void THlavniFormular::buildClient() {
    client_ = new QWidget(this);
    client_->setObjectName(u"client"_s);
    client_->setFixedSize(kClientWidth, kClientHeight);

    imgPozadi_ = new QLabel(client_);
    imgPozadi_->setAccessibleName(u"Tarmelka 2003, úvodní obrázek"_s);
    imgPozadi_->setObjectName(u"imgPozadi"_s);
    imgPozadi_->setGeometry(85, 70, 453, 227);

    stavovyRadek1_ = new QStatusBar(client_);
    stavovyRadek1_->setObjectName(u"StavovyRadek1"_s);
    stavovyRadek1_->setSizeGripEnabled(false);
    stavovyRadek1_->setGeometry(0, kClientHeight - 20, kClientWidth, 20);
    const int widths[4] = {340, 75, 75, 150};
    const QString texts[4] = {QString(), u"Default"_s, u"Skupina: B"_s,
                              kCopyrightPanel};
    // Placed by hand at their fixed lefts: the bar's own layout adds spacing
    // that would push them into each other.
    for (int i = 0, left = 0; i < 4; left += widths[i], ++i) {
        panels_[i] = new QLabel(texts[i], stavovyRadek1_);
        panels_[i]->setObjectName(u"StavovyRadek1Panel%1"_s.arg(i));
        panels_[i]->setTextFormat(Qt::PlainText);
        panels_[i]->setGeometry(left, 0, widths[i], 20);
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    panels_[3]->setAlignment(Qt::AlignCenter);

    pOtazky_ = new QuestionArea(table1_, paths_, client_);
    pOtazky_->setGeometry(0, 0, kClientWidth, kClientHeight - kHelpHeight);
    pOtazky_->hide();
    connect(pOtazky_, &QuestionArea::answerClicked, this, &THlavniFormular::stAClick);
    connect(pOtazky_, &QuestionArea::rightClicked, this, &THlavniFormular::pOtazkyMouseDown);
    speaker_ = new Speaker(this);
    school_ = new SchoolLink(paths_.userFolder, this);
    connect(school_, &SchoolLink::changed, this, &THlavniFormular::showSchoolState);
    connect(pOtazky_, &QuestionArea::questionShown, this, &THlavniFormular::readAloud);
    pPomoc_ = new HelpPanel(client_);
    pPomoc_->setGeometry(0, kClientHeight - kHelpHeight, kClientWidth, kHelpHeight);
    pPomoc_->hide();
}

bool THlavniFormular::FormCreate() {
    if (!table1_.open()) {
        msg::error(nullptr, table1_.error().message(
                                u"Program nelze spustit, protože nelze otevřít tabulku otázek."_s));
        return false;
    }
    adjustSize();
    centreOnScreen(this);
    LoadSettings();
    loadPictures();
    // Controls without a hint of their own show the window's hint.
    setStatusTip(kWindowHint);
    for (QWidget* w : findChildren<QWidget*>())
        if (w->statusTip().isEmpty() && !qobject_cast<QMenuBar*>(w) && !qobject_cast<QMenu*>(w))
            w->setStatusTip(kWindowHint);
    for (QWidget* w : std::initializer_list<QWidget*>{this, client_, stavovyRadek1_, pPomoc_})
        paintBackground(w, colours::kFace);
    return true;
}

void THlavniFormular::loadPictures() {
    QStringList problems;
    auto load = [&](const QString& stored) { return loadPicture(paths_, stored, problems); };
    // Without its picture a mark is drawn plainly, so the learner never answers blind.
    auto mark = [&](const QString& stored, DrawnMark fallback) {
        const QPixmap picture = load(stored);
        return picture.isNull() ? drawnMark(fallback) : picture;
    };
    const QPixmap yes = mark(u"grafika\\yes.jpg"_s, DrawnMark::Tick);
    const QPixmap no = mark(u"grafika\\no.jpg"_s, DrawnMark::Cross);
    const QPixmap mistake = mark(u"grafika\\mistake.jpg"_s, DrawnMark::Missed);
    pPomoc_->setMarks(yes, no, mistake);
    pOtazky_->setMarkPictures(yes, no, mistake);
    imgPozadi_->setPixmap(load(u"grafika\\pozadi.jpg"_s));
    const QPixmap icon = load(u"grafika\\ikona.jpg"_s);
    if (!icon.isNull())
        setWindowIcon(icon);
    if (!problems.isEmpty())
        msg::error(this, problems.join(u'\n') +
                             u"\n\nProgram poběží dál bez těchto obrázků; značky odpovědí nakreslí "
                             u"zjednodušeně."_s);
}

void THlavniFormular::LoadSettings() {
    config::removeStaleTemporaries(paths_.configFile());
    const config::Loaded loaded = config::load(paths_.configFile());
    settings_ = loaded.settings;
    profileHistory_.listTrusted = loaded.profileListTrusted;
    if (loaded.profileListTrusted)
        profileHistory_.listedAtStart = settings_.profileNames();
    view_ = loaded.view;
    school_->configure(view_.school);
    showViewChoices();
    showSettings();
    if (!loaded.problems.isEmpty())
        msg::error(this, loaded.problems.join(u"\n\n"_s));
}

void THlavniFormular::showSettings() {
    panels_[1]->setText(settings_.activeProfile);
    panels_[2]->setText(u"Skupina: "_s + settings_.group);
    M1Skupina_->setText(u"Zvolená skupina: "_s + settings_.group);
    M1Procvicovat_->setEnabled(settings_.anyCategory());
    M1Zkouset_->setEnabled(settings_.anyCategory());
    M1Nejslabsi_->setEnabled(settings_.anyCategory()); // a drill draws from the same categories
}

void THlavniFormular::M1UlozitNastaveniClick() {
    QString error;
    if (!config::save(paths_.configFile(), settings_, view_, &error)) {
        msg::error(this,
                   u"Nastavení nelze uložit do souboru %1:\n%2"_s.arg(paths_.configFile(), error));
        return;
    }
    settings_.takeSavedProfiles();
}

void THlavniFormular::M1StavovyRadekClick() {
    view_.statusBar = !view_.statusBar;
    showViewChoices();
}

void THlavniFormular::M1PostupnyVyberClick() {
    view_.sequential = true;
    showViewChoices();
}

void THlavniFormular::M1NahodnyVyberClick() {
    view_.sequential = false;
    showViewChoices();
}

void THlavniFormular::M1ZvetseniClick(int percent) {
    view_.scalePercent = percent;
    showViewChoices();
    msg::info(this, u"Program se zobrazí ve velikosti %1 % při příštím spuštění. Nastavení "
                    u"uložte příkazem Uložit nastavení."_s.arg(percent));
}

void THlavniFormular::M1CteniNahlasClick() {
    QString why;
    if (!view_.readAloud && !speaker_->available(&why)) {
        msg::error(this, why);
        showViewChoices(); // the option stays off
        return;
    }
    view_.readAloud = !view_.readAloud;
    showViewChoices();
    readAloud();
}

void THlavniFormular::readAloud() {
    if (mode_ == Mode::Practice || mode_ == Mode::Examination)
        pOtazky_->announce(); // browsing keeps the focus in its number box
    if (view_.readAloud && mode_ != Mode::Idle && pOtazky_->shown().number > 0 &&
        !pOtazky_->shown().text.isEmpty())
        speaker_->say(speech::questionSpeech(pOtazky_->shown()));
}

void THlavniFormular::showViewChoices() {
    M1CteniNahlas_->setChecked(view_.readAloud);
    for (QAction* a : M1Zvetseni_->actions())
        a->setChecked(a->data().toInt() == view_.scalePercent);
    M1StavovyRadek_->setChecked(view_.statusBar);
    M1PostupnyVyber_->setChecked(view_.sequential);
    M1NahodnyVyber_->setChecked(!view_.sequential);
    stavovyRadek1_->setVisible(view_.statusBar && mode_ == Mode::Idle);
}

void THlavniFormular::attachMenu(QMenuBar* menu) {
    QMenuBar* other = menu == menu1_ ? menu2_ : menu1_;
    other->hide();
    layout()->setMenuBar(menu);
    menu->show();
}

void THlavniFormular::SetMode(Mode mode, bool on) {
    mode_ = on ? mode : Mode::Idle;
    attachMenu(on ? menu2_ : menu1_);
    showViewChoices();
    pPomoc_->setVisible(on);
    pOtazky_->setVisible(on);
    pPomoc_->setProfileAndGroup(settings_.activeProfile, settings_.group);
    pPomoc_->applyMode(mode, on);
    if (mode == Mode::Browsing) {
        pOtazky_->setBrowsing(on);
        if (on)
            pOtazky_->startBrowsing();
        else
            setFocus(); // the hidden browse box must not keep the keys
        return;
    }
    setFocus(); // answer keys go to the window, wherever the focus was
    if (mode == Mode::Practice)
        M2OznacSpravne_->setVisible(on);
    pOtazky_->showMarks({});
    if (!on)
        return run_.end();
    run_.start();
    pPomoc_->setSuccess(0);
    NextQuestion();
}

void THlavniFormular::M2KonecRezimuClick() {
    if (mode_ == Mode::Browsing)
        return SetMode(Mode::Browsing, false);
    if (!msg::ask(this, u"Opravdu chcete skončit, i když úlohy nejsou dokončeny?"_s))
        return;
    run_.endStored(settings_);
    SetMode(mode_, false);
}

void THlavniFormular::closeEvent(QCloseEvent* event) {
    if (pOtazky_->isVisible() &&
        !msg::ask(this,
                  u"Opravdu chcete vypnout program, i když spuštěný režim je stále aktivní?"_s)) {
        event->ignore();
        return;
    }
    StoreError error;
    const QStringList removed =
        removedProfiles(profileHistory_, settings_.savedProfileNames(), settings_.activeProfile);
    if (!PurgeRemovedProfiles(paths_.userFolder, removed, &error))
        msg::error(this, error.message(u"Při ukončení nelze odstranit záznamy odebraných "
                                       u"profilů; zůstávají uloženy."_s));
    // The school's server loses them too, now or once it answers again, but
    // only when asked: there the name's records come from every PC.
    if (school_->isOn() && !removed.isEmpty() &&
        msg::ask(this, u"Odebrané profily: %1.\n\nMají se jejich záznamy smazat i na serveru "
                       u"školy? Smažou se tam záznamy žáků těchto jmen ze všech počítačů školy."_s
                           .arg(removed.join(u", "_s))) &&
        !school_->queueRemoval(removed, &error))
        msg::error(this, error.message(u"Odstranění záznamů odebraných profilů ze serveru školy "
                                       u"se nepodařilo připravit; na serveru zůstávají."_s));
    school_->flush();
    event->accept();
}

bool THlavniFormular::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ShowHintInStatusBar(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

void THlavniFormular::ShowHintInStatusBar(const QString& hint) {
    if (!hint.isEmpty())
        return panels_[0]->setText(hint);
    // An open menu with no item highlighted shows its title's hint; leaving
    // the menus clears the hint, and the pointer is then over the window.
    const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    panels_[0]->setText(menu ? menu->menuAction()->statusTip() : kWindowHint);
}
