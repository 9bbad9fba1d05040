#include "core/records/purge.h"

#include "core/records/answerHistory.h"
#include "core/records/protocolRecord.h"
#include "core/records/resultRecord.h"
#include "core/store/tableStore.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int kStoredNameLength = 30; // the Profil field of both tables

QString stored(const QString& name) {
    return name.left(kStoredNameLength);
}

bool listed(const QStringList& names, const QString& name) {
    for (const QString& n : names)
        if (stored(n).compare(stored(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace

void ProfileHistory::noteList(const QStringList& before, const QStringList& after) {
    for (const QString& name : after)
        if (!listed(before, name) && !listed(listedAtStart, name) && !listed(created, name))
            created << name;
}

QStringList removedProfiles(const ProfileHistory& history, const QStringList& saved,
                            const QString& active) {
    // Names created in the dialog are known even when no list was read at start.
    const QStringList known =
        history.listTrusted ? history.listedAtStart + history.created : history.created;
    QStringList removed;
    for (const QString& name : known) {
        if (name.trimmed().isEmpty() || listed(saved, name) || listed(removed, name))
            continue;
        const bool createdNow = listed(history.created, name);
        if (listed({active}, name) && !createdNow)
            continue; // records this session wrote under it must stay
        removed << stored(name);
    }
    return removed;
}

bool PurgeRemovedProfiles(const QString& folder, const QStringList& profiles, StoreError* error) {
    if (profiles.isEmpty())
        return true;
    QVariantList names;
    for (const QString& name : profiles)
        names << stored(name);
    for (const TableSchema* schema :
         {&schemas::results(), &schemas::protocols(), &schemas::answers()}) {
        if (!TableStore::fileExists(*schema, folder))
            continue;
        TableStore store(*schema, folder);
        if (!store.open(TableStore::Mode::Existing) ||
            !store.remove({{u"Profil"_s, Condition::Op::In, names}})) {
            if (error)
                *error = store.error();
            return false;
        }
    }
    return true;
}
