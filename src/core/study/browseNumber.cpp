#include "core/study/browseNumber.h"

#include "core/questions/bank.h"

#include <algorithm>

using namespace Qt::StringLiterals;

bool isBrowseNumber(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    qsizetype first = 0;
    while (first < text.size() - 1 && text[first] == u'0')
        ++first; // leading zeros are allowed and do not count towards the size
    const QString digits = text.mid(first);
    return digits.size() < 10 || (digits.size() == 10 && digits <= u"2147483647"_s);
}

BrowseMove browseMove(const QString& typed, BrowseStep step) {
    if (!isBrowseNumber(typed))
        return {};
    const int n = typed.toInt();
    constexpr int last = bank::kQuestionCount;
    switch (step) {
    case BrowseStep::Enter:
        return {true, std::clamp(n, 1, last)};
    case BrowseStep::Up:
        return {true, n < last ? std::optional<int>(n + 1) : std::nullopt};
    case BrowseStep::Down:
        // above the bank, one step down lands on its last question
        return {true, n > 1 ? std::optional<int>(std::min(n - 1, last)) : std::nullopt};
    }
    return {};
}
