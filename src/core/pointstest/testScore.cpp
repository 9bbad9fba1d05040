#include "core/pointstest/testScore.h"

#include <QStringList>

using namespace Qt::StringLiterals;

QString givenLetters(const AnswerTicks& ticks) {
    QString letters;
    for (int i = 0; i < 4; ++i)
        if (ticks[i])
            letters += QChar(u'A' + i);
    return letters;
}

TestScore EvaluateTest(const TestQuestions& test, const TestTicks& ticks) {
    TestScore score;
    for (int i = 0; i < testplan::kPositions; ++i) {
        score.answers[i] = givenLetters(ticks[i]);
        score.wrong[i] = score.answers[i] != test[i].correct;
        if (score.wrong[i])
            ++score.wrongCount;
        else
            score.earnedPoints += testplan::PositionPoints(i + 1);
    }
    return score;
}

QString resultMessage(const TestScore& score, int minPoints, bool timedOut) {
    QString text;
    if (timedOut)
        text += u"Čas vymezený pro test uplynul! - "_s;
    text += score.earnedPoints >= minPoints ? u"Test byl úspěšně vyřešen!"_s
                                            : u"Test nebyl úspěšně vyřešen!"_s;
    text += u"\n - Dosáhli jste %1 bodů z 65 možných, minimem pro složení testu bylo %2 bodů"_s
                .arg(score.earnedPoints)
                .arg(minPoints);
    text += u"\n - Počet špatných odpovědí byl: "_s + QString::number(score.wrongCount);
    if (score.wrongCount > 0) {
        QStringList positions;
        for (int i = 0; i < testplan::kPositions; ++i)
            if (score.wrong[i])
                positions << QString::number(i + 1);
        text += u", jejich čísla jsou "_s + positions.join(u", "_s);
    }
    text += u"\nVíce se dozvíte z protokolu po stisku klávesy OK"_s;
    return text;
}

QList<AnswerRecord> pointsTestAnswers(const QString& profile, const TestQuestions& questions,
                                      const TestScore& score, const QDateTime& when) {
    QList<AnswerRecord> answers;
    for (int i = 0; i < testplan::kPositions; ++i)
        answers << AnswerRecord{profile, questions[i].number, when, !score.wrong[i],
                                false,   RunKind::PointsTest};
    return answers;
}
