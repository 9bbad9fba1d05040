#pragma once

#include "core/progress/forecast.h"
#include "core/questions/selection.h"
#include "core/records/answerHistory.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

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

// A time axis for points from first to last: ticks at equal steps of whole
// days (at noon, so a change of summer time cannot move a tick across
// midnight), or of whole hours when all fall on one day, so that no two ticks
// carry the same label.
struct TimeScale {
    QDateTime from, to;
    int ticks = 2;
    QString format; // QDateTime's format of the labels
};
TimeScale timeScale(const QDateTime& first, const QDateTime& last);

// Whole percentages of the parts that sum to exactly 100 (largest remainders
// get the rounding), all zero when the whole is.
QList<int> percentages(const QList<int>& parts);

// Everything the progress view shows for one profile.
struct Progress {
    QList<ProgressPoint> practice;    // success rate in % of stored practice runs
    QList<ProgressPoint> examination; // the same of examinations
    QList<ProgressPoint> tests;       // points of stored points tests
    std::optional<int> minPoints;     // of the learner's group
    std::array<CategoryProgress, 7> categories{};
    int answers = 0; // answers in the history
    std::optional<forecast::Forecast> forecast;
    QStringList unreadable; // what could not be read; the rest is still shown
};

// The categories by the last answer to each question; questions the group is
// not asked and retired ones do not count.
std::array<CategoryProgress, 7> categoryProgress(const QList<AnswerRecord>& history,
                                                 const BankIndex& index, const QString& group);

// Reads the profile's results, protocols and answers from the folder and
// simulates the forecast. A table not written yet reads as empty; a table that
// cannot be read leaves its part empty and adds its store error's message to
// Progress::unreadable.
Progress gatherProgress(const StorePlace& place, const QString& profile, const QString& group,
                        const BankIndex& index, QRandomGenerator& generator);
