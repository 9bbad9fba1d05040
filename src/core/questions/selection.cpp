#include "core/questions/selection.h"

#include "core/questions/bank.h"

#include <QSet>

BankIndex BankIndex::from(const QList<Question>& questions) {
    BankIndex index;
    for (const Question& q : questions)
        if (q.number >= 1 && q.number <= bank::kQuestionCount) {
            index.present[q.number] = true;
            index.group[q.number] = q.group;
        }
    return index;
}

bool Selection::eligible(const BankIndex& index, int number) const {
    const auto category = bank::categoryOf(number);
    return category && categories[*category - 1] && !bank::isRetired(number) &&
           index.present[number] && bank::drawMatches(group, index.group[number]);
}

int Selection::count(const BankIndex& index) const {
    int n = 0;
    for (int i = 1; i <= bank::kQuestionCount; ++i)
        n += eligible(index, i);
    return n;
}

std::optional<int> Selection::numberAt(const BankIndex& index, int position) const {
    // Categories are consecutive ranges, so ascending numbers visit them in order.
    for (int i = 1; i <= bank::kQuestionCount; ++i)
        if (eligible(index, i) && --position == 0)
            return i;
    return std::nullopt;
}

std::optional<int> Selection::nextSequential(const BankIndex& index, int current) const {
    for (int step = 1; step <= bank::kQuestionCount; ++step) {
        const int candidate =
            (current + step - 1 + bank::kQuestionCount) % bank::kQuestionCount + 1;
        if (eligible(index, candidate))
            return candidate;
    }
    return std::nullopt;
}

std::optional<int> Selection::nextRandom(const BankIndex& index, const QList<int>& taken,
                                         QRandomGenerator& generator) const {
    const QSet<int> asked(taken.begin(), taken.end());
    QList<int> open;
    for (int i = 1; i <= bank::kQuestionCount; ++i)
        if (!asked.contains(i) && eligible(index, i))
            open << i;
    if (open.isEmpty())
        return std::nullopt;
    return open[int(generator.bounded(quint32(open.size())))];
}
