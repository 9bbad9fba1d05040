#pragma once

#include "core/questions/question.h"
#include "core/questions/testPlan.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

class QRandomGenerator;

using TestQuestions = std::array<Question, testplan::kPositions>;

// Why no test could be drawn: a range holds fewer fitting questions than
// positions that draw from it.
struct DrawShortage {
    QString group;
    QString range;
    int needed = 0;
    int available = 0;
    QString message() const;
};

// Draws the 25 questions of a test for the group from the given questions:
// each position takes one fitting question of its range uniformly at random,
// never one already taken, and positions 1..10 end in ascending order. A range
// that runs short yields nothing and fills *shortage.
std::optional<TestQuestions> DrawTest(const QList<Question>& bank, const QString& group,
                                      QRandomGenerator& generator, DrawShortage* shortage);
