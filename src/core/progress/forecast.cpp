#include "core/progress/forecast.h"

#include "core/questions/bank.h"
#include "core/questions/testPlan.h"

#include <vector>

namespace forecast {

Chances rightChances(const QList<AnswerRecord>& history) {
    std::array<int, bank::kQuestionCount + 1> answers{}, right{};
    // Walking back from the latest answer, each question counts only its
    // latest few.
    for (qsizetype i = history.size() - 1; i >= 0; --i) {
        const AnswerRecord& a = history[i];
        if (a.number < 1 || a.number > bank::kQuestionCount || answers[a.number] >= kRecentAnswers)
            continue;
        answers[a.number] += 1;
        right[a.number] += a.right && !a.hint ? 1 : 0;
    }
    std::array<double, bank::kCategoryCount + 1> categoryAnswers{}, categoryRight{};
    double allAnswers = 0, allRight = 0;
    for (int n = 1; n <= bank::kQuestionCount; ++n) {
        const int category = bank::categoryOf(n).value_or(0);
        categoryAnswers[category] += answers[n];
        categoryRight[category] += right[n];
        allAnswers += answers[n];
        allRight += right[n];
    }
    const double learner = (allRight + kStartWeight * kStartRate) / (allAnswers + kStartWeight);
    Chances chances{};
    for (int n = 1; n <= bank::kQuestionCount; ++n) {
        const int category = bank::categoryOf(n).value_or(0);
        const double rate = (categoryRight[category] + kCategoryWeight * learner) /
                            (categoryAnswers[category] + kCategoryWeight);
        chances[n] = (right[n] + rate) / (answers[n] + 1.0);
    }
    return chances;
}

std::optional<Forecast> simulate(const Chances& chances, const BankIndex& index,
                                 const QString& group, int tests, QRandomGenerator& generator) {
    const auto minPoints = testplan::MinPointsForGroup(group);
    if (!minPoints || tests <= 0)
        return std::nullopt;
    struct Pool {
        std::vector<int> numbers;
        int positions;
        int points;
    };
    std::vector<Pool> pools;
    for (const testplan::Slot& slot : testplan::plan()) {
        Pool pool{{}, slot.positions(), slot.points};
        for (int n = 1; n <= bank::kQuestionCount; ++n)
            if (slot.contains(n) && index.present[n] && bank::drawMatches(group, index.group[n]))
                pool.numbers.push_back(n);
        if (int(pool.numbers.size()) < pool.positions)
            return std::nullopt;
        pools.push_back(std::move(pool));
    }
    Forecast f;
    f.tests = tests;
    f.minPoints = *minPoints;
    qint64 pointsSum = 0;
    for (int t = 0; t < tests; ++t) {
        int points = 0;
        for (Pool& pool : pools) {
            // A partial shuffle draws the slot's positions without repeats;
            // the pool stays a permutation, so no copy is needed.
            const int size = int(pool.numbers.size());
            for (int k = 0; k < pool.positions; ++k) {
                const int j = k + int(generator.bounded(quint32(size - k)));
                std::swap(pool.numbers[k], pool.numbers[j]);
                if (generator.generateDouble() < chances[pool.numbers[k]])
                    points += pool.points;
            }
        }
        pointsSum += points;
        f.passed += points >= *minPoints ? 1 : 0;
    }
    f.meanPoints = double(pointsSum) / tests;
    return f;
}

} // namespace forecast
