// The main window's part of a practice or examination run: it asks the run
// what comes next and shows what the run answers.
#include "core/questions/bank.h"
#include "core/records/answerHistory.h"
#include "core/records/resultRecord.h"
#include "core/school/schoolLink.h"
#include "gui/app/mainWindow.h"
#include "gui/study/helpPanel.h"
#include "gui/study/questionArea.h"
#include "gui/study/runResultDialog.h"
#include "gui/study/runStartDialog.h"
#include "gui/ui/centring.h"
#include "gui/ui/messages.h"

#include <QAction>
#include <QKeyEvent>

#include <utility>

using namespace Qt::StringLiterals;

RunKind THlavniFormular::runKind() const {
    return mode_ == Mode::Examination ? RunKind::Examination : RunKind::Practice;
}

void THlavniFormular::startPracticeOrExamination(bool examination) {
    if (StartRun(examination))
        SetMode(examination ? Mode::Examination : Mode::Practice, true);
}

std::optional<BankIndex> THlavniFormular::bankIndex() {
    const auto questions = table1_.range(0, bank::kQuestionCount);
    if (!questions) {
        msg::error(this, table1_.error().message(u"Otázky nelze načíst."_s));
        return std::nullopt;
    }
    return BankIndex::from(*questions);
}

bool THlavniFormular::anySelectable(int total) {
    if (total == 0)
        msg::error(this,
                   u"Ve zvolených okruzích otázek není pro skupinu %1 žádná otázka. "
                   u"Zvolte v nastavení jiné okruhy nebo jinou skupinu."_s.arg(settings_.group));
    return total > 0;
}

bool THlavniFormular::StartRun(bool examination) {
    const auto index = bankIndex();
    if (!index)
        return false;
    const int total = run_.count(*index, {settings_.categories, settings_.group});
    if (!anySelectable(total))
        return false;
    TDotazPZ dialog(examination, !view_.sequential, total, this);
    centreOn(&dialog, this);
    dialog.exec();
    run_.begin(dialog.count(), dialog.start(), view_.sequential);
    pPomoc_->setTotal(run_.state().questionCount);
    return true;
}

void THlavniFormular::NextQuestion() {
    pPomoc_->setRemaining(run_.state().remaining);
    const auto next = run_.nextNumber();
    if (!next) {
        // Counting offers only questions the draw can give, so this means the
        // table changed under the run; say so rather than loop.
        msg::error(this, u"Žádná další otázka nevyhovuje zvoleným okruhům a skupině."_s);
        return;
    }
    // On a store error the run stays at the question still on screen.
    if (pOtazky_->ShowQuestion(*next))
        run_.take(pOtazky_->shown());
}

void THlavniFormular::stAClick(int answer) {
    if (run_.toggle(answer))
        pOtazky_->showMarks(run_.marks());
}

void THlavniFormular::pOtazkyMouseDown() {
    if (pOtazky_->verdictShowing() || (mode_ != Mode::Practice && mode_ != Mode::Examination))
        return;
    if (run_.state().awaitingAnswer)
        return EvaluateAnswer(); // with nothing marked the question stays open
    if (run_.state().remaining > 0)
        return askNextQuestion();
    finishRun();
}

void THlavniFormular::askNextQuestion() {
    mayExplain_ = false;
    pOtazky_->showNote(false);
    pOtazky_->showMarks({});
    NextQuestion();
}

RecordOutcome THlavniFormular::storeResult(RunKind kind) {
    if (!settings_.protocols[kind == RunKind::Examination ? 1 : 0])
        return RecordOutcome::SwitchedOff;
    const RunState& s = run_.state();
    if (s.repeatRun && !s.drill && !msg::ask(this, u"Chcete vytvořit protokol i z této opravy?"_s))
        return RecordOutcome::DeclinedRepeat;
    StoreError error;
    const ResultRecord record = run_.record(kind, settings_, clock_());
    if (!WriteResultRecord(paths_.userFolder, record, &error)) {
        msg::error(this, error.message(u"Výsledek se nepodařilo uložit."_s));
        return RecordOutcome::Failed;
    }
    copyForSchool(schemas::results(), {record.toRow()});
    return RecordOutcome::Written;
}

void THlavniFormular::finishRun() {
    const RunKind kind = runKind();
    const RecordOutcome outcome = storeResult(kind);
    if (!historyError_.isEmpty())
        msg::error(this, std::exchange(historyError_, QString()));
    TResult dialog(run_.state(), settings_, kind, outcome, this);
    centreOn(&dialog, this);
    if (dialog.ask() == TResult::Choice::Repeat) {
        run_.prepareRepeat(kind);
        pPomoc_->setSuccess(0);
        pPomoc_->setTotal(run_.state().questionCount);
        return askNextQuestion();
    }
    run_.endStored(settings_);
    SetMode(mode_, false);
}

void THlavniFormular::EvaluateAnswer() {
    const auto verdict = run_.confirm();
    if (!verdict)
        return;
    recordAnswer(!verdict->wrong, false);
    mayExplain_ = verdict->wrong && mode_ == Mode::Practice;
    pOtazky_->showMarks(run_.marks());
    pOtazky_->showVerdict(verdict->wrong);
    pPomoc_->setSuccess(run_.state().successPercent);
}

void THlavniFormular::M2OznacSpravneClick() {
    if (!run_.hint())
        return;
    recordAnswer(false, true);
    pOtazky_->showMarks(run_.marks());
}

void THlavniFormular::recordAnswer(bool right, bool hint) {
    const RunKind kind = runKind();
    // A failed write must not interrupt the run: the first failure is kept
    // and told when the run ends.
    StoreError error;
    const QList<AnswerRecord> answer{
        {settings_.activeProfile, run_.state().currentNumber, clock_(), right, hint, kind}};
    if (!appendAnswers(paths_.userFolder, answer, &error)) {
        if (historyError_.isEmpty())
            historyError_ = error.message(kHistoryNotStored);
    } else if (school_ && !school_->queue(schemas::answers(), rowsOf(answer), &error) &&
               historyError_.isEmpty()) {
        historyError_ = error.message(kNotQueuedForSchool);
    }
}

void THlavniFormular::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_R && mode_ != Mode::Idle)
        return readAloud(); // again, when reading aloud is on
    if (mode_ != Mode::Practice && mode_ != Mode::Examination)
        return QWidget::keyPressEvent(event);
    const int key = event->key();
    // Letters and digits stand for the answers; Enter or Space confirms and
    // goes on; N, apart from them, asks for the hint in practice, and P shows
    // the why after a wrong answer.
    if (key == Qt::Key_N && mode_ == Mode::Practice)
        M2OznacSpravneClick();
    else if (key == Qt::Key_P && mayExplain_) // after a wrong answer in practice: the why
        pOtazky_->showNote(true);
    else if (key >= Qt::Key_A && key <= Qt::Key_D)
        stAClick(key - Qt::Key_A);
    else if (key >= Qt::Key_1 && key <= Qt::Key_4)
        stAClick(key - Qt::Key_1);
    else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        pOtazkyMouseDown();
    else
        return QWidget::keyPressEvent(event);
}
