#include "core/pointstest/testTime.h"

using namespace Qt::StringLiterals;

namespace {
QString twoDigits(int value) {
    if (value <= 0)
        return u"00"_s;
    return value < 10 ? u"0"_s + QString::number(value) : QString::number(value);
}

QString minutesWord(int m) {
    if (m == 0)
        return {};
    return m == 1 ? u"minuta"_s : m <= 4 ? u"minuty"_s : u"minut"_s;
}

QString secondsWord(int s) {
    if (s == 0)
        return {};
    return s == 1 ? u"sekunda"_s : s <= 4 ? u"sekundy"_s : u"sekund"_s;
}
} // namespace

QString FormatMinSec(int seconds) {
    return twoDigits(seconds / 60) + u':' + twoDigits(seconds % 60);
}

QString elapsedWords(int seconds) {
    const int m = seconds / 60;
    const int s = seconds % 60;
    if (s == 0)
        return QString::number(m) + u' ' + minutesWord(m);
    if (m == 0)
        return QString::number(s) + u' ' + secondsWord(s);
    return u"%1 %2, %3 %4"_s.arg(m).arg(minutesWord(m)).arg(s).arg(secondsWord(s));
}
