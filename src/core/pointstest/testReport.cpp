#include "core/pointstest/testReport.h"

#include "core/base/dates.h"
#include "core/questions/testPlan.h"

using namespace Qt::StringLiterals;

namespace testreport {

namespace {
const QString kRule = u"  "_s + QString(45, u'-');
} // namespace

QString dateTimeText(const QDateTime& started) {
    return dateText(started.date()) + u' ' + timeText(started.time());
}

QString caption(const ProtocolRecord& record) {
    return u"Test z "_s + dateTimeText(record.started) + u"; Uživatel: "_s + record.profile;
}

QString rightAligned(const QString& text, int width) {
    return QString(qMax(0, width - int(text.size())), u' ') + text;
}

QString positionRow(const ProtocolRecord& record, int position) {
    const int i = position - 1;
    const QString& answer = record.givenAnswers[i];
    QString row = rightAligned(QString::number(position), 8) +
                  rightAligned(record.questionNumbers[i], 10) + rightAligned(answer, 11) +
                  rightAligned(record.correctAnswers[i], 9) + QString(8, u' ') + u'0';
    // An unanswered position never earned its points, even where a damaged
    // record has no correct answer to compare with.
    if (!answer.isEmpty() && answer == record.correctAnswers[i]) {
        // The earned points end the row; an overlong item only shifts them.
        const QString& points = record.positionPoints[i];
        if (!points.isEmpty())
            row.back() = points.front();
    } else {
        row[3] = u'x';
    }
    return row;
}

QString totalLine(const ProtocolRecord& record) {
    return u"           Celkem : "_s + rightAligned(QString::number(record.correctCount), 9) +
           rightAligned(QString::number(record.points), 18);
}

QStringList lines(const ProtocolRecord& record) {
    QStringList out;
    out.reserve(kLines);
    out << u" Uživatel : "_s + record.profile << QString() << u"  Skupina : "_s + record.group
        << u"  Maximální dosažitelný počet bodů: : "_s + QString::number(testplan::kMaxPoints)
        << u"  Minimální potřeba počtu bodů : "_s + QString::number(record.minPoints)
        << u"  Datum a čas testu : "_s + dateTimeText(record.started)
        << u"  Délka testu : "_s + record.duration << QString()
        << u"  Otázka  Skutečné    Odpověď  Správná  Získané"_s
        << u"   číslo     číslo  uživatele  odpověď     body"_s << kRule;
    for (int position = 1; position <= testplan::kPositions; ++position)
        out << positionRow(record, position);
    out << kRule << u"     "_s + record.verdict << kRule << totalLine(record);
    return out;
}

} // namespace testreport
