#include "results/purge.h"

#include "questions/tableStore.h"

using namespace Qt::StringLiterals;

bool PurgeRemovedProfiles(const QString& folder, const QStringList& savedProfiles,
                          StoreError* error) {
    if (savedProfiles.isEmpty())
        return true;
    QVariantList keep;
    for (const QString& name : savedProfiles)
        keep << name;
    for (const TableSchema* schema : {&schemas::results(), &schemas::protocols()}) {
        if (!TableStore::fileExists(*schema, folder))
            continue;
        TableStore store(*schema, folder);
        if (!store.open(TableStore::Mode::Existing) ||
            !store.remove({{u"Profil"_s, Condition::Op::NotIn, keep}})) {
            if (error)
                *error = store.error();
            return false;
        }
    }
    return true;
}
