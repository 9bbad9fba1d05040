#pragma once

// The Czech priority rules for the junction scenes of the question bank, small
// enough to read against the law: the order in which a scene's road users pass
// is computed here, never typed in.

#include "junctionScene.h"

namespace junction {

// --- Who meets whom -------------------------------------------------------

// Paths as chords of the junction's outline. Going clockwise from the north
// arm each arm offers its entry lane, the middle (rails) and its exit lane;
// two paths cross when their end points interleave, and meet when they leave
// by the same arm.
inline double entryPoint(const User& u) {
    return u.from * 2 + (u.kind == Kind::Tram ? 0.5 : 0.0);
}
inline double exitPoint(const User& u) {
    return u.to * 2 + (u.kind == Kind::Tram ? 0.5 : 1.0);
}

// Roundabout: the arms whose entries a user passes before leaving.
inline QList<Arm> passedEntries(const User& u) {
    QList<Arm> passed;
    Arm a = nextRound(u.from);
    while (a != u.to && passed.size() < 4) {
        passed << a;
        a = nextRound(a);
    }
    return passed;
}

// Do the two paths cross inside the junction (their chords interleave)?
inline bool crosses(const User& a, const User& b) {
    const double a1 = std::min(entryPoint(a), exitPoint(a));
    const double a2 = std::max(entryPoint(a), exitPoint(a));
    auto inside = [&](double p) { return p > a1 && p < a2; };
    return inside(entryPoint(b)) != inside(exitPoint(b));
}

inline bool conflict(const Scene& s, const User& a, const User& b) {
    if (s.roundabout) {
        // Only a user in the circle and one waiting at the entry it reaches next
        // compete; two waiting users are sorted out by who is in the circle first.
        if (a.inCircle == b.inCircle)
            return !a.inCircle;
        const User& circle = a.inCircle ? a : b;
        const User& waiting = a.inCircle ? b : a;
        return !passedEntries(circle).isEmpty() && passedEntries(circle).first() == waiting.from;
    }
    return a.to == b.to || crosses(a, b);
}

// --- Who gives way --------------------------------------------------------
//
// Citations: § and odst. of zákon č. 361/2000 Sb. unless a sign code or
// vyhláška č. 294/2015 Sb. is named. A tram driver is a driver and a tram a
// vehicle (§ 2 písm. d) and f)): a tram gives way like any other vehicle and
// has priority only where a provision below gives it.

enum class Yield { No, Yes, Undecided };

inline bool turnsLeft(const User& u) {
    return u.to == leftOf(u.from);
}
inline bool turns(const User& u) {
    return u.to != opposite(u.from);
}

// § 21 odst. 5: a driver turning left gives way to oncoming vehicles and to
// trams going in both directions (also the one beside him in his own direction).
inline bool leftTurnGivesWay(const User& a, const User& b) {
    if (!turnsLeft(a))
        return false;
    return b.from == opposite(a.from) || (b.kind == Kind::Tram && b.from == a.from);
}

// § 21 odst. 7: a tram that turns, gives the signal and so crosses the path of
// a vehicle going beside it has priority over that vehicle.
inline bool tramCrossesAlongside(const User& tram, const User& other) {
    return tram.kind == Kind::Tram && other.kind != Kind::Tram && tram.from == other.from &&
           turns(tram) && tram.signalsTurn && crosses(tram, other);
}

// Does `a` give way to `b`? Only asked of users whose paths conflict.
inline Yield yields(const Scene& s, const User& a, const User& b) {
    // § 41 odst. 7: every other driver lets a vehicle with the blue light and the
    // siren pass safely and smoothly (odst. 1 frees it from § 21 odst. 5 and § 22).
    const bool ea = a.kind == Kind::Emergency, eb = b.kind == Kind::Emergency;
    if (ea != eb)
        return eb ? Yield::Yes : Yield::No;
    if (ea)
        return Yield::Undecided;

    if (s.roundabout) {
        if (a.inCircle == b.inCircle)
            return Yield::Undecided;
        const User& waiting = a.inCircle ? b : a;
        // § 22 odst. 5, značka C 1 with P 4 or P 6 at the entry: the circle goes
        // first. C 1 alone: § 22 odst. 2, the entering vehicle comes from the right.
        const bool circleFirst = s.signs[waiting.from] == QLatin1String("P4") ||
                                 s.signs[waiting.from] == QLatin1String("P6");
        const bool aFirst = circleFirst == a.inCircle;
        return aFirst ? Yield::No : Yield::Yes;
    }

    // § 22 odst. 1, značky P 1, P 2 (main road) and P 4, P 6 (side road), valid
    // for the nearest junction (§ 3 odst. 5 vyhlášky č. 294/2015 Sb.): the side
    // road gives way to the main road.
    const bool ma = s.isMain(a.from), mb = s.isMain(b.from);
    if (ma != mb)
        return mb ? Yield::Yes : Yield::No;
    // Along a bending main road (shape plate E 2b or E 2c) "oncoming" and "from
    // the right" part ways; no scene relies on it.
    if (ma && s.mainBends())
        return Yield::Undecided;

    // § 21 odst. 7: the signalling tram turning across the vehicle beside it.
    if (tramCrossesAlongside(a, b) || tramCrossesAlongside(b, a))
        return tramCrossesAlongside(b, a) ? Yield::Yes : Yield::No;

    // § 21 odst. 5: turning left gives way to oncoming vehicles and trams both ways.
    const bool la = leftTurnGivesWay(a, b), lb = leftTurnGivesWay(b, a);
    if (la || lb)
        return la == lb ? Yield::Undecided : la ? Yield::Yes : Yield::No;
    if (b.from == opposite(a.from))
        return Yield::Undecided;

    // § 22 odst. 2: the right-hand rule, for trams as for every vehicle.
    if (b.from == rightOf(a.from))
        return Yield::Yes;
    if (b.from == leftOf(a.from))
        return Yield::No;
    return Yield::Undecided; // same entry: a queue, not a priority question
}

// --- The order ------------------------------------------------------------

struct Order {
    QList<QList<int>> steps; // indices into Scene::users; each step lets go those free together
    QString problem;         // empty when every user can go in turn

    bool strict() const {
        for (const QList<int>& step : steps)
            if (step.size() != 1)
                return false;
        return true;
    }
    QList<int> users() const {
        QList<int> all;
        for (const QList<int>& step : steps)
            all << step;
        return all;
    }
};

// Repeatedly lets go the users that give way to nobody still waiting.
inline Order passingOrder(const Scene& s) {
    Order order;
    const int n = int(s.users.size());
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (i != j && conflict(s, s.users[i], s.users[j])) {
                const Yield ij = yields(s, s.users[i], s.users[j]);
                const Yield ji = yields(s, s.users[j], s.users[i]);
                if (ij == Yield::Undecided || ji == Yield::Undecided || ij == ji) {
                    order.problem = QStringLiteral("the rules do not rank %1 and %2")
                                        .arg(s.users[i].name, s.users[j].name);
                    return order;
                }
            }
    QList<int> waiting;
    for (int i = 0; i < n; ++i)
        waiting << i;
    while (!waiting.isEmpty()) {
        QList<int> free;
        for (int i : waiting) {
            bool blocked = false;
            for (int j : waiting)
                if (i != j && conflict(s, s.users[i], s.users[j]) &&
                    yields(s, s.users[i], s.users[j]) == Yield::Yes)
                    blocked = true;
            if (!blocked)
                free << i;
        }
        if (free.isEmpty()) {
            order.problem = QStringLiteral("deadlock: everyone waiting gives way to someone");
            return order;
        }
        order.steps << free;
        for (int i : free)
            waiting.removeOne(i);
    }
    return order;
}

} // namespace junction
