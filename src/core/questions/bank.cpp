#include "core/questions/bank.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace bank {

const std::array<QString, kCategoryCount>& categoryTitles() {
    static const std::array<QString, kCategoryCount> titles{
        u"Pravidla provozu na pozemních komunikacích"_s,
        u"Řidičské oprávnění a řidičský průkaz"_s,
        u"Silniční zákon, silniční doprava a pojištění odpovědnosti"_s,
        u"První pomoc - Zdravověda"_s,
        u"Podmínky provozu na pozemních komunikacích"_s,
        u"Dopravní značky a zařízení"_s,
        u"Řešení dopravních situací na křižovatkách"_s};
    return titles;
}

const std::array<QString, kCategoryCount>& categoryShortTitles() {
    static const std::array<QString, kCategoryCount> titles{
        u"Pravidla provozu"_s, u"Řidičské oprávnění"_s, u"Silniční zákon"_s, u"Zdravověda"_s,
        u"Podmínky provozu"_s, u"Dopravní značky"_s,    u"Křižovatky"_s};
    return titles;
}

std::optional<int> categoryOf(int number) {
    for (int k = 1; k <= kCategoryCount; ++k)
        if (number > lowOf(k) && number <= highOf(k))
            return k;
    return std::nullopt;
}

bool isRetired(int number) {
    return std::find(kRetired.begin(), kRetired.end(), number) != kRetired.end();
}

bool isGroup(const QString& group) {
    return std::any_of(kGroups.begin(), kGroups.end(),
                       [&](const char16_t* g) { return group == QString::fromUtf16(g); });
}

QString groupLetters(const QString& group) {
    if (group.startsWith(u'T'))
        return u"ABCD"_s;
    return group.left(1);
}

bool groupMatches(const QString& group, const QString& questionGroup) {
    return questionGroup.contains(groupLetters(group));
}

bool drawMatches(const QString& group, const QString& questionGroup) {
    if (group.startsWith(u'T'))
        return questionGroup == u"ABCD"_s;
    return !group.isEmpty() && questionGroup.contains(group.at(0));
}

} // namespace bank
