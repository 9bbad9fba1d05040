// The main window's commands that open the other windows. Each window takes
// values and hands values back; only these handlers change the main window.
#include "app/main.h"
#include "info/napovedaHTML.h"
#include "info/oaplikaci.h"
#include "pointstest/test.h"
#include "results/protokol.h"
#include "results/testtab.h"
#include "settings/setup.h"
#include "study/helpPanel.h"
#include "ui/messages.h"

using namespace Qt::StringLiterals;

void THlavniFormular::M1NastaveniClick() {
    const auto edited = TNastaveni::edit(settings_, this);
    if (!edited)
        return;
    profileHistory_.noteList(settings_.profileNames(), edited->profileNames());
    settings_ = *edited;
    showSettings();
}

void THlavniFormular::M1TestClick() {
    // The test reads the question table itself meanwhile.
    table1_.close();
    TTestForm::run(settings_, paths_, clock_, generator_, this);
    if (!table1_.open())
        msg::error(this, table1_.error().message(u"Tabulku otázek nelze znovu otevřít."_s));
}

void THlavniFormular::showResults(RunKind kind) {
    const auto again = TProtocol::browse(kind, settings_, paths_.userFolder, this);
    if (!again)
        return;
    run_.presetFromStored(again->order, again->group, again->categories, settings_);
    pPomoc_->setTotal(run_.state().questionCount);
    SetMode(again->kind == RunKind::Examination ? Mode::Examination : Mode::Practice, true);
}

void THlavniFormular::smProcClick() {
    showResults(RunKind::Practice);
}

void THlavniFormular::smZkouClick() {
    showResults(RunKind::Examination);
}

void THlavniFormular::M1VysledekTestuClick() {
    TSeznamTestu::browse(settings_, paths_.userFolder, this);
}

void THlavniFormular::M1OProgramuClick() {
    TAbout::run(this);
}

void THlavniFormular::M1NapovedaClick() {
    THelpForm::run(paths_.helpPage(), this);
}
