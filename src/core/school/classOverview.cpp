#include "core/school/classOverview.h"

#include "core/progress/forecast.h"
#include "core/records/answerHistory.h"
#include "core/records/protocolRecord.h"
#include "core/records/resultRecord.h"
#include "core/store/serverReads.h"

#include <QLocale>

using namespace Qt::StringLiterals;

std::optional<QList<LearnerSummary>> ClassOverview::nextPage(int limit) {
    const auto learners = serverreads::learners(connection_, after_, limit, &error_);
    if (!learners)
        return std::nullopt;
    QStringList names;
    for (const auto& l : *learners)
        names << l.profile;
    const auto runs = serverreads::counts(connection_, schemas::results(), names, &error_);
    const auto tests = serverreads::counts(connection_, schemas::protocols(), names, &error_);
    const auto last =
        runs && tests ? serverreads::latest(connection_, schemas::protocols(), names,
                                            {u"PocetBodu"_s, u"Verdikt"_s, u"Skupina"_s}, &error_)
                      : std::nullopt;
    if (!last)
        return std::nullopt;
    QList<LearnerSummary> page;
    for (const auto& l : *learners) {
        LearnerSummary s;
        s.profile = l.profile;
        s.lastRecord = l.lastRecord;
        s.runs = runs->value(l.profile);
        s.tests = tests->value(l.profile);
        if (const auto it = last->constFind(l.profile); it != last->cend()) {
            s.lastPoints = it->at(0).toInt();
            s.lastVerdict = it->at(1).toString();
            if (bank::isGroup(it->at(2).toString()))
                s.group = it->at(2).toString();
        }
        page << s;
    }
    atEnd_ = learners->size() < limit;
    if (!learners->isEmpty())
        after_ = learners->last().profile;
    return page;
}

bool ClassOverview::addDetail(LearnerSummary& learner, const BankIndex& index,
                              QRandomGenerator& generator) {
    const auto history = readAnswers(StorePlace::onServer(connection_), learner.profile, &error_,
                                     AnswerDetail::Outcomes);
    if (!history)
        return false;
    std::array<int, bank::kCategoryCount> right{}, answered{};
    for (const AnswerRecord& a : *history)
        if (const auto category = bank::categoryOf(a.number)) {
            ++answered[*category - 1];
            right[*category - 1] += a.right && !a.hint ? 1 : 0;
        }
    for (int i = 0; i < bank::kCategoryCount; ++i)
        learner.categoryPercent[i] =
            answered[i] > 0 ? std::optional<int>(100 * right[i] / answered[i]) : std::nullopt;
    if (const auto f = forecast::simulate(forecast::rightChances(*history), index, learner.group,
                                          kForecastTests, generator))
        learner.passChance = f->probability();
    learner.detailed = true;
    return true;
}

namespace {
QString csvField(QString text) {
    // A spreadsheet would run "=…" as a formula; a learner's name is text.
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u';') || text.contains(u'"') || text.contains(u'\n'))
        text = u'"' + text.replace(u'"', u"\"\""_s) + u'"';
    return text;
}

QString percentText(std::optional<int> percent) {
    return percent ? QString::number(*percent) : QString();
}
} // namespace

QByteArray overviewCsv(const QList<LearnerSummary>& learners) {
    QStringList header{u"Žák"_s, u"Poslední záznam"_s, u"Procvičování a zkoušení"_s,
                       u"Testy na body"_s, u"Body v posledním testu"_s, u"Výsledek"_s,
                       u"Skupina"_s};
    for (const QString& title : bank::categoryShortTitles())
        header << title + u" (%)"_s;
    header << u"Předpověď testu (%)"_s;
    QStringList lines{header.join(u';')};
    for (const LearnerSummary& l : learners) {
        QStringList row{csvField(l.profile), l.lastRecord.toString(u"d.M.yyyy H:mm"_s),
                        QString::number(l.runs), QString::number(l.tests),
                        l.lastPoints ? QString::number(*l.lastPoints) : QString(),
                        csvField(l.lastVerdict), l.group};
        for (const auto& p : l.categoryPercent)
            row << percentText(p);
        row << (l.passChance ? QString::number(qRound(*l.passChance * 100)) : QString());
        lines << row.join(u';');
    }
    return QByteArray("\xEF\xBB\xBF") + lines.join(u"\r\n"_s).toUtf8() + "\r\n";
}
