#include "core/study/scoring.h"

#include <cmath>

Verdict evaluateAnswer(const QString& correctLetters, const std::array<bool, 4>& marked) {
    Verdict v;
    for (int i = 0; i < 4; ++i) {
        const bool correct = correctLetters.contains(QChar(u'A' + i));
        if (correct && !marked[i]) {
            v.marks[i] = AnswerMark::Missed;
            v.wrong = true;
        } else if (!correct && marked[i]) {
            v.marks[i] = AnswerMark::Cross;
            v.wrong = true;
        } else if (correct) {
            v.marks[i] = AnswerMark::Tick;
        }
    }
    return v;
}

int successPercent(int asked, int wrongCount, int hintCount) {
    const int divisor = asked - hintCount;
    if (divisor <= 0)
        return 0;
    const double rate = double(asked - wrongCount - hintCount) / double(divisor) * 100.0;
    return int(std::nearbyint(rate)); // the default rounding mode sends halves to even
}
