#pragma once

#include "questions/selection.h"
#include "results/answerHistory.h"

#include <QDateTime>
#include <QList>
#include <QRandomGenerator>

#include <array>
#include <optional>

// The drill of the weakest questions, by a Leitner rule of five boxes.
// Replaying the learner's history in order, a wrong or hinted answer puts the
// question into box 1 and a right one moves it up one box (5 at most). A
// question is due again when it has waited its box's days since its last
// answer: box 1 at once, then 1, 3, 7 and 14 days.
namespace drill {

inline constexpr int kBoxes = 5;
inline constexpr std::array<int, kBoxes> kWaitDays{0, 1, 3, 7, 14};

struct Card {
    int box = 0; // 0: never answered
    QDateTime last;
    bool seen() const { return box > 0; }
    bool due(const QDateTime& now) const;
};

using Cards = std::array<Card, 758>; // by question number

Cards replay(const QList<AnswerRecord>& history);

// The questions of a drill of count questions, in the order to ask them,
// from the questions the selection allows: due questions first, lower boxes
// and longer waits before the others; one place in four, from the fourth on,
// goes to a never-answered question drawn at random. When due and new
// questions run out, those that are not due yet follow, soonest due first.
QList<int> DrillOrder(const Cards& cards, const BankIndex& index, const Selection& selection,
                      int count, const QDateTime& now, QRandomGenerator& generator);

} // namespace drill
