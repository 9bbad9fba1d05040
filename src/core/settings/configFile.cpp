#include "core/settings/configFile.h"

#include "core/base/fileOpens.h"
#include "core/base/windows1250.h"
#include "core/questions/bank.h"
#include "core/settings/iniFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kCategorySection = u"Kategorie otazek"_s;
const QString kGroupSection = u"Skupina"_s;
const QString kProtocolSection = u"Protokoly"_s;
const QString kViewSection = u"Konfigurace"_s;
const QString kProfileSection = u"Profily"_s;
const QString kStatusBarKey = u"Stavovy radek"_s;
const QString kOrderKey = u"Postupny vyber otazek"_s;
const QString kDefaultProfile = u"Default"_s;
// Written only when a learner turns one of its options on.
const QString kAccessSection = u"Pristupnost"_s;
const QString kScaleKey = u"Zvetseni"_s;
const QString kReadAloudKey = u"Cteni nahlas"_s;

// Written only while a school server is set.
const QString kSchoolSection = u"Skola"_s;
const QString kServiceKey = u"Sluzba"_s;
const QString kHostKey = u"Server"_s;
const QString kPortKey = u"Port"_s;
const QString kDatabaseKey = u"Databaze"_s;
const QString kUserKey = u"Uzivatel"_s;
const QString kTlsKey = u"TLS"_s;

// Nothing the program keeps in the file comes near these; more is damage.
constexpr qint64 kMaxFileSize = 1 << 20;
constexpr int kMaxValueLength = 200;

QString fileName(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The file's values, bounded: an overlong value counts as missing and is said once.
class Reader {
  public:
    Reader(const IniFile& ini, const QString& path, QStringList& problems)
        : ini_(ini), path_(path), problems_(problems) {}

    std::optional<QString> text(const QString& section, const QString& key) const {
        auto value = ini_.value(section, key);
        if (value && value->size() > kMaxValueLength) {
            problems_ << u"Hodnota klíče %1 v oddílu [%2] souboru %3 je příliš dlouhá (nejvýše %4 "
                         u"znaků); program ji nepoužije."_s.arg(key, section, fileName(path_))
                             .arg(kMaxValueLength);
            return std::nullopt;
        }
        return value;
    }
    std::optional<int> number(const QString& section, const QString& key) const {
        const auto t = text(section, key);
        return t ? IniFile::toInt(*t) : std::nullopt;
    }
    bool flag(const QString& section, const QString& key) const {
        const auto n = number(section, key);
        return n ? *n != 0 : true; // missing or not a number: on
    }

  private:
    const IniFile& ini_;
    QString path_;
    QStringList& problems_;
};

QString flagText(bool on) {
    return on ? u"1"_s : u"0"_s;
}

bool hasProgramSection(const IniFile& ini) {
    for (const QString& s :
         {kCategorySection, kGroupSection, kProtocolSection, kViewSection, kProfileSection})
        if (ini.hasSection(s))
            return true;
    return false;
}

// Reads the profile list; trusted only when every name the count promises is
// there, non-empty, and no numbered name stands beyond it.
bool readProfiles(const Reader& r, const QString& path, Settings& s, QStringList& problems) {
    const auto count = r.number(kProfileSection, u"Pocet"_s);
    bool trusted = count && *count >= 1 && *count <= kMaxProfiles;
    const int wanted = std::clamp(count.value_or(1), 1, kMaxProfiles);
    QStringList names;
    for (int i = 1; i <= wanted; ++i) {
        const QString name = r.text(kProfileSection, QString::number(i)).value_or(QString());
        if (name.isEmpty()) {
            trusted = false;
            continue;
        }
        if (!names.contains(name, Qt::CaseInsensitive))
            names << name;
    }
    if (r.text(kProfileSection, QString::number(wanted + 1)))
        trusted = false;
    // Names past the program's limit cannot be kept; say so before a save drops them.
    if (r.text(kProfileSection, QString::number(kMaxProfiles + 1)))
        problems << u"Soubor %1 uvádí víc než %2 profilů; program jich spravuje nejvýše %2. "
                    u"Uložením nastavení se další jména ze seznamu vypustí, jejich výsledky "
                    u"však zůstanou uloženy."_s.arg(fileName(path))
                        .arg(kMaxProfiles);
    if (names.isEmpty())
        names << kDefaultProfile;
    s.profiles = {};
    s.profileCount = int(names.size());
    for (int i = 0; i < s.profileCount; ++i)
        s.profiles[i] = names[i];
    s.activeProfile = r.text(kProfileSection, u"Aktivni"_s).value_or(QString());
    if (s.activeProfile.isEmpty())
        s.activeProfile = kDefaultProfile;
    return trusted;
}

void readAccessibility(const Reader& r, const QString& path, ViewChoices& view,
                       QStringList& problems) {
    const auto scale = r.number(kAccessSection, kScaleKey);
    if (scale && std::find(kScales.begin(), kScales.end(), *scale) != kScales.end())
        view.scalePercent = *scale;
    else if (r.text(kAccessSection, kScaleKey))
        problems << u"Soubor %1 uvádí neplatné zvětšení; program použije 100 %. Platné hodnoty "
                    u"jsou 100, 125, 150 a 200."_s.arg(fileName(path));
    const auto read = r.number(kAccessSection, kReadAloudKey);
    view.readAloud = read && *read != 0;
}

void readSchool(const Reader& r, const QString& path, ViewChoices& view, QStringList& problems) {
    SchoolServer server;
    server.service = r.text(kSchoolSection, kServiceKey).value_or(QString()).trimmed();
    server.host = r.text(kSchoolSection, kHostKey).value_or(QString()).trimmed();
    server.database = r.text(kSchoolSection, kDatabaseKey).value_or(QString()).trimmed();
    server.user = r.text(kSchoolSection, kUserKey).value_or(QString()).trimmed();
    server.sslMode = r.text(kSchoolSection, kTlsKey).value_or(u"prefer"_s).trimmed();
    const auto port = r.text(kSchoolSection, kPortKey);
    server.port = port && !port->trimmed().isEmpty() ? IniFile::toInt(*port).value_or(-1) : 0;
    if (!server.isSet() && server == SchoolServer{})
        return;
    if (const QString problem = schoolServerProblem(server); !problem.isEmpty()) {
        problems << u"Oddíl [%1] souboru %2 nepopisuje server školy správně: %3 Výsledky se "
                    u"budou ukládat jen v tomto počítači."_s.arg(kSchoolSection, fileName(path),
                                                                problem);
        return;
    }
    view.school = server;
}

void readGroup(const Reader& r, const QString& path, Settings& s, QStringList& problems) {
    const auto group = r.text(kGroupSection, u"Skupina"_s);
    if (group && bank::isGroup(*group)) {
        s.group = *group;
        return;
    }
    s.group = u"B"_s;
    if (!group)
        problems << u"Soubor %1 neuvádí skupinu řidičského oprávnění. Program použije skupinu B; "
                    u"uložením nastavení se doplní."_s.arg(fileName(path));
    else
        problems << u"Soubor %1 uvádí neplatnou skupinu řidičského oprávnění \"%2\". Program "
                    u"použije skupinu B; uložením nastavení se opraví."_s.arg(fileName(path),
                                                                              *group);
}

} // namespace

namespace config {

const std::array<QString, 10>& iniKeys() {
    static const std::array<QString, 10> keys{u"Pravidla provozu"_s, u"Ridicke opravneni"_s,
                                              u"Silnicni zakon"_s,   u"Zdravoveda"_s,
                                              u"Podminky provozu"_s, u"Znacky"_s,
                                              u"Krizovatky"_s,       u"Procvicovani"_s,
                                              u"Zkouseni"_s,         u"Test"_s};
    return keys;
}

Loaded load(const QString& path) {
    Loaded loaded;
    const QFileInfo info(path);
    if (!info.exists())
        return loaded;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        loaded.problems
            << u"Soubor %1 nelze přečíst (%2). Program použije výchozí nastavení."_s.arg(
                   fileName(path), info.isFile() ? file.errorString() : u"není to soubor"_s);
        return loaded;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    const IniFile ini = IniFile::parse(bytes);
    if (bytes.size() > kMaxFileSize || !hasProgramSection(ini)) {
        loaded.problems << u"Soubor %1 neobsahuje nastavení programu Tarmelka 2003. Program "
                           u"použije výchozí nastavení; uložením nastavení se soubor opraví."_s.arg(
                               fileName(path));
        return loaded;
    }
    loaded.fromFile = true;
    loaded.readOnly = !fileOpens(path);
    const Reader r(ini, path, loaded.problems);
    Settings& s = loaded.settings;
    const auto& keys = iniKeys();
    for (int i = 0; i < 7; ++i)
        s.categories[i] = r.flag(kCategorySection, keys[i]);
    readGroup(r, path, s, loaded.problems);
    for (int i = 0; i < 3; ++i)
        s.protocols[i] = r.flag(kProtocolSection, keys[7 + i]);
    loaded.view.statusBar = r.flag(kViewSection, kStatusBarKey);
    loaded.view.sequential = r.flag(kViewSection, kOrderKey);
    readAccessibility(r, path, loaded.view, loaded.problems);
    readSchool(r, path, loaded.view, loaded.problems);
    loaded.profileListTrusted = readProfiles(r, path, s, loaded.problems);
    if (loaded.readOnly)
        loaded.problems << u"Soubor %1 je jen pro čtení: nastavení se z něj načte, ale uložit ho "
                           u"nepůjde."_s.arg(fileName(path));
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
    const auto& keys = iniKeys();
    for (int i = 0; i < 7; ++i)
        ini.setValue(kCategorySection, keys[i], flagText(s.categories[i]));
    ini.setValue(kGroupSection, u"Skupina"_s, s.group);
    for (int i = 0; i < 3; ++i)
        ini.setValue(kProtocolSection, keys[7 + i], flagText(s.protocols[i]));
    ini.setValue(kViewSection, kStatusBarKey, flagText(view.statusBar));
    ini.setValue(kViewSection, kOrderKey, flagText(view.sequential));
    // A learner who never turns these on keeps the file as it always was.
    if (view.scalePercent == 100 && !view.readAloud) {
        ini.removeSection(kAccessSection);
    } else {
        ini.setValue(kAccessSection, kScaleKey, QString::number(view.scalePercent));
        ini.setValue(kAccessSection, kReadAloudKey, flagText(view.readAloud));
    }
    ini.removeSection(kSchoolSection);
    if (view.school.isSet()) {
        const SchoolServer& server = view.school;
        ini.setValue(kSchoolSection, kServiceKey, server.service);
        ini.setValue(kSchoolSection, kHostKey, server.host);
        ini.setValue(kSchoolSection, kPortKey,
                     server.port > 0 ? QString::number(server.port) : QString());
        ini.setValue(kSchoolSection, kDatabaseKey, server.database);
        ini.setValue(kSchoolSection, kUserKey, server.user);
        ini.setValue(kSchoolSection, kTlsKey, server.sslMode);
    }
    // An empty name would make the next start's list untrustworthy; never write one.
    QStringList names;
    for (int i = 0; i < s.profileCount && i < kMaxProfiles; ++i)
        if (!s.profiles[i].trimmed().isEmpty())
            names << s.profiles[i];
    if (names.isEmpty())
        names << kDefaultProfile;
    ini.removeSection(kProfileSection);
    ini.setValue(kProfileSection, u"Pocet"_s, QString::number(names.size()));
    for (int i = 0; i < names.size(); ++i)
        ini.setValue(kProfileSection, QString::number(i + 1), names[i]);
    ini.setValue(kProfileSection, u"Aktivni"_s,
                 s.activeProfile.trimmed().isEmpty() ? kDefaultProfile : s.activeProfile);

    return cp1250::writeLines(path, ini.lines(), error);
}

void removeStaleTemporaries(const QString& path) {
    const QFileInfo info(path);
    const QDir folder = info.dir();
    const QDateTime before = QDateTime::currentDateTime().addSecs(-60);
    const QStringList pattern{info.fileName() + u".??????"_s};
    for (const QFileInfo& t : folder.entryInfoList(pattern, QDir::Files | QDir::Hidden))
        if (t.lastModified() < before)
            QFile::remove(t.filePath());
}

} // namespace config
