#pragma once

#include "settings/settings.h"

#include <QString>

#include <optional>

// Reading and writing config.ini.
namespace config {

struct Loaded {
    Settings settings;
    ViewChoices view;
    bool fromFile = false;               // false: the start-up defaults were taken
    std::optional<QString> invalidGroup; // a group the program cannot use, replaced by "B"
};

// A file that cannot be opened for reading and writing counts as missing.
Loaded load(const QString& path);

// Writes the settings into the file's present content and replaces the file
// only once the new content is complete. On failure returns false with the
// system's error text and leaves the old file as it was.
bool save(const QString& path, const Settings& settings, const ViewChoices& view, QString* error);

} // namespace config
