#include "core/settings/profiles.h"

#include "core/settings/settings.h"

#include <QCollator>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace profiles {

namespace {
// The collator is given its locale explicitly, so the order does not depend
// on the environment's locale (a build machine often runs in "C").
const QCollator& czechCollator() {
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}
} // namespace

bool sameName(const QString& a, const QString& b) {
    return QString::compare(a.left(kMaxNameLength), b.left(kMaxNameLength), Qt::CaseInsensitive) ==
           0;
}

bool storable(const QString& name) {
    if (std::any_of(name.begin(), name.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        return false;
    // The encoder substitutes what it cannot encode, so compare a round trip.
    QStringEncoder encoder("windows-1250");
    QStringDecoder decoder("windows-1250");
    const QByteArray bytes = encoder.encode(name);
    return !encoder.hasError() && decoder.decode(bytes) == name;
}

QString normalised(const QString& input) {
    // Trim again after cutting: the cut may leave a blank at the end.
    return input.trimmed().left(kMaxNameLength).trimmed();
}

bool lessThan(const QString& a, const QString& b) {
    return czechCollator().compare(a, b) < 0;
}

ProfileList::ProfileList(QStringList names) : names_(std::move(names)) {
    std::stable_sort(names_.begin(), names_.end(), lessThan);
    if (indexOf(kBaseProfile) < 0 && count() < kMaxProfiles)
        insertSorted(kBaseProfile);
}

int ProfileList::indexOf(const QString& name) const {
    const auto it = std::find_if(names_.begin(), names_.end(),
                                 [&](const QString& listed) { return sameName(listed, name); });
    return it == names_.end() ? -1 : int(it - names_.begin());
}

AddOutcome ProfileList::add(const QString& input, QString* added) {
    const QString name = normalised(input);
    if (name.isEmpty() || !storable(name))
        return AddOutcome::Refused;
    const bool present = indexOf(name) >= 0;
    if (!present && count() >= kMaxProfiles)
        return AddOutcome::Full;
    if (present)
        return AddOutcome::Present;
    insertSorted(name);
    if (added)
        *added = name;
    return AddOutcome::Added;
}

RemoveOutcome ProfileList::remove(const QString& name) {
    const QString wanted = normalised(name);
    if (sameName(wanted, kBaseProfile))
        return RemoveOutcome::BaseProfile;
    const int index = indexOf(wanted);
    if (wanted.isEmpty() || index < 0)
        return RemoveOutcome::NotFound;
    names_.removeAt(index);
    return RemoveOutcome::Removed;
}

void ProfileList::insertSorted(const QString& name) {
    names_.insert(std::upper_bound(names_.begin(), names_.end(), name, lessThan), name);
}

} // namespace profiles
