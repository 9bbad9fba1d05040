#pragma once

#include <QString>

#include <array>

// What a confirmed answer shows beside each of the four answers.
enum class AnswerMark { None, Tick, Cross, Missed };

struct Verdict {
    std::array<AnswerMark, 4> marks{};
    bool wrong = false;
};

// The verdict on an answer: a tick for a correct marked answer, a cross for a
// wrong marked one, the missed mark for a correct answer left unmarked.
Verdict evaluateAnswer(const QString& correctLetters, const std::array<bool, 4>& marked);

// The running success rate in whole percent: questions answered correctly out
// of those answered, hinted questions counting in neither; halves round to even.
int successPercent(int asked, int wrongCount, int hintCount);
