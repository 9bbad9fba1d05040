#pragma once

#include <QStringList>

struct StoreError;

// What this session knows of profile names, so that the purge at close can
// only delete what the learner removed: names of a complete, valid list read
// at start, and names created in the settings dialog since.
struct ProfileHistory {
    bool listTrusted = false; // the list read at start was complete and valid
    QStringList listedAtStart;
    QStringList created;

    // Notes the names that a confirmed settings dialog added to the list.
    void noteList(const QStringList& before, const QStringList& after);
};

// The profiles whose records go at close: known names missing from the saved
// list. The active profile stays unless it was created and never saved. With
// no trusted list, only names created in the dialog are known.
QStringList removedProfiles(const ProfileHistory& history, const QStringList& saved,
                            const QString& active);

// Deletes from Vysledky, Protokoly and Odpovedi the records of exactly these profiles
// (names compared as the tables store them, cut to 30 characters). A table
// that does not exist is skipped; an empty list touches nothing.
bool PurgeRemovedProfiles(const QString& folder, const QStringList& profiles, StoreError* error);
