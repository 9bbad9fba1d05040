#pragma once

#include <QStringList>

struct StoreError;

// Deletes from Vysledky and Protokoly the records of every profile that is
// not in the saved profile list. A table that does not exist is skipped; an
// empty list deletes nothing, so a damaged config.ini never wipes a history.
bool PurgeRemovedProfiles(const QString& folder, const QStringList& savedProfiles,
                          StoreError* error);
