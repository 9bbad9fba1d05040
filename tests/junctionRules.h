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
    if (a.to == b.to)
        return true;
    const double a1 = std::min(entryPoint(a), exitPoint(a));
    const double a2 = std::max(entryPoint(a), exitPoint(a));
    auto inside = [&](double p) { return p > a1 && p < a2; };
    return inside(entryPoint(b)) != inside(exitPoint(b));
}

// --- Who gives way --------------------------------------------------------

enum class Yield { No, Yes, Undecided };

inline bool turnsLeft(const User& u) {
    return u.to == leftOf(u.from);
}

// Does `a` give way to `b`? Only asked of users whose paths conflict.
inline Yield yields(const Scene& s, const User& a, const User& b) {
    // § 41: everyone gives way to a vehicle using blue lights and siren.
    const bool ea = a.kind == Kind::Emergency, eb = b.kind == Kind::Emergency;
    if (ea != eb)
        return eb ? Yield::Yes : Yield::No;
    if (ea)
        return Yield::Undecided;

    if (s.roundabout) {
        if (a.inCircle == b.inCircle)
            return Yield::Undecided;
        const User& waiting = a.inCircle ? b : a;
        // With "Dej přednost v jízdě!" at the entry the circle goes first; with
        // C1 alone the entering vehicle comes from the right and goes first.
        const bool circleFirst = s.signs[waiting.from] == QLatin1String("P4") ||
                                 s.signs[waiting.from] == QLatin1String("P6");
        const bool aFirst = circleFirst == a.inCircle;
        return aFirst ? Yield::No : Yield::Yes;
    }

    // § 22: the side road gives way to the main road.
    const bool ma = s.isMain(a.from), mb = s.isMain(b.from);
    if (ma != mb)
        return mb ? Yield::Yes : Yield::No;
    // Along a bending main road "oncoming" and "from the right" part ways; no scene relies on it.
    if (ma && s.mainBends())
        return Yield::Undecided;

    // Between otherwise equal vehicles the tram goes first.
    const bool ta = a.kind == Kind::Tram, tb = b.kind == Kind::Tram;
    if (ta != tb)
        return tb ? Yield::Yes : Yield::No;
    if (ta)
        return Yield::Undecided;

    // § 21: turning left gives way to oncoming vehicles.
    if (b.from == opposite(a.from)) {
        if (turnsLeft(a) != turnsLeft(b))
            return turnsLeft(a) ? Yield::Yes : Yield::No;
        return Yield::Undecided;
    }
    // The right-hand rule.
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
