#include "core/pointstest/pointsTest.h"

#include "core/pointstest/testTime.h"

PointsTest::PointsTest(const TestQuestions& questions, int minPoints)
    : questions_(questions), minPoints_(minPoints) {}

void PointsTest::start(const QDateTime& now) {
    remaining_ = testplan::kTimeLimit;
    started_ = now;
}

bool PointsTest::tick() {
    if (remaining_ > 0)
        --remaining_;
    return remaining_ <= 0;
}

void PointsTest::evaluate(const TestTicks& ticks) {
    if (evaluated_)
        return;
    score_ = EvaluateTest(questions_, ticks);
    evaluated_ = true;
}

QString PointsTest::resultMessage() const {
    return ::resultMessage(score_, minPoints_, timedOut());
}

ProtocolRecord PointsTest::protocol(const QString& profile, const QString& group) const {
    ProtocolRecord r;
    r.profile = profile;
    r.started = started_;
    r.group = group;
    r.duration = FormatMinSec(elapsedSeconds());
    r.correctCount = score_.correctCount();
    r.points = score_.earnedPoints;
    r.minPoints = minPoints_;
    r.verdict = passed() ? kPassedVerdict : kFailedVerdict;
    for (int i = 0; i < testplan::kPositions; ++i) {
        r.positionPoints[i] = QString::number(testplan::PositionPoints(i + 1));
        r.givenAnswers[i] = score_.answers[i];
        r.correctAnswers[i] = questions_[i].correct;
        r.questionNumbers[i] = QString::number(questions_[i].number);
    }
    return r;
}
