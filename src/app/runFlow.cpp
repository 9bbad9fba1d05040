// The main window's part of a practice or examination run: drawing questions.
#include "app/helpPanel.h"
#include "app/main.h"
#include "study/questionArea.h"
#include "ui/messages.h"

#include <QAction>

using namespace Qt::StringLiterals;

void THlavniFormular::NextQuestion() {
    pPomoc_->setRemaining(run_.remaining);
    const int taken = run_.questionCount - run_.remaining;
    if (run_.repeatRun) {
        pOtazky_->ShowQuestion(run_.order.value(taken));
    } else {
        const Selection selection{settings_.categories, settings_.group};
        const auto next = M1PostupnyVyber_->isChecked()
                              ? selection.nextSequential(index_, run_.currentNumber)
                              : selection.nextRandom(index_, run_.order.mid(0, taken), generator_);
        if (!next) {
            // Counting offers only questions the draw can give, so this means the
            // table changed under the run; end it rather than loop.
            msg::error(this, u"Žádná další otázka nevyhovuje zvoleným kategoriím a skupině."_s);
            return;
        }
        pOtazky_->ShowQuestion(*next);
        if (taken < run_.order.size())
            run_.order[taken] = *next;
        else
            run_.order.append(*next);
    }
    run_.remaining -= 1;
}
