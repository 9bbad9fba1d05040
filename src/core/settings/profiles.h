#pragma once

#include <QString>
#include <QStringList>

// The user profiles as the settings dialog edits them: pure list logic, so
// the rules that keep a learner's records are tested without a window.
namespace profiles {

// The result tables keep this much of a profile name; longer names would
// stop matching their own records.
inline constexpr int kMaxNameLength = 30;
inline const QString kBaseProfile = QStringLiteral("Default");

// Two names stand for the same profile when they agree, ignoring letter
// case, in the part the result tables keep.
bool sameName(const QString& a, const QString& b);

// A name config.ini can hold unchanged: Windows-1250 text without control
// characters. Anything else would come back different after a restart.
bool storable(const QString& name);

// The name a learner's input becomes: without surrounding blanks (config.ini
// drops them) and no longer than the result tables keep.
QString normalised(const QString& input);

// Czech alphabetical order without regard to letter case (č after c, ch after h).
bool lessThan(const QString& a, const QString& b);

enum class AddOutcome {
    Added,
    Refused, // empty after trimming, or text config.ini cannot hold
    Full,    // the list already holds the most profiles allowed
    Present, // the same name ignoring case is already listed
};

enum class RemoveOutcome { Removed, BaseProfile, NotFound };

// The sorted list of profile names.
class ProfileList {
  public:
    // Takes the names as they are, sorts them and adds the base profile
    // when a hand-edited list lacks it and there is room for it.
    explicit ProfileList(QStringList names);

    const QStringList& names() const { return names_; }
    int count() const { return int(names_.size()); }
    int indexOf(const QString& name) const; // -1 when the name is not listed

    // On Added, *added is the name as it was put into the list.
    AddOutcome add(const QString& input, QString* added = nullptr);
    RemoveOutcome remove(const QString& name);

  private:
    void insertSorted(const QString& name);

    QStringList names_;
};

} // namespace profiles
