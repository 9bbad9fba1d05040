#pragma once

#include "questions/selection.h"
#include "results/answerHistory.h"
#include "results/forecast.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <optional>

// One point of a chart over time.
struct ProgressPoint {
    QDateTime when;
    int value = 0;
};

// How one category stands for the learner's group.
struct CategoryProgress {
    int questions = 0;   // questions of the category the group is asked
    int seen = 0;        // of them answered at least once
    int rightAtLast = 0; // of them answered right the last time
    int neverSeen() const { return questions - seen; }
};

// Everything the progress view shows for one profile.
struct Progress {
    QList<ProgressPoint> practice;    // success rate in % of stored practice runs
    QList<ProgressPoint> examination; // the same of examinations
    QList<ProgressPoint> tests;       // points of stored points tests
    std::optional<int> minPoints;     // of the learner's group
    std::array<CategoryProgress, 7> categories{};
    int answers = 0; // answers in the history
    std::optional<forecast::Forecast> forecast;
};

// The categories by the last answer to each question; questions the group is
// not asked and retired ones do not count.
std::array<CategoryProgress, 7> categoryProgress(const QList<AnswerRecord>& history,
                                                 const BankIndex& index, const QString& group);

// Reads the profile's results, protocols and answers from the folder and
// simulates the forecast. A table not written yet reads as empty; a store
// failure yields nothing and fills *error.
std::optional<Progress> gatherProgress(const QString& folder, const QString& profile,
                                       const QString& group, const BankIndex& index,
                                       QRandomGenerator& generator, StoreError* error);
