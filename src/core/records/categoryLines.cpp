#include "core/records/categoryLines.h"

#include "core/questions/bank.h"

#include <QStringList>

#include <algorithm>

QString categoryTitles(const QString& categories) {
    QStringList lines;
    for (QChar c : categories.left(bank::kCategoryCount)) {
        // Only the ASCII digits 1 to 7 name a category; anything else adds no line.
        const int index = c.unicode() - u'1';
        if (index >= 0 && index < bank::kCategoryCount)
            lines << bank::categoryTitles()[index];
    }
    return lines.join(u'\n');
}

int categoryLineCount(const QString& categories) {
    return std::clamp(int(categories.size()), 1, bank::kCategoryCount);
}
