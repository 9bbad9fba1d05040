#pragma once

#include "core/questions/bank.h"
#include "core/questions/selection.h"
#include "core/store/tableStore.h"

#include <QDateTime>
#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <array>
#include <optional>

// One learner of the school as the instructor's overview shows them.
struct LearnerSummary {
    QString profile;
    QDateTime lastRecord;
    int runs = 0;  // practice and examination results
    int tests = 0; // points tests
    std::optional<int> lastPoints;
    QString lastVerdict;
    QString group = QStringLiteral("B"); // of the last points test, else B
    // Filled in later, from the learner's answer history:
    bool detailed = false;
    std::array<std::optional<int>, bank::kCategoryCount> categoryPercent{}; // right of answered
    std::optional<double> passChance;
};

// The class on the school's server, read a page of learners at a time over
// an open connection, each page's figures through indexes only; the history
// behind a learner's category rates and forecast is read one learner later.
class ClassOverview {
  public:
    // Fewer simulated tests than the learner's own view: the overview shows
    // hundreds of forecasts, and a percent either way does not change a row.
    static constexpr int kForecastTests = 1000;

    explicit ClassOverview(const QString& connection) : connection_(connection) {}

    // The next learners by name with their counts and last test; nothing on
    // a failure, told by error().
    std::optional<QList<LearnerSummary>> nextPage(int limit);
    bool atEnd() const { return atEnd_; }
    // Fills in the category rates and the pass forecast.
    bool addDetail(LearnerSummary& learner, const BankIndex& index, QRandomGenerator& generator);
    const StoreError& error() const { return error_; }

  private:
    QString connection_;
    QString after_;
    bool atEnd_ = false;
    StoreError error_;
};

// The overview as a spreadsheet opens it: UTF-8 with a byte order mark,
// fields separated by semicolons, as Czech spreadsheets expect. A name that
// would start a formula is written as text.
QByteArray overviewCsv(const QList<LearnerSummary>& learners);
