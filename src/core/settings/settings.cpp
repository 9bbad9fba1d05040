#include "core/settings/settings.h"

#include <algorithm>

bool Settings::anyCategory() const {
    return std::any_of(categories.begin(), categories.end(), [](bool on) { return on; });
}

void Settings::takeSavedProfiles() {
    savedProfiles = profiles;
    savedProfileCount = profileCount;
}

namespace {
QStringList firstNames(const std::array<QString, kMaxProfiles>& names, int count) {
    QStringList list;
    for (int i = 0; i < count && i < kMaxProfiles; ++i)
        list << names[i];
    return list;
}
} // namespace

QStringList Settings::profileNames() const {
    return firstNames(profiles, profileCount);
}

QStringList Settings::savedProfileNames() const {
    return firstNames(savedProfiles, savedProfileCount);
}
