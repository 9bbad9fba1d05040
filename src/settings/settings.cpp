#include "settings/settings.h"

#include <algorithm>

bool Settings::anyCategory() const {
    return std::any_of(categories.begin(), categories.end(), [](bool on) { return on; });
}

void Settings::takeSavedProfiles() {
    savedProfiles = profiles;
    savedProfileCount = profileCount;
}
