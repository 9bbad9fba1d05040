#pragma once

#include <array>

#include "core/settings/settings.h"

#include <QString>
#include <QStringList>

// Reading and writing config.ini.
namespace config {

// The ten keys config.ini knows: seven categories, then the three protocol switches.
const std::array<QString, 10>& iniKeys();

struct Loaded {
    Settings settings;
    ViewChoices view;
    bool fromFile = false; // false: the start-up defaults were taken
    bool readOnly = false; // read, but a save will fail
    // The profile list was complete and valid (section present, count
    // matching its names, no empty name): only then may a name missing from
    // it later mean that the learner removed it.
    bool profileListTrusted = false;
    QStringList problems; // Czech sentences for the learner, one per fault found
};

// A missing file gives the start-up defaults without a word; an unreadable,
// oversized or foreign file gives them with a problem said; a read-only file
// is read.
Loaded load(const QString& path);

// Writes the settings into the file's present content and replaces the file
// only once the new content is complete. On failure returns false with the
// system's error text and leaves the old file as it was. Empty profile names
// are never written.
bool save(const QString& path, const Settings& settings, const ViewChoices& view, QString* error);

// Removes what an interrupted save left behind (config.ini.XXXXXX) when it is
// older than a minute, so another instance's save in progress is not hit.
void removeStaleTemporaries(const QString& path);

} // namespace config
