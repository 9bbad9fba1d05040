#pragma once

#include "core/pointstest/testDraw.h"
#include "core/records/answerHistory.h"

#include <QString>

#include <array>

using AnswerTicks = std::array<bool, 4>; // a) to d) ticked
using TestTicks = std::array<AnswerTicks, testplan::kPositions>;

// The scored test: what was given at each position and what it earned.
struct TestScore {
    std::array<QString, testplan::kPositions> answers; // "AC"; empty when nothing is ticked
    std::array<bool, testplan::kPositions> wrong{};
    int earnedPoints = 0;
    int wrongCount = 0;
    int correctCount() const { return testplan::kPositions - wrongCount; }
};

// The ticked letters in the fixed order A, B, C, D, whatever the order of ticking.
QString givenLetters(const AnswerTicks& ticks);

// A position earns all its points when the given letters equal its right
// answer exactly, otherwise none; an unanswered position is wrong.
TestScore EvaluateTest(const TestQuestions& test, const TestTicks& ticks);

// The 25 answers of a scored points test for the answer history, each right
// or wrong as scored.
QList<AnswerRecord> pointsTestAnswers(const QString& profile, const TestQuestions& questions,
                                      const TestScore& score, const QDateTime& when);

// The message shown when the test has been scored, lines joined by "\n".
QString resultMessage(const TestScore& score, int minPoints, bool timedOut);
