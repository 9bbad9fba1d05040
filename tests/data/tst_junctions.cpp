// The junction questions are correct by construction: every scene of
// data/krizovatky/scenes.txt is ordered by the priority rules of junctionRules.h,
// and the question drawn from it must say exactly that order and nothing else.
#include "core/questions/bankSource.h"
#include "junctionRules.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <map>

using namespace junction;

namespace {

QList<Scene> loadScenes(QString& error) {
    QFile f(QStringLiteral(TARMELKA_SOURCE_DIR "/data/krizovatky/scenes.txt"));
    if (!f.open(QIODevice::ReadOnly)) {
        error = f.fileName() + QStringLiteral(": cannot read");
        return {};
    }
    return parseScenes(QString::fromUtf8(f.readAll()), error);
}

const QList<Scene>& scenes() {
    static QString error;
    static const QList<Scene> all = loadScenes(error);
    if (!error.isEmpty())
        qFatal("%s", qPrintable(error));
    return all;
}

const Scene* sceneFor(int number) {
    for (const Scene& s : scenes())
        if (s.number == number)
            return &s;
    return nullptr;
}

const std::map<int, Question>& junctionQuestions() {
    static const std::map<int, Question> questions = [] {
        std::map<int, Question> byNumber;
        const BankSource bank = readBankFolder(QStringLiteral(TARMELKA_SOURCE_DIR "/data/otazky"));
        for (const Question& q : bank.questions())
            if (q.number >= 721 && q.number <= 757)
                byNumber[q.number] = q;
        return byNumber;
    }();
    return questions;
}

// "Zelené vozidlo." -> "zelené", "Tramvaj." -> "tramvaj"
QString namedUser(const QString& answer) {
    QString text = answer;
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text.endsWith(QLatin1String(" vozidlo")))
        text.chop(8);
    return text.toLower();
}

// "1. zelené, 2. modré, 3. červené." -> {"zelené", "modré", "červené"}; empty when malformed.
QStringList namedOrder(const QString& answer) {
    if (!answer.endsWith(QLatin1Char('.')))
        return {};
    const QStringList parts = answer.chopped(1).split(QStringLiteral(", "));
    QStringList names;
    for (int i = 0; i < parts.size(); ++i) {
        const QString prefix = QString::number(i + 1) + QStringLiteral(". ");
        if (!parts[i].startsWith(prefix))
            return {};
        names << parts[i].mid(prefix.size());
    }
    return names;
}

QString askOf(const QString& questionText) {
    if (questionText.endsWith(QStringLiteral("V jakém pořadí projedou vozidla křižovatkou?")))
        return QStringLiteral("order");
    if (questionText.endsWith(QStringLiteral("projede křižovatkou jako první?")))
        return QStringLiteral("first");
    if (questionText.endsWith(QStringLiteral("projede křižovatkou jako poslední?")))
        return QStringLiteral("last");
    return {};
}

Scene sceneFromText(const char* text) {
    QString error;
    const QList<Scene> parsed = parseScenes(QString::fromUtf8(text), error);
    if (!error.isEmpty() || parsed.size() != 1)
        qFatal("bad scene in the test: %s", qPrintable(error));
    return parsed.first();
}

QString describe(const Scene& s, const Order& order) {
    QStringList steps;
    for (const QList<int>& step : order.steps) {
        QStringList names;
        for (int i : step)
            names << s.users[i].name;
        steps << names.join(QLatin1Char('+'));
    }
    return order.problem.isEmpty() ? steps.join(QLatin1Char(' ')) : order.problem;
}

} // namespace

class TestJunctions : public QObject {
    Q_OBJECT

  private slots:
    // The rules themselves, on textbook situations whose outcome every learner knows.
    void rules_data() {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QString>("expected"); // steps of users free together, or a problem

        QTest::newRow("right-hand rule")
            << QStringLiteral("scene 1\narms N E S W\nuser a car S N\nuser b car W E\nend")
            << QStringLiteral("a b");
        QTest::newRow("four straight without signs deadlock")
            << QStringLiteral(
                   "scene 1\narms N E S W\nuser a car N S\nuser b car E W\nuser c car S N\n"
                   "user d car W E\nend")
            << QStringLiteral("deadlock");
        QTest::newRow("oncoming straight pass together")
            << QStringLiteral("scene 1\narms N E S W\nuser a car N S\nuser b car S N\nend")
            << QStringLiteral("a+b");
        QTest::newRow("opposite left turns pass together")
            << QStringLiteral("scene 1\narms N E S W\nuser a car N E\nuser b car S W\nend")
            << QStringLiteral("a+b");
        QTest::newRow("left turn waits for oncoming right turn")
            << QStringLiteral("scene 1\narms N E S W\nuser a car S W\nuser b car N W\nend")
            << QStringLiteral("b a");
        QTest::newRow("give-way sign beats the right-hand rule")
            << QStringLiteral(
                   "scene 1\narms N E S W\nmain W E\nsign S P4\nsign N P4\nuser a car S N\n"
                   "user b car W E\nend")
            << QStringLiteral("b a");
        // A tram has no priority of its own (§ 22 odst. 2, § 21 odst. 5 and 7).
        QTest::newRow("tram gives way to a car from its right")
            << QStringLiteral("scene 1\narms N E S W\nuser a car S N\nuser t tram W E\nend")
            << QStringLiteral("a t");
        QTest::newRow("tram turning left waits for oncoming car")
            << QStringLiteral("scene 1\narms N E S W\nuser t tram S W\nuser a car N S\nend")
            << QStringLiteral("a t");
        QTest::newRow("left turn waits for oncoming tram")
            << QStringLiteral("scene 1\narms N E S W\nuser a car S W\nuser t tram N S\nend")
            << QStringLiteral("t a");
        QTest::newRow("left turn waits for tram in own direction")
            << QStringLiteral("scene 1\narms N E S W\nuser a car S W\nuser t tram S N\nend")
            << QStringLiteral("t a");
        QTest::newRow("signalling tram turns across car beside it")
            << QStringLiteral("scene 1\narms N E S W\nuser a car S N\nuser t tram S E signals\nend")
            << QStringLiteral("t a");
        QTest::newRow("turning tram without signal is not ranked")
            << QStringLiteral("scene 1\narms N E S W\nuser a car S N\nuser t tram S E\nend")
            << QStringLiteral("the rules do not rank");
        QTest::newRow("tram and two cars waiting in a circle")
            << QStringLiteral("scene 1\narms N E S W\nuser t tram W E\nuser a car S N\n"
                              "user b car E S\nend")
            << QStringLiteral("deadlock");
        QTest::newRow("tram on the side road waits")
            << QStringLiteral(
                   "scene 1\narms N E S W\nmain W E\nsign S P4\nsign N P4\nuser t tram S N\n"
                   "user b car E W\nend")
            << QStringLiteral("b t");
        QTest::newRow("car beside a straight tram passes it")
            << QStringLiteral("scene 1\narms N E S W\nuser a car N W\nuser t tram N S\nend")
            << QStringLiteral("a+t");
        QTest::newRow("emergency from the stop sign")
            << QStringLiteral(
                   "scene 1\narms N E S W\nmain W E\nsign N P6\nsign S P6\nuser e emergency N S\n"
                   "user b car W E\nend")
            << QStringLiteral("e b");
        QTest::newRow("roundabout with give-way")
            << QStringLiteral(
                   "scene 1\narms N E S W\nroundabout\nsign S P4\nuser c car W N incircle\n"
                   "user a car S N\nend")
            << QStringLiteral("c a");
        QTest::newRow("roundabout without give-way")
            << QStringLiteral("scene 1\narms N E S W\nroundabout\nuser c car W N incircle\nuser a "
                              "car S N\nend")
            << QStringLiteral("a c");
        QTest::newRow("roundabout car far away")
            << QStringLiteral(
                   "scene 1\narms N E S W\nroundabout\nsign E P4\nuser c car W N incircle\n"
                   "user a car E W\nend")
            << QStringLiteral("c+a");
    }
    void rules() {
        QFETCH(QString, scene);
        QFETCH(QString, expected);
        const Scene s = sceneFromText(scene.toUtf8().constData());
        const QString got = describe(s, passingOrder(s));
        QVERIFY2(got.startsWith(expected), qPrintable(got));
    }

    // The shape plate turns with its entry: the driver's own arm is at the
    // bottom, what is on his right is on the plate's right.
    void plateAsSeenFromItsEntry_data() {
        QTest::addColumn<int>("approach");
        QTest::addColumn<int>("arm");
        QTest::addColumn<int>("onPlate");
        QTest::newRow("from the south the plate is north-up") << int(S) << int(E) << int(E);
        QTest::newRow("own arm at the bottom") << int(N) << int(N) << int(S);
        QTest::newRow("road ahead at the top") << int(W) << int(E) << int(N);
        QTest::newRow("right hand stays right") << int(N) << int(rightOf(N)) << int(E);
        QTest::newRow("left hand stays left") << int(E) << int(leftOf(E)) << int(W);
    }
    void plateAsSeenFromItsEntry() {
        QFETCH(int, approach);
        QFETCH(int, arm);
        QFETCH(int, onPlate);
        QCOMPARE(int(asSeenFrom(Arm(approach), Arm(arm))), onPlate);
    }

    // Every scene has a question and every question a scene, with its own picture.
    void sceneForEveryQuestion() {
        QSet<int> numbers;
        for (const Scene& s : scenes()) {
            QVERIFY2(!numbers.contains(s.number), qPrintable(QString::number(s.number)));
            numbers.insert(s.number);
        }
        for (int n = 721; n <= 757; ++n) {
            const bool used = n != 754;
            QCOMPARE(numbers.contains(n), used);
            QCOMPARE(junctionQuestions().count(n) == 1, used);
            if (used)
                QCOMPARE(
                    junctionQuestions().at(n).picture,
                    QStringLiteral("grafika\\krizovatky\\k%1.jpg").arg(n, 4, 10, QLatin1Char('0')));
        }
    }

    void question_data() {
        QTest::addColumn<int>("number");
        for (const Scene& s : scenes())
            QTest::addRow("k%04d", s.number) << s.number;
    }
    void question() {
        QFETCH(int, number);
        const Scene& s = *sceneFor(number);
        QVERIFY2(junctionQuestions().count(number), "the scene has no question");
        const Question& q = junctionQuestions().at(number);

        // A scene that fits a road-traffic question: 2 to 4 users of distinct names,
        // signs only where the road is, on arms the junction has.
        QVERIFY(s.users.size() >= 2 && s.users.size() <= 4);
        QSet<QString> names;
        QSet<int> entries;
        for (const User& u : s.users) {
            names.insert(u.name);
            QVERIFY2(s.arms.contains(u.from) && s.arms.contains(u.to), qPrintable(u.name));
            QVERIFY2(u.from != u.to, qPrintable(u.name));
            if (!u.inCircle) // a tram waits on its rails beside the lane
                entries.insert(u.from * 2 + (u.kind == Kind::Tram ? 1 : 0));
            QVERIFY(!u.inCircle || s.roundabout);
            QVERIFY(!(s.roundabout && u.kind == Kind::Tram));         // no rails round a roundabout
            QVERIFY2(!u.signalsTurn || turns(u), qPrintable(u.name)); // a signal announces a turn
        }
        QCOMPARE(names.size(), s.users.size());
        int waiting = 0;
        for (const User& u : s.users)
            waiting += u.inCircle ? 0 : 1;
        QVERIFY2(entries.size() == waiting, "two users queue in one lane");
        for (Arm a : {N, E, S, W}) {
            const QString& sign = s.signs[a];
            if (sign.isEmpty())
                continue;
            QVERIFY2(s.arms.contains(a), qPrintable(sign));
            const bool mainSign = sign == QLatin1String("P1") || sign == QLatin1String("P2");
            QCOMPARE(mainSign, s.isMain(a));
        }
        for (Arm a : s.main)
            QVERIFY(s.arms.contains(a) && !s.signs[a].isEmpty());

        const Order order = passingOrder(s);
        QVERIFY2(order.problem.isEmpty(), qPrintable(order.problem));
        QCOMPARE(askOf(q.text), s.ask);
        if (s.ask == QLatin1String("first"))
            QVERIFY2(order.steps.first().size() == 1, qPrintable(describe(s, order)));
        else
            QVERIFY2(order.strict(), qPrintable(describe(s, order)));

        QStringList truth;
        for (int i : order.users())
            truth << s.users[i].name;
        // An emergency vehicle is announced in the question, since a picture cannot sound a siren.
        for (const User& u : s.users)
            if (u.kind == Kind::Emergency)
                QVERIFY2(q.text.contains(u.name.left(1).toUpper() + u.name.mid(1) +
                                         QStringLiteral(" vozidlo užívá")),
                         qPrintable(q.text));
        // So is a signal of a turn, which the picture shows only as small lamps.
        for (const User& u : s.users)
            QVERIFY2(q.text.contains(u.name.left(1).toUpper() + u.name.mid(1) +
                                     QStringLiteral(" dává znamení o změně směru jízdy")) ==
                         u.signalsTurn,
                     qPrintable(q.text));

        QCOMPARE(q.correct.size(), 1);
        const int correct = q.correct[0].unicode() - u'A';
        QSet<QString> seen;
        for (int i = 0; i < 4; ++i) {
            const QString& answer = q.answers[i];
            if (answer.isEmpty())
                continue;
            QVERIFY2(!seen.contains(answer), qPrintable(answer));
            seen.insert(answer);
            bool right = false;
            if (s.ask == QLatin1String("order")) {
                const QStringList named = namedOrder(answer);
                // Every order answer lists every user once, so only the order can be wrong.
                QVERIFY2(QSet<QString>(named.begin(), named.end()) == names &&
                             named.size() == names.size(),
                         qPrintable(answer));
                right = named == truth;
            } else {
                const QString named = namedUser(answer);
                QVERIFY2(names.contains(named), qPrintable(answer));
                right = named == (s.ask == QLatin1String("first") ? truth.first() : truth.last());
            }
            QVERIFY2(right == (i == correct),
                     qPrintable(QStringLiteral("%1 %2: rules give %3")
                                    .arg(QChar(u'A' + i))
                                    .arg(answer, truth.join(QStringLiteral(", ")))));
        }
    }
};

QTEST_GUILESS_MAIN(TestJunctions)
#include "tst_junctions.moc"
