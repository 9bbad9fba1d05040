#pragma once

#include "core/records/resultRecord.h"

#include "core/questions/question.h"
#include "core/questions/selection.h"
#include "core/study/scoring.h"

#include <QDateTime>
#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <array>
#include <optional>

struct ResultRecord;
struct Settings;

// The state of one practice or examination run.
struct RunState {
    int questionCount = 0;
    int remaining = 0;
    int startPosition = 0;
    int wrongCount = 0;
    int hintCount = 0;
    int successPercent = 0;
    QList<int> wrongNumbers;
    QList<int> hintNumbers;
    QList<int> order;
    bool repeatRun = false;
    bool fromStoredResult = false;
    bool drill = false; // a fresh practice over a given order, not a repeat
    QString savedGroup;
    QString storedCategories;
    int currentNumber = 0;
    bool awaitingAnswer = false;
    QString correctLetters;
    QString questionGroup;
};

// A practice or examination run: which question comes next, the learner's
// marks, verdicts, hints and the repeat of what went wrong. Knows no window;
// the main window asks it and shows what it answers.
class PracticeRun {
  public:
    explicit PracticeRun(QRandomGenerator& generator) : generator_(generator) {}

    const RunState& state() const { return s_; }

    // Setting up: the selectable set of the bank for the settings' choice,
    // then the learner's count and start position.
    int count(const BankIndex& index, const Selection& selection);
    void begin(int count, int startPosition, bool sequential);
    // A run over given questions, as a stored result asks them again.
    void presetFromStored(const QList<int>& order, const QString& group, const QString& categories,
                          Settings& settings);

    // A fresh practice over questions chosen beforehand (the drill of the
    // weakest): asked in that order, stored without the repeat's question.
    void presetDrill(const QList<int>& order);

    // The mode starts or ends.
    void start();
    void end();

    // The number the next question should be, without taking it; nothing
    // when no question of the selection is left.
    std::optional<int> nextNumber() const;
    // The question shown as the next one of the run.
    void take(const Question& question);

    // Marks or unmarks an answer while one is awaited; false when the
    // question has no such answer or no answer is awaited.
    bool toggle(int answer);
    // Evaluates the marked answers; nothing when nothing is marked.
    std::optional<Verdict> confirm();
    // Shows the correct answers of the open question and counts a hint.
    bool hint();
    // What each answer shows now: the marks while answering, the verdict's
    // marks after it, the correct answers after a hint.
    std::array<AnswerMark, 4> marks() const { return marks_; }

    // The wrong questions (and in practice the hinted ones) asked again.
    void prepareRepeat(RunKind kind);
    // Ends a run of a stored result: the learner's own group comes back.
    void endStored(Settings& settings);

    // The record of the finished run as the results table keeps it.
    ResultRecord record(RunKind kind, const Settings& settings, const QDateTime& now) const;

  private:
    int taken() const { return s_.questionCount - s_.remaining; }

    QRandomGenerator& generator_;
    RunState s_;
    BankIndex index_;
    Selection selection_;
    bool sequential_ = true;
    Question shown_;
    std::array<AnswerMark, 4> marks_{};
};
