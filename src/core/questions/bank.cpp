#include "core/questions/bank.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace bank {

const std::array<Category, kCategoryCount>& categories() {
    static const std::array<Category, kCategoryCount> list{{
        {u"Pravidla provozu", u"Pravidla provozu na pozemních komunikacích", "cbPravidla"},
        {u"Ridicke opravneni", u"Řidičské oprávnění a řidičský průkaz", "cbOpravneni"},
        {u"Silnicni zakon", u"Silniční zákon, silniční doprava a pojištění odpovědnosti",
         "cbZakonDoprava"},
        {u"Zdravoveda", u"První pomoc - Zdravověda", "cbZdravoveda"},
        {u"Podminky provozu", u"Podmínky provozu na pozemních komunikacích", "cbPodminky"},
        {u"Znacky", u"Dopravní značky a zařízení", "cbZnacky"},
        {u"Krizovatky", u"Řešení dopravních situací na křižovatkách", "cbKrizovatky"},
    }};
    return list;
}

const std::array<QString, 10>& iniKeys() {
    static const std::array<QString, 10> keys = [] {
        std::array<QString, 10> k;
        for (int i = 0; i < kCategoryCount; ++i)
            k[i] = QString::fromUtf16(categories()[i].key);
        k[7] = u"Procvicovani"_s;
        k[8] = u"Zkouseni"_s;
        k[9] = u"Test"_s;
        return k;
    }();
    return keys;
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
