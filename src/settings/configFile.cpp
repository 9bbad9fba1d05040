#include "settings/configFile.h"

#include "questions/bank.h"
#include "settings/iniFile.h"
#include "ui/fileOpens.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

const QString kCategorySection = u"Kategorie otazek"_s;
const QString kGroupSection = u"Skupina"_s;
const QString kProtocolSection = u"Protokoly"_s;
const QString kViewSection = u"Konfigurace"_s;
const QString kProfileSection = u"Profily"_s;
const QString kStatusBarKey = u"Stavovy radek"_s;
const QString kOrderKey = u"Postupny vyber otazek"_s;

bool readSwitch(const IniFile& ini, const QString& section, const QString& key) {
    const auto text = ini.value(section, key);
    const auto n = text ? IniFile::toInt(*text) : std::nullopt;
    return n ? *n != 0 : true; // missing or not a number: on
}

QString flag(bool on) {
    return on ? u"1"_s : u"0"_s;
}

} // namespace

namespace config {

Loaded load(const QString& path) {
    Loaded loaded;
    if (!fileOpens(path))
        return loaded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return loaded;
    const IniFile ini = IniFile::parse(file.readAll());
    loaded.fromFile = true;
    Settings& s = loaded.settings;
    const auto& keys = bank::iniKeys();
    for (int i = 0; i < 7; ++i)
        s.categories[i] = readSwitch(ini, kCategorySection, keys[i]);
    s.group = ini.value(kGroupSection, u"Skupina"_s).value_or(QString());
    for (int i = 0; i < 3; ++i)
        s.protocols[i] = readSwitch(ini, kProtocolSection, keys[7 + i]);
    loaded.view.statusBar = readSwitch(ini, kViewSection, kStatusBarKey);
    loaded.view.sequential = readSwitch(ini, kViewSection, kOrderKey);
    const auto countText = ini.value(kProfileSection, u"Pocet"_s);
    const auto count = countText ? IniFile::toInt(*countText) : std::nullopt;
    // Only a hand-edited file holds a count outside 1..30; keep what fits.
    s.profileCount = std::clamp(count.value_or(1), 1, kMaxProfiles);
    s.profiles = {};
    for (int i = 0; i < s.profileCount; ++i)
        s.profiles[i] = ini.value(kProfileSection, QString::number(i + 1)).value_or(QString());
    s.activeProfile = ini.value(kProfileSection, u"Aktivni"_s).value_or(QString());
    if (!bank::isGroup(s.group)) {
        loaded.invalidGroup = s.group;
        s.group = u"B"_s;
    }
    s.takeSavedProfiles();
    return loaded;
}

bool save(const QString& path, const Settings& s, const ViewChoices& view, QString* error) {
    IniFile ini;
    if (QFileInfo::exists(path)) {
        QFile old(path);
        // Opening for writing too: a read-only file must not be replaced behind its back.
        if (!old.open(QIODevice::ReadWrite)) {
            *error = old.errorString();
            return false;
        }
        ini = IniFile::parse(old.readAll());
    }
    const auto& keys = bank::iniKeys();
    for (int i = 0; i < 7; ++i)
        ini.setValue(kCategorySection, keys[i], flag(s.categories[i]));
    ini.setValue(kGroupSection, u"Skupina"_s, s.group);
    for (int i = 0; i < 3; ++i)
        ini.setValue(kProtocolSection, keys[7 + i], flag(s.protocols[i]));
    ini.setValue(kViewSection, kStatusBarKey, flag(view.statusBar));
    ini.setValue(kViewSection, kOrderKey, flag(view.sequential));
    ini.removeSection(kProfileSection);
    ini.setValue(kProfileSection, u"Pocet"_s, QString::number(s.profileCount));
    for (int i = 0; i < s.profileCount && i < kMaxProfiles; ++i)
        ini.setValue(kProfileSection, QString::number(i + 1), s.profiles[i]);
    ini.setValue(kProfileSection, u"Aktivni"_s, s.activeProfile);

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(ini.serialize()) < 0 || !out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}

} // namespace config
