#include "app/main.h"

#include "study/helpPanel.h"
#include "results/purge.h"
#include "settings/configFile.h"
#include "study/questionArea.h"
#include "ui/centring.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/pictures.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QColor kFaceColour(224, 223, 227);
const QString kWindowHint = u"     Tarmelka 2003"_s;
constexpr int kClientWidth = 632;
constexpr int kClientHeight = 386;
constexpr int kHelpHeight = 70;

} // namespace

THlavniFormular::THlavniFormular(const AppPaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      paths_(paths), table1_(paths.workFolder) {
    setObjectName(u"HlavniFormular"_s);
    setWindowTitle(u"Tarmelka 2003"_s);
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
    imgPozadi_->setObjectName(u"imgPozadi"_s);
    imgPozadi_->setGeometry(85, 70, 453, 227);

    stavovyRadek1_ = new QStatusBar(client_);
    stavovyRadek1_->setObjectName(u"StavovyRadek1"_s);
    stavovyRadek1_->setSizeGripEnabled(false);
    stavovyRadek1_->setGeometry(0, kClientHeight - 20, kClientWidth, 20);
    const int widths[4] = {340, 75, 75, 150};
    const QString texts[4] = {QString(), u"Default"_s, u"Skupina: B"_s,
                              u"© 2003–2026 tým Tarmelka"_s};
    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QLabel(texts[i], stavovyRadek1_);
        panels_[i]->setObjectName(u"StavovyRadek1Panel%1"_s.arg(i));
        panels_[i]->setFixedWidth(widths[i]);
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        stavovyRadek1_->addWidget(panels_[i]);
    }
    panels_[3]->setAlignment(Qt::AlignCenter);

    pOtazky_ = new QuestionArea(run_, table1_, paths_, client_);
    pOtazky_->setGeometry(0, 0, kClientWidth, kClientHeight - kHelpHeight);
    pOtazky_->hide();
    connect(pOtazky_, &QuestionArea::answerClicked, this, &THlavniFormular::stAClick);
    connect(pOtazky_, &QuestionArea::rightClicked, this, &THlavniFormular::pOtazkyMouseDown);
    pPomoc_ = new HelpPanel(client_);
    pPomoc_->setGeometry(0, kClientHeight - kHelpHeight, kClientWidth, kHelpHeight);
    pPomoc_->hide();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(u"Timer1"_s);
    connect(timer1_, &QTimer::timeout, this, [this] {
        pOtazky_->verdictPanel()->hide();
        timer1_->stop();
    });
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
        paintBackground(w, kFaceColour);
    run_.fromStoredResult = false;
    return true;
}

void THlavniFormular::loadPictures() {
    QStringList problems;
    auto load = [&](const QString& stored) {
        QString error;
        QPixmap picture = loadPicture(paths_, stored, &error);
        if (picture.isNull())
            problems << error;
        return picture;
    };
    yes_ = load(u"grafika\\yes.jpg"_s);
    no_ = load(u"grafika\\no.jpg"_s);
    mistake_ = load(u"grafika\\mistake.jpg"_s);
    pPomoc_->setMarks(yes_, no_, mistake_);
    imgPozadi_->setPixmap(load(u"grafika\\pozadi.jpg"_s));
    const QPixmap icon = load(u"grafika\\ikona.jpg"_s);
    if (!icon.isNull())
        setWindowIcon(icon);
    if (!problems.isEmpty())
        msg::error(this,
                   problems.join(u'\n') + u"\n\nProgram poběží dál, ale bez těchto obrázků."_s);
}

void THlavniFormular::LoadSettings() {
    config::removeStaleTemporaries(paths_.configFile());
    const config::Loaded loaded = config::load(paths_.configFile());
    settings_ = loaded.settings;
    profileHistory_.listTrusted = loaded.profileListTrusted;
    if (loaded.profileListTrusted)
        profileHistory_.listedAtStart = settings_.profileNames();
    if (loaded.fromFile) {
        M1StavovyRadek_->setChecked(loaded.view.statusBar);
        stavovyRadek1_->setVisible(loaded.view.statusBar);
        if (loaded.view.sequential)
            M1PostupnyVyberClick();
        else
            M1NahodnyVyberClick();
        showSettings();
    } // otherwise the window's initial state shows the start-up defaults
    if (!loaded.problems.isEmpty())
        msg::error(this, loaded.problems.join(u"\n\n"_s));
}

void THlavniFormular::showSettings() {
    panels_[1]->setText(settings_.activeProfile);
    panels_[2]->setText(u"Skupina: "_s + settings_.group);
    M1Skupina_->setText(u"Zvolená skupina: "_s + settings_.group);
    M1Procvicovat_->setEnabled(settings_.anyCategory());
    M1Zkouset_->setEnabled(settings_.anyCategory());
}

void THlavniFormular::M1UlozitNastaveniClick() {
    QString error;
    const ViewChoices view{M1StavovyRadek_->isChecked(), M1PostupnyVyber_->isChecked()};
    if (!config::save(paths_.configFile(), settings_, view, &error)) {
        msg::error(this,
                   u"Nastavení nelze uložit do souboru %1:\n%2"_s.arg(paths_.configFile(), error));
        return;
    }
    settings_.takeSavedProfiles();
}

void THlavniFormular::M1StavovyRadekClick() {
    // The action toggles its own check mark; the bar follows it.
    stavovyRadek1_->setVisible(M1StavovyRadek_->isChecked());
}

void THlavniFormular::M1PostupnyVyberClick() {
    M1PostupnyVyber_->setChecked(true);
    M1NahodnyVyber_->setChecked(false);
}

void THlavniFormular::M1NahodnyVyberClick() {
    M1NahodnyVyber_->setChecked(true);
    M1PostupnyVyber_->setChecked(false);
}

Mode THlavniFormular::currentMode() const {
    if (M1Prohlizet_->isChecked())
        return Mode::Browsing;
    if (M1Procvicovat_->isChecked())
        return Mode::Practice;
    if (M1Zkouset_->isChecked())
        return Mode::Examination;
    return Mode::Idle;
}

void THlavniFormular::attachMenu(QMenuBar* menu) {
    QMenuBar* other = menu == menu1_ ? menu2_ : menu1_;
    other->hide();
    layout()->setMenuBar(menu);
    menu->show();
}

void THlavniFormular::SetMode(Mode mode, bool on) {
    if (on) {
        attachMenu(menu2_);
        stavovyRadek1_->hide();
        pOtazky_->setMarkPictures(yes_);
    } else {
        attachMenu(menu1_);
        stavovyRadek1_->setVisible(M1StavovyRadek_->isChecked());
    }
    pPomoc_->setVisible(on);
    pOtazky_->setVisible(on);
    pPomoc_->setProfileAndGroup(settings_.activeProfile, settings_.group);
    pPomoc_->applyMode(mode, on);
    if (mode == Mode::Browsing) {
        M1Prohlizet_->setChecked(on);
        pOtazky_->setBrowsing(on);
        if (on)
            pOtazky_->startBrowsing();
        return;
    }
    if (mode == Mode::Examination)
        M1Zkouset_->setChecked(on);
    else
        M1Procvicovat_->setChecked(on);
    if (mode == Mode::Practice)
        M2OznacSpravne_->setVisible(on);
    run_.awaitingAnswer = on;
    run_.repeatRun = run_.fromStoredResult;
    for (int i = 0; i < 4; ++i)
        pOtazky_->mark(i)->hide();
    if (on) {
        run_.wrongCount = run_.hintCount = run_.successPercent = 0;
        pPomoc_->setSuccess(0);
        run_.currentNumber -= 1;
        NextQuestion();
        run_.wrongNumbers.clear();
        run_.hintNumbers.clear();
    } else {
        run_.order.clear();
        run_.wrongNumbers.clear();
        run_.hintNumbers.clear();
    }
}

void THlavniFormular::M2KonecRezimuClick() {
    const Mode mode = currentMode();
    if (mode == Mode::Browsing)
        return SetMode(Mode::Browsing, false);
    if (!msg::ask(this, u"Opravdu chcete skončit, i když úlohy nejsou dokončeny?"_s))
        return;
    if (run_.fromStoredResult)
        settings_.group = run_.savedGroup;
    run_.fromStoredResult = false;
    SetMode(mode, false);
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
    if (!PurgeRemovedProfiles(paths_.workFolder, removed, &error))
        msg::error(this, error.message(u"Při ukončení nelze odstranit záznamy odebraných "
                                       u"profilů; zůstávají uloženy."_s));
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
    // Leaving a menu clears the hint; the pointer is then over the window.
    panels_[0]->setText(hint.isEmpty() ? kWindowHint : hint);
}
