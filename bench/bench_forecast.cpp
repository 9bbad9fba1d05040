// The progress view: the forecast of 10,000 simulated points tests, and
// opening the view (reading the profile's tables, the forecast, the window
// painted) for a history of 100,000 answers among other profiles' answers.
// With "--shots <folder>" it saves pictures of the view for a learner of a
// few weeks and for a new profile instead.
#include "benchStats.h"
#include "core/questions/bank.h"
#include "core/questions/questionTable.h"
#include "core/records/protocolRecord.h"
#include "core/records/resultRecord.h"
#include "core/settings/settings.h"
#include "gui/results/progressWindow.h"
#include "gui/ui/fonts.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
const QDateTime kStart(QDate(2026, 3, 2), QTime(17, 0));

// A learner who practises every day and gets better: a question's chance
// grows with the times it was seen. Answers of several runs a day, a stored
// practice or examination now and then, and a points test every few days.
struct Learner {
    QList<AnswerRecord> answers;
    QList<ResultRecord> results;
    QList<ProtocolRecord> tests;
};

Learner learn(const QString& profile, const BankIndex& index, int answers, int days,
              QRandomGenerator& generator) {
    Learner l;
    std::array<int, bank::kQuestionCount + 1> seen{};
    QList<int> numbers;
    for (int n = 1; n <= bank::kQuestionCount; ++n)
        if (index.present[n] && !bank::isRetired(n) && bank::drawMatches(u"B"_s, index.group[n]))
            numbers << n;
    const int perDay = std::max(1, answers / days);
    for (int i = 0; i < answers; ++i) {
        const int day = i / perDay;
        const QDateTime when = kStart.addDays(day).addSecs(20 * (i % perDay));
        // Early days keep to the first categories, as learners begin there.
        const int reach = std::min(int(numbers.size()), 120 + int(numbers.size()) * day / days);
        const int n = numbers[generator.bounded(reach)];
        const double chance = 1.0 - 0.55 * std::pow(0.6, seen[n]);
        const bool right = generator.generateDouble() < chance;
        seen[n] += 1;
        const RunKind kind = i % 60 < 20 ? RunKind::Examination : RunKind::Practice;
        l.answers << AnswerRecord{profile, n, when, right, false, kind};
        if (i % 20 == 19 && (i / 20) % 3 != 2) {
            int wrong = 0;
            for (int k = i - 19; k <= i; ++k)
                wrong += l.answers[k].right ? 0 : 1;
            ResultRecord r;
            r.kind = kind == RunKind::Examination ? kExaminationKind : kPracticeKind;
            r.profile = profile;
            r.written = when;
            r.group = u"B"_s;
            r.categories = u"1234567"_s;
            r.questionCount = 20;
            r.wrongCount = wrong;
            r.successPercent = (20 - wrong) * 5;
            l.results << r;
        }
        if (i % (perDay * 3) == perDay * 3 - 1) {
            ProtocolRecord t;
            t.profile = profile;
            t.started = when.addSecs(600);
            t.group = u"B"_s;
            t.duration = u"21:40"_s;
            const double skill = std::min(1.0, 0.55 + 0.45 * day / days);
            t.points = std::clamp(int(std::lround(65 * skill - generator.bounded(8))), 0, 65);
            t.minPoints = 56;
            t.verdict = t.points >= 56 ? kPassedVerdict : kFailedVerdict;
            l.tests << t;
        }
    }
    return l;
}

bool store(const QString& folder, const Learner& l) {
    if (!appendAnswers(folder, l.answers, nullptr))
        return false;
    for (const ResultRecord& r : l.results)
        if (!WriteResultRecord(folder, r, nullptr))
            return false;
    for (const ProtocolRecord& t : l.tests)
        if (!WriteProtocol(folder, t, nullptr))
            return false;
    return true;
}

std::optional<BankIndex> realBank() {
    QuestionTable table(QStringLiteral(TARMELKA_PROGRAM_DIR));
    if (!table.open())
        return std::nullopt;
    const auto questions = table.range(0, bank::kQuestionCount);
    if (!questions)
        return std::nullopt;
    return BankIndex::from(*questions);
}

void shot(const QString& folder, const QString& profile, const BankIndex& index,
          const QString& file) {
    QRandomGenerator generator(1);
    const Progress progress = gatherProgress(folder, profile, u"B"_s, index, generator);
    TPokrok view(progress, profile, u"B"_s);
    view.show();
    QApplication::processEvents();
    view.grab().save(file);
    if (progress.forecast)
        std::printf("%s: %d answers, forecast %s, %.1f points on average\n", qPrintable(file),
                    progress.answers, qPrintable(chanceText(progress.forecast->probability())),
                    progress.forecast->meanPoints);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    const auto index = realBank();
    if (!index) {
        std::printf("the program folder's question table cannot be read\n");
        return 1;
    }
    QTemporaryDir dir;
    QRandomGenerator generator(2003);
    const QStringList args = app.arguments();
    if (args.size() > 2 && args[1] == u"--shots"_s) {
        QDir().mkpath(args[2]);
        // The forecast as practice grows: none, a first evening, a week, weeks.
        for (const auto& [answers, days] : {std::pair{100, 1}, {400, 7}, {3000, 40}}) {
            const QString profile = u"Jana %1"_s.arg(answers);
            if (!store(dir.path(), learn(profile, *index, answers, days, generator)))
                return 1;
            shot(dir.path(), profile, *index,
                 QDir(args[2]).filePath(u"pokrok-%1.png"_s.arg(answers)));
        }
        shot(dir.path(), u"Nový"_s, *index, QDir(args[2]).filePath(u"pokrok-0.png"_s));
        return 0;
    }

    const Learner jana = learn(u"Jana"_s, *index, 100'000, 120, generator);
    forecast::Chances chances = forecast::rightChances(jana.answers);
    Samples simulate;
    for (int i = 0; i < 20; ++i)
        simulate.time([&] {
            forecast::simulate(chances, *index, u"B"_s, forecast::kSimulatedTests, generator);
        });
    simulate.report("forecast, 10,000 tests");

    if (!store(dir.path(), jana) ||
        !store(dir.path(), learn(u"Petr"_s, *index, 50'000, 60, generator)))
        return 1;
    Samples read;
    Samples open;
    for (int i = 0; i < 10; ++i) {
        Progress progress;
        read.time(
            [&] { progress = gatherProgress(dir.path(), u"Jana"_s, u"B"_s, *index, generator); });
        open.time([&] {
            progress = gatherProgress(dir.path(), u"Jana"_s, u"B"_s, *index, generator);
            TPokrok view(progress, u"Jana"_s, u"B"_s);
            view.show();
            view.grab(); // painted once, charts included
        });
    }
    read.report("read tables + forecast, 100,000 answers");
    open.report("open view painted, 100,000 answers");
    return 0;
}
