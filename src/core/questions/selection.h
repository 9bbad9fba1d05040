#pragma once

#include "core/questions/bank.h"
#include "core/questions/question.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <array>
#include <optional>

// What the draw needs to know of the question table: which numbers it holds
// and each one's Skupina.
struct BankIndex {
    std::array<bool, bank::kQuestionCount + 1> present{}; // by number
    std::array<QString, bank::kQuestionCount + 1> group;

    static BankIndex from(const QList<Question>& questions);
};

// The questions a practice or examination may ask: those of the enabled
// categories that the draw accepts for the group. Only numbers the draw can
// really give are counted, so a run as long as the count always completes.
struct Selection {
    std::array<bool, 7> categories{};
    QString group;

    bool eligible(const BankIndex& index, int number) const;
    int count(const BankIndex& index) const;
    // The number at a 1-based position, counting categories 1 to 7 and the
    // numbers of each in ascending order.
    std::optional<int> numberAt(const BankIndex& index, int position) const;
    // The first eligible number after current, wrapping after 757.
    std::optional<int> nextSequential(const BankIndex& index, int current) const;
    // A uniformly drawn eligible number that is not among those taken.
    std::optional<int> nextRandom(const BankIndex& index, const QList<int>& taken,
                                  QRandomGenerator& generator) const;
};
