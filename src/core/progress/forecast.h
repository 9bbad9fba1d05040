#pragma once

#include "core/questions/bank.h"
#include "core/questions/selection.h"
#include "core/records/answerHistory.h"

#include <QRandomGenerator>
#include <QString>

#include <array>
#include <optional>

namespace forecast {

inline constexpr int kSimulatedTests = 10000;
// How many of a question's latest answers tell how well it is known now.
inline constexpr int kRecentAnswers = 5;

using Chances = std::array<double, bank::kQuestionCount + 1>; // by question number

// The learner's chance of a right answer to each question, from the latest
// answers to each (a hinted one counts as wrong), pooled in three steps so
// that a few answers say a little and many say much:
//  - the learner's rate: all counted answers, with kStartWeight answers at
//    kStartRate added, so a new profile starts at kStartRate;
//  - a category's rate: its answers, with kCategoryWeight answers at the
//    learner's rate added, so a category with few answers leans on the rest;
//  - a question's chance: (right + c) / (answers + 1) with c its category's
//    rate, so a question never answered stands at its category's rate.
inline constexpr double kStartRate = 0.5;
inline constexpr double kStartWeight = 2;
inline constexpr double kCategoryWeight = 10;
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
