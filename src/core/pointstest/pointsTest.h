#pragma once

#include "core/pointstest/testScore.h"
#include "core/records/protocolRecord.h"

#include <QDateTime>

// One points test from its draw to its score: the questions, the countdown
// and the result. The window only shows it and feeds it ticks and answers.
class PointsTest {
  public:
    PointsTest(const TestQuestions& questions, int minPoints);

    const Question& question(int position) const { return questions_[position - 1]; }
    const TestQuestions& questions() const { return questions_; }
    int minPoints() const { return minPoints_; }

    // The countdown starts at the full time; each tick takes one second off.
    void start(const QDateTime& now);
    bool tick(); // true once no time is left
    int remainingSeconds() const { return remaining_; }
    void setRemainingSeconds(int seconds) { remaining_ = seconds; }
    int elapsedSeconds() const { return testplan::kTimeLimit - remaining_; }
    bool timedOut() const { return remaining_ <= 0; }

    // Scores the test once; later calls change nothing.
    void evaluate(const TestTicks& ticks);
    bool evaluated() const { return evaluated_; }
    const TestScore& score() const { return score_; }
    bool passed() const { return score_.earnedPoints >= minPoints_; }
    QString resultMessage() const;

    ProtocolRecord protocol(const QString& profile, const QString& group) const;

  private:
    TestQuestions questions_;
    int minPoints_;
    int remaining_ = testplan::kTimeLimit;
    QDateTime started_;
    bool evaluated_ = false;
    TestScore score_;
};
