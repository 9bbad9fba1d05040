#pragma once

// A junction scene of the question bank as data (data/krizovatky/scenes.txt):
// read by the tool that draws the scene and by the test that works out, from
// the priority rules, the order in which its road users pass.
//
// A junction has up to four arms, N, E, S and W (north at the top of the picture).
// Right-hand traffic: a user coming from an arm waits in that arm's right lane.

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace junction {

enum Arm { N, E, S, W };
enum class Kind { Car, Tram, Bicycle, Emergency };

inline std::optional<Arm> armOf(const QString& s) {
    static const QStringList names{QStringLiteral("N"), QStringLiteral("E"), QStringLiteral("S"),
                                   QStringLiteral("W")};
    const int i = names.indexOf(s);
    return i < 0 ? std::nullopt : std::optional<Arm>(Arm(i));
}

// Seen from a driver who comes in from the given arm (N: driving south, ...).
inline Arm opposite(Arm a) {
    return Arm((a + 2) % 4);
}
inline Arm rightOf(Arm a) {
    return Arm((a + 3) % 4);
} // from N the right hand points west
inline Arm leftOf(Arm a) {
    return Arm((a + 1) % 4);
}
// The next arm a vehicle meets going round a roundabout (anticlockwise: S, E, N, W).
inline Arm nextRound(Arm a) {
    return Arm((a + 3) % 4);
}

// Where the arm `a` lies on the shape plate (E2) at the entry `approach`: a
// plate shows the junction as the driver coming from that entry sees it, with
// his own arm at the bottom (S), the road ahead at the top.
inline Arm asSeenFrom(Arm approach, Arm a) {
    return Arm((a + S - approach + 4) % 4);
}

struct User {
    QString name; // as the answers name it: "zelené", "tramvaj", "cyklista", ...
    Kind kind = Kind::Car;
    Arm from = N, to = N;
    bool inCircle = false;    // roundabout: already past its entry, before the next arm
    bool signalsTurn = false; // gives the signal of a change of direction (a turning tram)
};

struct Scene {
    int number = 0;
    QString ask; // "order", "first" or "last"
    QList<Arm> arms;
    QList<Arm> main;         // the two arms of the main road; empty: no priority signs
    QString signs[4];        // P1, P2, P4, P6 by arm
    bool roundabout = false; // C1 at every entry
    QList<User> users;
    int line = 0;

    bool isMain(Arm a) const { return main.contains(a); }
    bool mainBends() const { return main.size() == 2 && opposite(main[0]) != main[1]; }
};

// Reads the scenes file: blocks "scene <number>" ... "end", '#' starts a comment.
// Returns the scenes; a malformed line puts its text into `error` and stops.
inline QList<Scene> parseScenes(const QString& text, QString& error) {
    QList<Scene> scenes;
    std::optional<Scene> open;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        const int hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            line.truncate(hash);
        const QStringList w = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (w.isEmpty())
            continue;
        auto bad = [&](const QString& why) {
            error = QStringLiteral("line %1: %2: %3").arg(i + 1).arg(why, lines[i]);
            return QList<Scene>{};
        };
        const QString& key = w[0];
        if (key == QLatin1String("scene")) {
            if (open || w.size() != 2)
                return bad(QStringLiteral("scene inside a scene or without a number"));
            open = Scene{};
            open->number = w[1].toInt();
            open->line = i + 1;
            continue;
        }
        if (!open)
            return bad(QStringLiteral("outside a scene"));
        if (key == QLatin1String("end")) {
            scenes << *open;
            open.reset();
        } else if (key == QLatin1String("ask") && w.size() == 2) {
            open->ask = w[1];
        } else if (key == QLatin1String("roundabout") && w.size() == 1) {
            open->roundabout = true;
        } else if ((key == QLatin1String("arms") || key == QLatin1String("main")) && w.size() > 1) {
            QList<Arm>& list = key == QLatin1String("arms") ? open->arms : open->main;
            for (int k = 1; k < w.size(); ++k) {
                const auto a = armOf(w[k]);
                if (!a)
                    return bad(QStringLiteral("unknown arm"));
                list << *a;
            }
        } else if (key == QLatin1String("sign") && w.size() == 3 && armOf(w[1])) {
            open->signs[*armOf(w[1])] = w[2];
        } else if (key == QLatin1String("user") && w.size() >= 5 && w.size() <= 7) {
            User u;
            u.name = w[1];
            static const QStringList kinds{QStringLiteral("car"), QStringLiteral("tram"),
                                           QStringLiteral("bicycle"), QStringLiteral("emergency")};
            const int kind = kinds.indexOf(w[2]);
            const auto from = armOf(w[3]), to = armOf(w[4]);
            if (kind < 0 || !from || !to)
                return bad(QStringLiteral("unknown kind or arm"));
            u.kind = Kind(kind);
            u.from = *from;
            u.to = *to;
            for (int k = 5; k < w.size(); ++k) {
                if (w[k] == QLatin1String("incircle") && !u.inCircle)
                    u.inCircle = true;
                else if (w[k] == QLatin1String("signals") && !u.signalsTurn)
                    u.signalsTurn = true;
                else
                    return bad(QStringLiteral("unknown user flag"));
            }
            open->users << u;
        } else {
            return bad(QStringLiteral("unknown line"));
        }
    }
    if (open)
        error = QStringLiteral("scene %1 has no end").arg(open->number);
    return scenes;
}

} // namespace junction
