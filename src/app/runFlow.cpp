// The main window's part of a practice or examination run: starting it,
// drawing questions, answering, and handing over to the evaluation.
#include "study/helpPanel.h"
#include "app/main.h"
#include "questions/bank.h"
#include "results/vyhodnoceni.h"
#include "study/dotaz.h"
#include "study/questionArea.h"
#include "study/scoring.h"
#include "ui/centring.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

using namespace Qt::StringLiterals;

Selection THlavniFormular::selection() const {
    return {settings_.categories, settings_.group};
}

void THlavniFormular::startPracticeOrExamination(bool examination) {
    if (StartRun(examination))
        SetMode(examination ? Mode::Examination : Mode::Practice, true);
}

bool THlavniFormular::StartRun(bool examination) {
    run_.remaining = 0;
    const auto questions = table1_.range(0, bank::kQuestionCount);
    if (!questions) {
        msg::error(this, table1_.error().message(u"Otázky nelze načíst."_s));
        return false;
    }
    index_ = BankIndex::from(*questions);
    const int total = selection().count(index_);
    if (total == 0) {
        msg::error(this,
                   u"Ve zvolených okruzích otázek není pro skupinu %1 žádná otázka. "
                   u"Zvolte v nastavení jiné okruhy nebo jinou skupinu."_s.arg(settings_.group));
        return false;
    }
    run_.remaining = total;
    TDotazPZ dialog(examination, M1NahodnyVyber_->isChecked(), total, this);
    centreOn(&dialog, this);
    dialog.exec();
    run_.remaining = dialog.count();
    run_.startPosition = dialog.start();
    run_.order = QList<int>(run_.remaining, 0);
    run_.questionCount = run_.remaining;
    if (M1PostupnyVyber_->isChecked())
        FindStartQuestion();
    pPomoc_->setTotal(run_.remaining);
    return true;
}

void THlavniFormular::FindStartQuestion() {
    if (const auto number = selection().numberAt(index_, run_.startPosition))
        run_.currentNumber = *number;
}

void THlavniFormular::NextQuestion() {
    pPomoc_->setRemaining(run_.remaining);
    const int taken = run_.questionCount - run_.remaining;
    if (run_.repeatRun) {
        pOtazky_->ShowQuestion(run_.order.value(taken));
    } else {
        const auto next =
            M1PostupnyVyber_->isChecked()
                ? selection().nextSequential(index_, run_.currentNumber)
                : selection().nextRandom(index_, run_.order.mid(0, taken), generator_);
        if (!next) {
            // Counting offers only questions the draw can give, so this means the
            // table changed under the run; say so rather than loop.
            msg::error(this, u"Žádná další otázka nevyhovuje zvoleným okruhům a skupině."_s);
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

void THlavniFormular::stAClick(int answer) {
    if (!run_.awaitingAnswer)
        return;
    QLabel* mark = pOtazky_->mark(answer);
    mark->setVisible(mark->isHidden());
}

void THlavniFormular::pOtazkyMouseDown() {
    const Mode mode = currentMode();
    if (pOtazky_->verdictPanel()->isVisible() || mode == Mode::Browsing || mode == Mode::Idle)
        return;
    if (run_.awaitingAnswer) {
        for (int i = 0; i < 4; ++i)
            if (!pOtazky_->mark(i)->isHidden())
                return EvaluateAnswer();
        return; // nothing marked: the question stays open
    }
    if (run_.remaining > 0)
        return askNextQuestion();
    finishRun();
}

void THlavniFormular::askNextQuestion() {
    pOtazky_->setMarkPictures(yes_);
    for (int i = 0; i < 4; ++i)
        pOtazky_->mark(i)->hide();
    run_.awaitingAnswer = true;
    NextQuestion();
}

void THlavniFormular::finishRun() {
    const bool examination = M1Zkouset_->isChecked();
    TResult dialog(run_, settings_, examination, paths_.workFolder, clock_, this);
    centreOn(&dialog, this);
    if (dialog.exec() == TResult::kRepeat) {
        pPomoc_->setSuccess(0);
        pPomoc_->setTotal(run_.questionCount);
        run_.repeatRun = true;
        return askNextQuestion();
    }
    SetMode(examination ? Mode::Examination : Mode::Practice, false);
}

void THlavniFormular::EvaluateAnswer() {
    std::array<bool, 4> marked{};
    for (int i = 0; i < 4; ++i)
        marked[i] = !pOtazky_->mark(i)->isHidden();
    const Verdict verdict = evaluateAnswer(run_.correctLetters, marked);
    for (int i = 0; i < 4; ++i) {
        QLabel* mark = pOtazky_->mark(i);
        if (verdict.marks[i] == AnswerMark::Missed) {
            mark->setPixmap(mistake_);
            mark->show();
        } else if (verdict.marks[i] == AnswerMark::Cross) {
            mark->setPixmap(no_);
        }
    }
    run_.awaitingAnswer = false;
    QLabel* panel = pOtazky_->verdictPanel();
    if (verdict.wrong) {
        panel->setText(u"Špatně"_s);
        setTextColour(panel, QColor(255, 0, 0));
        run_.wrongCount += 1;
        run_.wrongNumbers.append(run_.currentNumber);
    } else {
        panel->setText(u"Správně"_s);
        setTextColour(panel, QColor(0, 128, 0));
    }
    run_.successPercent =
        successPercent(run_.questionCount - run_.remaining, run_.wrongCount, run_.hintCount);
    pPomoc_->setSuccess(run_.successPercent);
    panel->show();
    panel->raise();
    timer1_->start(1500);
}

void THlavniFormular::M2OznacSpravneClick() {
    if (!run_.awaitingAnswer)
        return;
    pOtazky_->MarkCorrect(run_.correctLetters);
    run_.hintCount += 1;
    run_.awaitingAnswer = false;
    run_.hintNumbers.append(run_.currentNumber);
}

void THlavniFormular::keyPressEvent(QKeyEvent* event) {
    const Mode mode = currentMode();
    if (mode != Mode::Practice && mode != Mode::Examination)
        return QWidget::keyPressEvent(event);
    const int key = event->key();
    // Letters and digits stand for the answers; Enter or Space confirms and goes on.
    if (key >= Qt::Key_A && key <= Qt::Key_D)
        stAClick(key - Qt::Key_A);
    else if (key >= Qt::Key_1 && key <= Qt::Key_4)
        stAClick(key - Qt::Key_1);
    else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        pOtazkyMouseDown();
    else
        return QWidget::keyPressEvent(event);
}
