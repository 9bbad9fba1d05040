#include "core/study/drill.h"

#include <algorithm>

namespace drill {

bool Card::due(const QDateTime& now) const {
    if (!seen())
        return false;
    return box == 1 || !last.isValid() || last.daysTo(now) >= kWaitDays[box - 1];
}

Cards replay(const QList<AnswerRecord>& history) {
    Cards cards{};
    for (const AnswerRecord& a : history) {
        if (a.number < 1 || a.number >= int(cards.size()))
            continue;
        Card& c = cards[a.number];
        c.box = a.right && !a.hint ? std::min(std::max(c.box, 1) + 1, kBoxes) : 1;
        c.last = a.answered;
    }
    return cards;
}

QList<int> drillOrder(const Cards& cards, const BankIndex& index, const Selection& selection,
                      int count, const QDateTime& now, QRandomGenerator& generator) {
    QList<int> due, waiting, fresh;
    for (int n = 1; n < int(cards.size()); ++n) {
        if (!selection.eligible(index, n))
            continue;
        const Card& c = cards[n];
        (c.due(now) ? due : c.seen() ? waiting : fresh) << n;
    }
    auto dueAt = [&](int n) { return cards[n].last.addDays(kWaitDays[cards[n].box - 1]); };
    std::stable_sort(due.begin(), due.end(), [&](int a, int b) {
        if (cards[a].box != cards[b].box)
            return cards[a].box < cards[b].box;
        return dueAt(a) < dueAt(b);
    });
    std::stable_sort(waiting.begin(), waiting.end(),
                     [&](int a, int b) { return dueAt(a) < dueAt(b); });
    // Fisher-Yates with the injected generator, so tests can fix the draw.
    for (qsizetype i = fresh.size() - 1; i > 0; --i)
        fresh.swapItemsAt(i, generator.bounded(int(i + 1)));

    QList<int> order;
    qsizetype d = 0, f = 0, w = 0;
    while (order.size() < count) {
        const bool freshTurn = order.size() % 4 == 3;
        if ((freshTurn || d == due.size()) && f < fresh.size())
            order << fresh[f++];
        else if (d < due.size())
            order << due[d++];
        else if (w < waiting.size())
            order << waiting[w++];
        else
            break;
    }
    return order;
}

} // namespace drill
