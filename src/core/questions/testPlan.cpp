#include "core/questions/testPlan.h"

using namespace Qt::StringLiterals;

namespace testplan {

namespace {
constexpr NumberRange kNone{0, -1};
}

QString Slot::rangeText() const {
    const auto one = [](const NumberRange& r) { return u"%1–%2"_s.arg(r.low).arg(r.high); };
    if (ranges[1].low > ranges[1].high)
        return one(ranges[0]);
    return one(ranges[0]) + u" a "_s + one(ranges[1]);
}

const std::array<Slot, 6>& plan() {
    static const std::array<Slot, 6> plan{{
        {1, 10, 3, {{{1, 420}, kNone}}},
        {11, 14, 2, {{{421, 475}, kNone}}},
        {15, 16, 1, {{{476, 500}, {581, 620}}}},
        {17, 21, 2, {{{621, 720}, kNone}}},
        {22, 22, 3, {{{501, 580}, kNone}}},
        {23, 25, 4, {{{721, 757}, kNone}}},
    }};
    return plan;
}

const Slot& slotOf(int position) {
    for (const Slot& slot : plan())
        if (position >= slot.first && position <= slot.last)
            return slot;
    return plan().front();
}

int PositionPoints(int position) {
    return slotOf(position).points;
}

bool isSignPosition(int position) {
    return position >= 17 && position <= 21;
}

bool isJunctionPosition(int position) {
    return position >= 23 && position <= 25;
}

QString positionTitle(int position) {
    const int points = PositionPoints(position);
    return u"%1. otázka (%2 %3)"_s.arg(position).arg(points).arg(points == 1 ? u"bod"_s
                                                                             : u"body"_s);
}

std::optional<int> MinPointsForGroup(const QString& group) {
    if (group == u"A")
        return 56;
    if (group == u"A1")
        return 52;
    if (group == u"B")
        return 56;
    switch (group.isEmpty() ? QChar().unicode() : group.at(0).unicode()) {
    case u'A':
        return 50;
    case u'B':
        return 54;
    case u'C':
        return 59;
    case u'D':
        return 61;
    case u'T':
        return 54;
    default:
        return std::nullopt;
    }
}

} // namespace testplan
