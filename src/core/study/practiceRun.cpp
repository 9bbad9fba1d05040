#include "core/study/practiceRun.h"

#include "core/records/resultRecord.h"
#include "core/settings/settings.h"

int PracticeRun::count(const BankIndex& index, const Selection& selection) {
    index_ = index;
    selection_ = selection;
    s_.remaining = selection_.count(index_);
    return s_.remaining;
}

void PracticeRun::begin(int count, int startPosition, bool sequential) {
    sequential_ = sequential;
    s_.remaining = s_.questionCount = count;
    s_.startPosition = startPosition;
    s_.order = QList<int>(count, 0);
    if (!sequential)
        return;
    if (const auto number = selection_.numberAt(index_, startPosition))
        s_.currentNumber = *number;
}

void PracticeRun::presetFromStored(const QList<int>& order, const QString& group,
                                   const QString& categories, Settings& settings) {
    s_.fromStoredResult = true;
    s_.savedGroup = settings.group;
    settings.group = group;
    s_.storedCategories = categories;
    s_.order = order;
    s_.questionCount = s_.remaining = int(order.size());
}

void PracticeRun::presetDrill(const QList<int>& order) {
    s_.drill = true;
    s_.order = order;
    s_.questionCount = s_.remaining = int(order.size());
}

void PracticeRun::start() {
    s_.awaitingAnswer = true;
    s_.repeatRun = s_.fromStoredResult || s_.drill;
    s_.wrongCount = s_.hintCount = s_.successPercent = 0;
    s_.wrongNumbers.clear();
    s_.hintNumbers.clear();
    marks_ = {};
    // The sequential search continues after the current number, and the
    // first question is the one found at the start position itself.
    s_.currentNumber -= 1;
}

void PracticeRun::end() {
    s_.drill = false;
    s_.order.clear();
    s_.wrongNumbers.clear();
    s_.hintNumbers.clear();
    s_.awaitingAnswer = false;
    marks_ = {};
}

std::optional<int> PracticeRun::nextNumber() const {
    if (s_.repeatRun)
        return s_.order.value(taken());
    if (sequential_)
        return selection_.nextSequential(index_, s_.currentNumber);
    return selection_.nextRandom(index_, s_.order.mid(0, taken()), generator_);
}

void PracticeRun::take(const Question& question) {
    shown_ = question;
    s_.currentNumber = question.number;
    s_.correctLetters = question.correct;
    s_.questionGroup = question.group;
    if (!s_.repeatRun) {
        if (taken() < s_.order.size())
            s_.order[taken()] = question.number;
        else
            s_.order.append(question.number);
    }
    s_.remaining -= 1;
    s_.awaitingAnswer = true;
    marks_ = {};
}

bool PracticeRun::toggle(int answer) {
    if (!s_.awaitingAnswer || answer < 0 || answer > 3 || shown_.answers[answer].isEmpty())
        return false;
    marks_[answer] = marks_[answer] == AnswerMark::None ? AnswerMark::Tick : AnswerMark::None;
    return true;
}

std::optional<Verdict> PracticeRun::confirm() {
    std::array<bool, 4> marked{};
    bool any = false;
    for (int i = 0; i < 4; ++i)
        any |= marked[i] = marks_[i] != AnswerMark::None;
    if (!s_.awaitingAnswer || !any)
        return std::nullopt;
    const Verdict verdict = evaluateAnswer(s_.correctLetters, marked);
    // What the learner left unmarked and is not correct stays blank.
    marks_ = verdict.marks;
    s_.awaitingAnswer = false;
    if (verdict.wrong) {
        s_.wrongCount += 1;
        s_.wrongNumbers.append(s_.currentNumber);
    }
    s_.successPercent = successPercent(taken(), s_.wrongCount, s_.hintCount);
    return verdict;
}

bool PracticeRun::hint() {
    if (!s_.awaitingAnswer)
        return false;
    for (int i = 0; i < 4; ++i)
        marks_[i] =
            s_.correctLetters.contains(QChar(u'A' + i)) ? AnswerMark::Tick : AnswerMark::None;
    s_.hintCount += 1;
    s_.awaitingAnswer = false;
    s_.hintNumbers.append(s_.currentNumber);
    return true;
}

void PracticeRun::prepareRepeat(RunKind kind) {
    s_.order = s_.wrongNumbers;
    if (kind == RunKind::Practice)
        s_.order += s_.hintNumbers;
    s_.wrongNumbers.clear();
    s_.hintNumbers.clear();
    s_.questionCount = s_.remaining = int(s_.order.size());
    s_.wrongCount = s_.hintCount = s_.successPercent = 0;
    s_.repeatRun = true;
    s_.drill = false; // from now on a repeat like any other
    s_.awaitingAnswer = true;
    marks_ = {};
}

void PracticeRun::endStored(Settings& settings) {
    if (s_.fromStoredResult)
        settings.group = s_.savedGroup;
    s_.fromStoredResult = false;
}

ResultRecord PracticeRun::record(RunKind kind, const Settings& settings,
                                 const QDateTime& now) const {
    ResultRecord r;
    r.kind = runKindText(kind);
    r.profile = settings.activeProfile;
    r.written = now;
    r.group = settings.group;
    r.categories = s_.fromStoredResult ? s_.storedCategories : categoryDigits(settings.categories);
    r.questionCount = s_.questionCount;
    r.wrongCount = s_.wrongCount;
    r.wrongNumbers = s_.wrongNumbers;
    r.hintCount = s_.hintCount;
    r.hintNumbers = s_.hintNumbers;
    r.successPercent = s_.successPercent;
    return r;
}
