#pragma once

// What the kill driver writes, derived from a sequence number or a generation
// alone, so that the test that kills it knows every byte to expect.

#include "core/records/resultRecord.h"
#include "core/settings/settings.h"

#include <QDateTime>

namespace killtest {

using namespace Qt::StringLiterals;

// The record's sequence number is kept in its question count.
inline ResultRecord record(int sequence) {
    ResultRecord r;
    r.kind = sequence % 2 ? kPracticeKind : kExaminationKind;
    r.profile = u"Žák č. %1 Šťastný"_s.arg(sequence % 7);
    r.written = QDateTime(QDate(2003, 1, 1).addDays(sequence / 1000),
                          QTime(0, 0).addSecs(sequence * 37 % 86400));
    r.group = sequence % 3 ? u"B"_s : u"C1"_s;
    r.categories = u"1234567"_s.left(1 + sequence % 7);
    r.questionCount = sequence;
    // Long lists make a write span more pages, and a kill more likely to
    // land inside one.
    for (int i = 0; i < 20 + sequence % 40; ++i)
        r.wrongNumbers << 1 + (sequence * 31 + i * 7) % 757;
    r.wrongCount = int(r.wrongNumbers.size());
    for (int i = 0; i < sequence % 6; ++i)
        r.hintNumbers << 1 + (sequence + i * 101) % 757;
    r.hintCount = int(r.hintNumbers.size());
    r.successPercent = sequence % 101;
    return r;
}

inline Settings settings(int generation) {
    Settings s;
    static const QString groups[] = {u"B"_s, u"A"_s, u"C"_s, u"D"_s, u"BE"_s};
    s.group = groups[generation % 5];
    for (int i = 0; i < 7; ++i)
        s.categories[size_t(i)] = (generation >> i) & 1;
    for (int i = 0; i < 3; ++i)
        s.protocols[size_t(i)] = (generation >> (i + 2)) & 1;
    s.profileCount = 1 + generation % kMaxProfiles;
    for (int i = 0; i < s.profileCount; ++i)
        s.profiles[size_t(i)] = u"Řidič %1 generace %2"_s.arg(i + 1).arg(generation);
    s.activeProfile = s.profiles[size_t(generation % s.profileCount)];
    return s;
}

inline ViewChoices view(int generation) {
    return {generation % 2 == 0, generation % 3 == 0};
}

} // namespace killtest
