// Build-time tool: draws every junction scene as a 300 x 175 SVG picture.
//
//   draw-junctions <scenes.txt> <output folder>
//
// The pictures are made from the same scene data that the priority rules are
// checked on, so a picture cannot show another situation than its question
// asks about. Cars, signs and arrow heads come from common/krizovatky-defs.svgf.
#include "junctionScene.h"

#include <QDir>
#include <QFile>
#include <QPointF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace junction;

namespace {

constexpr double kWidth = 300, kHeight = 175;
const QPointF kCentre(150, 88);
constexpr double kHalfRoad = 24; // two lanes of 12 px
constexpr double kRing = 50;     // outer edge of a roundabout
constexpr double kIsland = 22;
constexpr double kRingLane = 37;
constexpr double kPi = 3.14159265358979;

// Unit vector from the centre out along an arm; screen y grows downwards.
QPointF out(Arm a) {
    switch (a) {
    case N:
        return {0, -1};
    case E:
        return {1, 0};
    case S:
        return {0, 1};
    case W:
        return {-1, 0};
    }
    return {};
}
// The right hand of someone heading along h.
QPointF rightHand(QPointF h) {
    return {-h.y(), h.x()};
}
double degrees(QPointF v) {
    return std::atan2(v.y(), v.x()) * 180 / kPi;
}
QString pt(QPointF p) {
    return QStringLiteral("%1 %2").arg(p.x(), 0, 'f', 1).arg(p.y(), 0, 'f', 1);
}
QPointF polar(double angleDeg, double r) {
    const double a = angleDeg * kPi / 180;
    return kCentre + QPointF(std::cos(a), std::sin(a)) * r;
}

struct Look {
    QString body, arrow;
};
Look lookOf(const User& u) {
    if (u.kind == Kind::Tram)
        return {QStringLiteral("#e4e1d8"), QStringLiteral("#4a4a4a")};
    if (u.kind == Kind::Bicycle)
        return {QStringLiteral("#f07800"), QStringLiteral("#e06a00")};
    if (u.name == QStringLiteral("zelené"))
        return {QStringLiteral("#24a23c"), QStringLiteral("#1d9434")};
    if (u.name == QStringLiteral("modré"))
        return {QStringLiteral("#2163dc"), QStringLiteral("#1d55d0")};
    if (u.name == QStringLiteral("červené"))
        return {QStringLiteral("#dc2424"), QStringLiteral("#d42020")};
    if (u.name == QStringLiteral("žluté"))
        return {QStringLiteral("#f6d020"), QStringLiteral("#e2b400")};
    std::fprintf(stderr, "draw-junctions: no colour for %s\n", qPrintable(u.name));
    std::exit(1);
}

double lengthOf(Kind k) {
    switch (k) {
    case Kind::Car:
        return 22;
    case Kind::Emergency:
        return 26;
    case Kind::Tram:
        return 40;
    case Kind::Bicycle:
        return 18;
    }
    return 22;
}
QString symbolOf(Kind k) {
    switch (k) {
    case Kind::Car:
        return QStringLiteral("k-car");
    case Kind::Emergency:
        return QStringLiteral("k-emergency");
    case Kind::Tram:
        return QStringLiteral("k-tram");
    case Kind::Bicycle:
        return QStringLiteral("k-bicycle");
    }
    return {};
}
// Distance of the user's track from the middle of the road: trams run in the
// middle, cyclists keep to the right edge.
double laneOf(Kind k) {
    switch (k) {
    case Kind::Tram:
        return 0;
    case Kind::Bicycle:
        return 16;
    default:
        return 12;
    }
}

struct Drawing {
    QStringList roads, marks, rails, arrows, heads, users, signs;

    QString svg() const {
        QStringList all{QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                       "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"300\" "
                                       "height=\"175\" viewBox=\"0 0 300 175\">"),
                        QStringLiteral("<?include common/krizovatky-defs.svgf?>"),
                        QStringLiteral("<rect width=\"300\" height=\"175\" fill=\"#dde8d0\"/>")};
        all << roads << marks << rails << arrows << heads << users << signs
            << QStringLiteral("</svg>");
        return all.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
};

QString line(QPointF a, QPointF b, const QString& style) {
    return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" %5/>")
        .arg(a.x(), 0, 'f', 1)
        .arg(a.y(), 0, 'f', 1)
        .arg(b.x(), 0, 'f', 1)
        .arg(b.y(), 0, 'f', 1)
        .arg(style);
}

// Where an arm leaves the picture, measured from the centre.
double armLength(Arm a) {
    return (a == N || a == S) ? kHeight / 2 + 2 : kWidth / 2 + 2;
}

void drawArms(const Scene& s, double mouth, const QList<Arm>& railArms, Drawing& d) {
    const QString edge = QStringLiteral("stroke=\"#ffffff\" stroke-width=\"1.3\"");
    for (Arm a : s.arms) {
        const QPointF o = out(a), side = rightHand(o);
        const QPointF far = kCentre + o * armLength(a);
        const QPointF corners[] = {kCentre + side * kHalfRoad, far + side * kHalfRoad,
                                   far - side * kHalfRoad, kCentre - side * kHalfRoad};
        d.roads << QStringLiteral("<polygon points=\"%1 %2 %3 %4\" fill=\"#8d8f91\"/>")
                       .arg(pt(corners[0]), pt(corners[1]), pt(corners[2]), pt(corners[3]));
        const QPointF from = kCentre + o * mouth;
        for (double sgn : {-1.0, 1.0})
            d.marks << line(from + side * sgn * (kHalfRoad - 2), far + side * sgn * (kHalfRoad - 2),
                            edge);
        if (!railArms.contains(a))
            d.marks << line(from + o * 2, far,
                            QStringLiteral("stroke=\"#ffffff\" stroke-width=\"1.3\" "
                                           "stroke-dasharray=\"7,5\""));
        // Stop line or give-way line across the entry lane.
        const QString& sign = s.signs[a];
        if (sign == QLatin1String("P4") || sign == QLatin1String("P6")) {
            const QPointF in = rightHand(-o);
            const QPointF at = kCentre + o * (mouth + 1.5);
            d.marks << line(at + in * 1, at + in * (kHalfRoad - 2),
                            sign == QLatin1String("P6")
                                ? QStringLiteral("stroke=\"#ffffff\" stroke-width=\"2.4\"")
                                : QStringLiteral("stroke=\"#ffffff\" stroke-width=\"2\" "
                                                 "stroke-dasharray=\"2.5,1.8\""));
        }
    }
}

void drawJunctionBox(const Scene& s, Drawing& d) {
    d.roads << QStringLiteral(
                   "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"#8d8f91\"/>")
                   .arg(kCentre.x() - kHalfRoad)
                   .arg(kCentre.y() - kHalfRoad)
                   .arg(2 * kHalfRoad);
    // A missing arm leaves a closed edge. It joins the edge lines of the arms
    // beside it without a break: a gap there would read as a driveway.
    for (Arm a : {N, E, S, W})
        if (!s.arms.contains(a)) {
            const QPointF o = out(a), side = rightHand(o);
            const QPointF at = kCentre + o * (kHalfRoad - 2);
            // rightHand(out(a)) points towards the arm leftOf(a), its opposite towards rightOf(a).
            const double toLeftArm = s.arms.contains(leftOf(a)) ? kHalfRoad : kHalfRoad - 2;
            const double toRightArm = s.arms.contains(rightOf(a)) ? kHalfRoad : kHalfRoad - 2;
            d.marks << line(at + side * toLeftArm, at - side * toRightArm,
                            QStringLiteral("stroke=\"#ffffff\" stroke-width=\"1.3\""));
        }
}

void drawRoundabout(Drawing& d) {
    d.roads << QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#8d8f91\"/>")
                   .arg(kCentre.x())
                   .arg(kCentre.y())
                   .arg(kRing);
    d.marks << QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#cfe0bd\" "
                              "stroke=\"#ffffff\" stroke-width=\"1.5\"/>")
                   .arg(kCentre.x())
                   .arg(kCentre.y())
                   .arg(kIsland);
    d.marks << QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#b9d29f\"/>")
                   .arg(kCentre.x())
                   .arg(kCentre.y())
                   .arg(kIsland - 7);
}

// The outer edge line of a roundabout, broken where the arms join it.
void drawRingEdge(const Scene& s, Drawing& d) {
    const double r = kRing - 2;
    const double gap = std::asin((kHalfRoad + 2) / r) * 180 / kPi;
    auto armAt = [&](int quarter) { // 0 = east, clockwise on screen
        static const Arm byQuarter[] = {E, S, W, N};
        return s.arms.contains(byQuarter[quarter % 4]);
    };
    for (int k = 0; k < 4; ++k) {
        const QPointF p = polar(k * 90.0 + (armAt(k) ? gap : 0), r);
        const QPointF q = polar((k + 1) * 90.0 - (armAt(k + 1) ? gap : 0), r);
        d.marks << QStringLiteral(
                       "<path d=\"M %1 A %2 %2 0 0 1 %3\" fill=\"none\" stroke=\"#ffffff\" "
                       "stroke-width=\"1.3\"/>")
                       .arg(pt(p))
                       .arg(r)
                       .arg(pt(q));
    }
}

// Track of a user through an ordinary junction: in along its lane, a quarter
// turn or straight on, out along the lane of the exit arm.
struct Track {
    QString path;
    QPointF end, endDir, start, startDir;
};

Track ordinaryTrack(const User& u, double mouth) {
    const double lane = laneOf(u.kind);
    const QPointF oIn = out(u.from), oOut = out(u.to);
    const QPointF heading = -oIn;
    const QPointF p0 = kCentre + oIn * mouth + rightHand(heading) * lane;
    const QPointF p1 = kCentre + oOut * mouth + rightHand(oOut) * lane;
    QPointF ctrl;
    if (std::abs(heading.x()) > 0.5)
        ctrl = QPointF(p1.x(), p0.y());
    else
        ctrl = QPointF(p0.x(), p1.y());
    Track t;
    t.start = p0;
    t.startDir = heading;
    t.endDir = oOut;
    const bool straight = u.to == opposite(u.from);
    t.path = straight ? QStringLiteral("L %1").arg(pt(p1))
                      : QStringLiteral("Q %1 %2").arg(pt(ctrl), pt(p1));
    t.end = p1;
    return t;
}

// Angles on screen grow clockwise; traffic round a roundabout runs the other way.
// Users already in the circle keep to its outer part, so that their arrows do
// not hide those of the users joining it.
double ringLaneOf(const User& u) {
    return u.inCircle ? kRingLane + 2 : kRingLane - 3;
}

Track roundTrack(const User& u) {
    const double lane = laneOf(u.kind);
    const double ring = ringLaneOf(u);
    Track t;
    double startAngle;
    QString lead;
    if (u.inCircle) {
        startAngle = degrees(out(u.from)) - 45;
        t.start = polar(startAngle, ring);
        t.startDir = QPointF(std::sin(startAngle * kPi / 180), -std::cos(startAngle * kPi / 180));
        startAngle -= lengthOf(u.kind) / 2 / ring * 180 / kPi + 6;
        lead = QStringLiteral("L %1").arg(pt(polar(startAngle, ring)));
        t.start = polar(startAngle, ring); // the arrow starts at the nose
    } else {
        const QPointF o = out(u.from), heading = -o;
        t.start = kCentre + o * kRing + rightHand(heading) * lane;
        t.startDir = heading;
        startAngle = degrees(o) - 28;
        lead = QStringLiteral("Q %1 %2").arg(
            pt(kCentre + o * (ring + 3) + rightHand(heading) * lane), pt(polar(startAngle, ring)));
    }
    const QPointF oOut = out(u.to);
    double endAngle = degrees(oOut) + 28;
    double span = std::fmod(startAngle - endAngle + 720.0, 360.0);
    const QPointF ringEnd = polar(startAngle - span, ring);
    const QPointF p1 = kCentre + oOut * kRing + rightHand(oOut) * lane;
    t.path =
        QStringLiteral("%1 A %2 %2 0 %3 0 %4 Q %5 %6")
            .arg(lead)
            .arg(ring)
            .arg(span > 180 ? 1 : 0)
            .arg(pt(ringEnd), pt(kCentre + oOut * (ring + 3) + rightHand(oOut) * lane), pt(p1));
    t.end = p1;
    t.endDir = oOut;
    return t;
}

// The direction indicators of a user who signals a turn: an amber lamp at the
// front and at the back corner of the side it turns to, with short rays that
// point away from the body along its length (a neighbour may stand beside it).
QString blinkers(const User& u, QPointF body, QPointF facing, double length) {
    const double side = u.to == rightOf(u.from) ? 1 : u.to == leftOf(u.from) ? -1 : 0;
    if (side == 0)
        return {};
    QStringList parts{QStringLiteral("<g transform=\"translate(%1,%2) rotate(%3)\">")
                          .arg(body.x(), 0, 'f', 1)
                          .arg(body.y(), 0, 'f', 1)
                          .arg(degrees(facing), 0, 'f', 1)};
    for (double end : {1.0, -1.0}) {
        const QPointF lamp(end * (length / 2 - 2), side * 4.6);
        for (double spread : {-1.5, 0.0, 1.5})
            parts << line(lamp + QPointF(end * 2.8, side * spread * 0.8),
                          lamp + QPointF(end * 6, side * spread * 2),
                          QStringLiteral("stroke=\"#ff9000\" stroke-width=\"1.2\" "
                                         "stroke-linecap=\"round\""));
        parts << QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"2.3\" fill=\"#ffa000\" "
                                "stroke=\"#6a3a00\" stroke-width=\"0.5\"/>")
                     .arg(lamp.x(), 0, 'f', 1)
                     .arg(lamp.y(), 0, 'f', 1);
    }
    parts << QStringLiteral("</g>");
    return parts.join(QLatin1Char('\n'));
}

void drawUser(const Scene& s, int index, Drawing& d) {
    const User& u = s.users[index];
    int sameExit = 0; // users leaving by one arm get arrows of different length
    for (int i = 0; i < index; ++i)
        sameExit += s.users[i].to == u.to ? 1 : 0;
    const double mouth = s.roundabout ? kRing : kHalfRoad;
    const Look look = lookOf(u);
    const double length = lengthOf(u.kind);
    Track t = s.roundabout ? roundTrack(u) : ordinaryTrack(u, mouth);

    // The vehicle waits just before the junction, or sits in the circle.
    QPointF body;
    QPointF facing = t.startDir;
    QString begin;
    if (u.inCircle) {
        const double a = degrees(out(u.from)) - 45;
        body = polar(a, ringLaneOf(u));
        begin = pt(t.start);
    } else {
        body = t.start - facing * (3 + length / 2);
        begin = pt(body + facing * (length / 2 + 1));
    }
    const double tail = ((u.to == N || u.to == S) ? 14 : 20) + 9 * sameExit;
    const QPointF tip = t.end + t.endDir * tail;
    const QString path =
        QStringLiteral("M %1 %2 %3 L %4")
            .arg(begin, u.inCircle ? QString() : QStringLiteral("L %1").arg(pt(t.start)), t.path,
                 pt(tip - t.endDir * 4));

    if (u.kind == Kind::Tram) {
        // Rails all the way: from the picture's edge, through the turn, to the edge.
        const QPointF railStart = kCentre + out(u.from) * armLength(u.from);
        const QPointF railEnd = kCentre + out(u.to) * armLength(u.to);
        const QString rail = QStringLiteral("M %1 L %2 %3 L %4")
                                 .arg(pt(railStart), pt(t.start), t.path, pt(railEnd));
        d.rails << QStringLiteral(
                       "<path d=\"%1\" fill=\"none\" stroke=\"#4f4a44\" stroke-width=\"7\"/>")
                       .arg(rail)
                << QStringLiteral(
                       "<path d=\"%1\" fill=\"none\" stroke=\"#9a9c9e\" stroke-width=\"4.4\"/>")
                       .arg(rail);
    }
    d.arrows << QStringLiteral(
                    "<path d=\"%1\" fill=\"none\" stroke=\"#ffffff\" stroke-width=\"4.4\" "
                    "stroke-linejoin=\"round\" opacity=\"0.75\"/>")
                    .arg(path)
             << QStringLiteral("<path d=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"2.4\" "
                               "stroke-linejoin=\"round\"/>")
                    .arg(path, look.arrow);
    // Heads above every line, so that arrows sharing an exit all stay readable.
    d.heads << QStringLiteral("<use xlink:href=\"#k-head\" fill=\"%1\" transform=\"translate(%2) "
                              "rotate(%3)\"/>")
                   .arg(look.arrow, QString(pt(tip)).replace(QLatin1Char(' '), QLatin1Char(',')))
                   .arg(degrees(t.endDir), 0, 'f', 1);
    d.users << QStringLiteral("<use xlink:href=\"#%1\" fill=\"%2\" transform=\"translate(%3,%4) "
                              "rotate(%5)\"/>")
                   .arg(symbolOf(u.kind), look.body)
                   .arg(body.x(), 0, 'f', 1)
                   .arg(body.y(), 0, 'f', 1)
                   .arg(degrees(facing), 0, 'f', 1);
    if (u.signalsTurn)
        d.users << blinkers(u, body, facing, length);
}

// The plate E2 under a priority sign: the main road thick, side roads thin.
QString shapePlate(const Scene& s, Arm approach, QPointF at) {
    QStringList parts{QStringLiteral("<use xlink:href=\"#k-plate\" x=\"%1\" y=\"%2\"/>")
                          .arg(at.x(), 0, 'f', 1)
                          .arg(at.y(), 0, 'f', 1)};
    for (Arm a : s.arms) {
        const bool main = s.isMain(a);
        const QPointF dir = out(asSeenFrom(approach, a));
        const QPointF end = at + QPointF(dir.x() * 6.2, dir.y() * 4.4);
        parts << line(at, end,
                      QStringLiteral("stroke=\"#111\" stroke-width=\"%1\" stroke-linecap=\"round\"")
                          .arg(main ? 2.4 : 1.1));
    }
    return parts.join(QLatin1Char('\n'));
}

// Signs stand on the driver's right before the junction, stacked on one post
// that points away from the road.
void drawSigns(const Scene& s, Drawing& d) {
    for (Arm a : s.arms) {
        QStringList stack;
        if (!s.signs[a].isEmpty())
            stack << s.signs[a];
        if (s.roundabout)
            stack << QStringLiteral("C1");
        if (stack.isEmpty())
            continue;
        const bool plate = s.mainBends() && !s.roundabout;
        const QPointF o = out(a), side = rightHand(-o);
        const double along = s.roundabout ? kRing + 6 : kHalfRoad + 8;
        const QPointF anchor = kCentre + o * along + side * (kHalfRoad + 10);
        // The roundabout sign is drawn larger: its three arrows must stay readable.
        auto pitchOf = [](const QString& sign) {
            return sign == QLatin1String("C1") ? 21.0 : 15.0;
        };
        double height = plate ? 13 : 0;
        for (const QString& sign : stack)
            height += pitchOf(sign);
        const bool upwards = a == N || a == E;
        // Keep the whole post inside the picture.
        double y =
            std::clamp(upwards ? anchor.y() - height : anchor.y(), 1.0, kHeight - 1 - height);
        const double x = a == E && !s.roundabout ? anchor.x() + 2 : anchor.x();
        d.signs << line(QPointF(x, y + 7), QPointF(x, y + height),
                        QStringLiteral("stroke=\"#666\" stroke-width=\"1\""));
        for (const QString& sign : stack) {
            d.signs << QStringLiteral("<use xlink:href=\"#k-%1\" x=\"%2\" y=\"%3\"/>")
                           .arg(sign)
                           .arg(x, 0, 'f', 1)
                           .arg(y + pitchOf(sign) / 2, 0, 'f', 1);
            y += pitchOf(sign);
        }
        if (plate)
            d.signs << shapePlate(s, a, QPointF(x, y + 6));
    }
}

QString drawScene(const Scene& s) {
    Drawing d;
    QList<Arm> railArms;
    for (const User& u : s.users)
        if (u.kind == Kind::Tram)
            railArms << u.from << u.to;
    const double mouth = s.roundabout ? kRing : kHalfRoad;
    drawArms(s, mouth, railArms, d);
    if (s.roundabout) {
        drawRoundabout(d);
        drawRingEdge(s, d);
    } else {
        drawJunctionBox(s, d);
    }
    for (int i = 0; i < s.users.size(); ++i)
        drawUser(s, i, d);
    drawSigns(s, d);
    return d.svg();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw-junctions <scenes.txt> <output folder>\n");
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "draw-junctions: cannot read %s\n", argv[1]);
        return 1;
    }
    QString error;
    const QList<Scene> scenes = parseScenes(QString::fromUtf8(file.readAll()), error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "draw-junctions: %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    const QDir dir(QString::fromLocal8Bit(argv[2]));
    dir.mkpath(QStringLiteral("."));
    for (const Scene& s : scenes) {
        QFile svg(dir.filePath(QStringLiteral("k%1.svg").arg(s.number, 4, 10, QLatin1Char('0'))));
        if (!svg.open(QIODevice::WriteOnly) || svg.write(drawScene(s).toUtf8()) < 0) {
            std::fprintf(stderr, "draw-junctions: cannot write %s\n", qPrintable(svg.fileName()));
            return 1;
        }
    }
    return 0;
}
