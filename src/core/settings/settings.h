#pragma once

#include "core/settings/schoolServer.h"

#include <QString>
#include <QStringList>

#include <array>

inline constexpr int kMaxProfiles = 30;

// The learner's choices, owned by the main window for the program's lifetime.
struct Settings {
    QString group = QStringLiteral("B");
    std::array<bool, 7> categories{true, true, true, true, true, true, true};
    std::array<bool, 3> protocols{false, false, false}; // practice, examination, points test
    QString activeProfile = QStringLiteral("Default");
    int profileCount = 1;
    std::array<QString, kMaxProfiles> profiles{QStringLiteral("Default")};
    // The profile list as last read from or written to config.ini: it decides
    // whose records survive the program's end.
    int savedProfileCount = 1;
    std::array<QString, kMaxProfiles> savedProfiles{QStringLiteral("Default")};

    bool anyCategory() const;
    void takeSavedProfiles();
    QStringList profileNames() const;      // the first profileCount names
    QStringList savedProfileNames() const; // the first savedProfileCount saved names
};

// The sizes the whole interface can be drawn at, in per cent.
inline constexpr std::array<int, 4> kScales{100, 125, 150, 200};

// The choices that live in the main window's menu rather than in Settings.
struct ViewChoices {
    bool statusBar = true;
    bool sequential = true;
    int scalePercent = 100; // one of kScales; takes effect at the next start
    bool readAloud = false; // the question and its answers spoken when shown
    SchoolServer school = {}; // unset: the records stay in this PC's tables only
};
