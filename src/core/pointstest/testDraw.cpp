#include "core/pointstest/testDraw.h"

#include "core/questions/bank.h"

#include <QRandomGenerator>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

QString DrawShortage::message() const {
    return u"Test nelze sestavit: počet vhodných otázek pro skupinu %1 mezi otázkami %2 je %3, "
           u"test jich potřebuje %4. Zkontrolujte tabulku otázek otazky.DB."_s.arg(group, range)
               .arg(available)
               .arg(needed);
}

std::optional<TestQuestions> DrawTest(const QList<Question>& bank, const QString& group,
                                      QRandomGenerator& generator, DrawShortage* shortage) {
    TestQuestions test;
    for (const testplan::Slot& slot : testplan::plan()) {
        // Drawing from the fitting questions alone gives each of them the chance
        // a redraw-until-it-fits loop would, and always ends.
        QList<const Question*> pool;
        QSet<int> seen; // a number stored twice is still one question
        for (const Question& q : bank)
            if (slot.contains(q.number) && bank::drawMatches(group, q.group) &&
                !seen.contains(q.number)) {
                seen.insert(q.number);
                pool << &q;
            }
        if (pool.size() < slot.positions()) {
            if (shortage)
                *shortage = {group, slot.rangeText(), slot.positions(), int(pool.size())};
            return std::nullopt;
        }
        for (int p = slot.first; p <= slot.last; ++p) {
            const qsizetype pick = generator.bounded(int(pool.size()));
            test[p - 1] = *pool[pick];
            pool.removeAt(pick);
        }
    }
    std::stable_sort(test.begin(), test.begin() + testplan::kSortedPositions,
                     [](const Question& a, const Question& b) { return a.number < b.number; });
    return test;
}
