#include "results/progress.h"

#include "pointstest/testPlan.h"
#include "questions/bank.h"
#include "results/protocolsTable.h"
#include "results/resultsTable.h"

#include <algorithm>

namespace {

bool byTime(const ProgressPoint& a, const ProgressPoint& b) {
    return a.when < b.when;
}

bool readResults(const QString& folder, const QString& profile, Progress& p, StoreError* error) {
    ResultsTable table(folder);
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

bool readProtocols(const QString& folder, const QString& profile, Progress& p, StoreError* error) {
    ProtocolsTable table(folder);
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
    std::array<Last, 758> last{};
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

std::optional<Progress> gatherProgress(const QString& folder, const QString& profile,
                                       const QString& group, const BankIndex& index,
                                       QRandomGenerator& generator, StoreError* error) {
    Progress p;
    if (!readResults(folder, profile, p, error) || !readProtocols(folder, profile, p, error))
        return std::nullopt;
    const auto history = ReadAnswers(folder, profile, error, AnswerDetail::Outcomes);
    if (!history)
        return std::nullopt;
    p.answers = int(history->size());
    p.minPoints = testplan::MinPointsForGroup(group);
    p.categories = categoryProgress(*history, index, group);
    p.forecast = forecast::simulate(forecast::rightChances(*history), index, group,
                                    forecast::kSimulatedTests, generator);
    return p;
}
