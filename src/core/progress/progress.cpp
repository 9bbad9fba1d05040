#include "core/progress/progress.h"

#include "core/questions/bank.h"
#include "core/questions/testPlan.h"
#include "core/records/protocolsTable.h"
#include "core/records/resultsTable.h"

#include <algorithm>

namespace {

bool byTime(const ProgressPoint& a, const ProgressPoint& b) {
    return a.when < b.when;
}

bool readResults(const StorePlace& place, const QString& profile, Progress& p, StoreError* error) {
    p.practice.clear();
    p.examination.clear();
    ResultsTable table(place);
    if (!table.exists())
        return true;
    if (!table.open()) {
        if (error)
            *error = table.error();
        return false;
    }
    for (const auto& [kind, points] :
         {std::pair{kPracticeKind, &p.practice}, std::pair{kExaminationKind, &p.examination}}) {
        const auto list = table.list(profile, kind);
        if (!list) {
            if (error)
                *error = table.error();
            return false;
        }
        for (const StoredResult& r : *list)
            if (r.record.written.isValid())
                *points << ProgressPoint{r.record.written, r.record.successPercent};
        std::stable_sort(points->begin(), points->end(), byTime);
    }
    return true;
}

bool readProtocols(const StorePlace& place, const QString& profile, Progress& p, StoreError* error) {
    ProtocolsTable table(place);
    if (!table.exists())
        return true;
    std::optional<QList<StoredProtocol>> list;
    if (table.open())
        list = table.list(profile);
    if (!list) {
        if (error)
            *error = table.error();
        return false;
    }
    for (const StoredProtocol& r : *list)
        if (r.record.started.isValid())
            p.tests << ProgressPoint{r.record.started, r.record.points};
    std::stable_sort(p.tests.begin(), p.tests.end(), byTime);
    return true;
}

} // namespace

std::array<CategoryProgress, 7> categoryProgress(const QList<AnswerRecord>& history,
                                                 const BankIndex& index, const QString& group) {
    enum Last : char { Never, Wrong, Right };
    std::array<Last, bank::kQuestionCount + 1> last{};
    for (const AnswerRecord& a : history)
        if (a.number >= 1 && a.number <= bank::kQuestionCount)
            last[a.number] = a.right && !a.hint ? Right : Wrong;
    Selection all{{true, true, true, true, true, true, true}, group};
    std::array<CategoryProgress, 7> categories{};
    for (int n = 1; n <= bank::kQuestionCount; ++n) {
        if (!all.eligible(index, n))
            continue;
        CategoryProgress& c = categories[*bank::categoryOf(n) - 1];
        c.questions += 1;
        c.seen += last[n] != Never ? 1 : 0;
        c.rightAtLast += last[n] == Right ? 1 : 0;
    }
    return categories;
}

Progress gatherProgress(const StorePlace& place, const QString& profile, const QString& group,
                        const BankIndex& index, QRandomGenerator& generator) {
    Progress p;
    StoreError error;
    // Each table on its own: a damaged one leaves its part out, not the view.
    if (!readResults(place, profile, p, &error))
        p.unreadable << error.message();
    if (!readProtocols(place, profile, p, &error)) {
        p.tests.clear();
        p.unreadable << error.message();
    }
    QList<AnswerRecord> history;
    if (const auto read = readAnswers(place, profile, &error, AnswerDetail::Outcomes))
        history = *read;
    else
        p.unreadable << error.message();
    p.answers = int(history.size());
    p.minPoints = testplan::MinPointsForGroup(group);
    p.categories = categoryProgress(history, index, group);
    p.forecast = forecast::simulate(forecast::rightChances(history), index, group,
                                    forecast::kSimulatedTests, generator);
    return p;
}

TimeScale timeScale(const QDateTime& first, const QDateTime& last) {
    constexpr int kMaxSteps = 5;
    auto steps = [](qint64 needed) { // the step and how many of them cover needed units
        const qint64 step = std::max<qint64>(1, (needed + kMaxSteps - 1) / kMaxSteps);
        return std::pair{step, std::max<qint64>(1, (needed + step - 1) / step)};
    };
    TimeScale scale;
    if (first.date() == last.date()) {
        scale.from = QDateTime(first.date(), QTime(first.time().hour(), 0));
        const auto [step, count] = steps((scale.from.secsTo(last) + 3599) / 3600);
        scale.to = scale.from.addSecs(3600 * step * count);
        scale.ticks = int(count) + 1;
        scale.format = QStringLiteral("d.M. H:mm");
        return scale;
    }
    const QTime noon(12, 0);
    scale.from = QDateTime(first.time() < noon ? first.date().addDays(-1) : first.date(), noon);
    const auto [step, count] = steps(scale.from.date().daysTo(last.date()) + (last.time() > noon));
    scale.to = scale.from.addDays(step * count);
    scale.ticks = int(count) + 1;
    scale.format = scale.from.date().year() == scale.to.date().year() ? QStringLiteral("d.M.")
                                                                      : QStringLiteral("d.M.yyyy");
    return scale;
}

QList<int> percentages(const QList<int>& parts) {
    qint64 whole = 0;
    for (int part : parts)
        whole += part;
    QList<int> result(parts.size(), 0);
    if (whole <= 0)
        return result;
    QList<std::pair<qint64, int>> remainders; // remainder, index
    int given = 0;
    for (int i = 0; i < parts.size(); ++i) {
        result[i] = int(100 * qint64(parts[i]) / whole);
        given += result[i];
        remainders << std::pair{100 * qint64(parts[i]) % whole, i};
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (int k = 0; given < 100; ++k, ++given)
        result[remainders[k].second] += 1;
    return result;
}
