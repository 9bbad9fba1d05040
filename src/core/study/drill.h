#pragma once

#include "core/questions/bank.h"
#include "core/questions/selection.h"
#include "core/records/answerHistory.h"

#include <QDateTime>
#include <QList>
#include <QRandomGenerator>

#include <array>
#include <optional>

// The drill of the weakest questions, by a Leitner rule of five boxes.
// Replaying the learner's history in order:
//  - box 0 holds a question never answered;
//  - a wrong or hinted answer puts it into box 1, due again at once;
//  - a right answer moves it up one box, from box 0 or 1 straight to box 2
//    (5 at most), so a question answered right rests: 1 day in box 2, then
//    3, 7 and 14 days in boxes 3, 4 and 5.
// A drill asks the due questions first, box 1 before the rested ones and,
// within a box, the longest overdue first; every fourth place, and every place
// once the due ones run out, goes to a never-answered question drawn at
// random; the questions still resting come last, soonest due first.
namespace drill {

inline constexpr int kBoxes = 5;
inline constexpr std::array<int, kBoxes> kWaitDays{0, 1, 3, 7, 14}; // by box 1..5

struct Card {
    int box = 0; // 0: never answered
    QDateTime last;
    bool seen() const { return box > 0; }
    bool due(const QDateTime& now) const;
};

using Cards = std::array<Card, bank::kQuestionCount + 1>; // by question number

Cards replay(const QList<AnswerRecord>& history);

// The questions of a drill of count questions, in the order to ask them,
// from the questions the selection allows, by the rule above.
QList<int> drillOrder(const Cards& cards, const BankIndex& index, const Selection& selection,
                      int count, const QDateTime& now, QRandomGenerator& generator);

} // namespace drill
