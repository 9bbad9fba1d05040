#pragma once

#include "questions/selection.h"
#include "results/answerHistory.h"

#include <QRandomGenerator>
#include <QString>

#include <array>
#include <optional>

namespace forecast {

inline constexpr int kSimulatedTests = 10000;
// How many of a question's latest answers tell how well it is known now.
inline constexpr int kRecentAnswers = 5;

using Chances = std::array<double, 758>; // by question number

// The chance of a right answer to each question: of its latest answers (a
// hinted one counts as wrong) the right ones, with half a right and half a
// wrong answer added as a prior, (right + 1/2) / (answers + 1). A question
// never answered therefore stands at one half.
Chances rightChances(const QList<AnswerRecord>& history);

struct Forecast {
    int tests = 0;
    int passed = 0;
    int minPoints = 0;
    double meanPoints = 0;
    double probability() const { return tests > 0 ? double(passed) / tests : 0.0; }
};

// Simulates tests drawn by the points test's own plan for the group (each
// position a distinct fitting question of its range) and answered by the
// chances; nothing when the group has no minimum or the bank cannot fill a
// test for it.
std::optional<Forecast> simulate(const Chances& chances, const BankIndex& index,
                                 const QString& group, int tests, QRandomGenerator& generator);

} // namespace forecast
