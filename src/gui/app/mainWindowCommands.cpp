// The main window's commands that open the other windows. Each window takes
// values and hands values back; only these handlers change the main window.
#include "core/questions/bank.h"
#include "core/records/answerHistory.h"
#include "core/records/resultRecord.h"
#include "core/study/drill.h"
#include "gui/app/mainWindow.h"
#include "gui/app/progressLoader.h"
#include "gui/info/aboutDialog.h"
#include "gui/info/handbookWindow.h"
#include "gui/pointstest/pointsTestWindow.h"
#include "gui/results/protocolListDialog.h"
#include "gui/results/resultListDialog.h"
#include "gui/settings/settingsDialog.h"
#include "gui/study/helpPanel.h"
#include "gui/study/runStartDialog.h"
#include "gui/ui/centring.h"
#include "gui/ui/messages.h"

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
    TTestForm::run(settings_, paths_, clock_, generator_, this,
                   view_.readAloud ? speaker_ : nullptr, school_);
    if (!table1_.open())
        msg::error(this, table1_.error().message(u"Tabulku otázek nelze znovu otevřít."_s));
}

void THlavniFormular::showResults(RunKind kind) {
    const auto again = TProtocol::browse(kind, settings_, recordsPlace(), this);
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
    TSeznamTestu::browse(settings_, recordsPlace(), this);
}

void THlavniFormular::M1NejslabsiClick() {
    const auto index = bankIndex();
    if (!index)
        return;
    const Selection selection{settings_.categories, settings_.group};
    const int total = selection.count(*index);
    if (!anySelectable(total))
        return;
    StoreError error;
    const auto history = readAnswers(recordsPlace(), settings_.activeProfile, &error);
    if (!history) {
        msg::error(this, error.message(u"Historii odpovědí nelze načíst."_s));
        return;
    }
    TDotazPZ dialog(false, true, total, this);
    centreOn(&dialog, this);
    dialog.exec();
    // A fresh practice over the chosen questions, in the learner's own group.
    const QList<int> order = drill::drillOrder(drill::replay(*history), *index, selection,
                                               dialog.count(), clock_(), generator_);
    run_.presetDrill(order);
    pPomoc_->setTotal(run_.state().questionCount);
    SetMode(Mode::Practice, true);
}

void THlavniFormular::M1PokrokClick() {
    if (const auto index = bankIndex())
        showProgressView(settings_, recordsPlace(), *index, generator_, this);
}

void THlavniFormular::M1OProgramuClick() {
    TAbout::run(this);
}

void THlavniFormular::M1NapovedaClick() {
    THelpForm::run(paths_.helpPage(), this);
}
