#include "settings/iniFile.h"

#include <QStringDecoder>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace {
bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

IniFile IniFile::parse(const QByteArray& bytes) {
    IniFile ini;
    QStringDecoder decoder("windows-1250");
    const QString text = decoder.decode(bytes);
    Section* current = nullptr;
    for (QString line : text.split(u'\n')) {
        line = line.trimmed(); // also drops the CR of CRLF
        if (line.isEmpty() || line.startsWith(u';'))
            continue; // comments and blank lines do not survive a save
        if (line.startsWith(u'[')) {
            const int close = line.indexOf(u']');
            if (close > 0) {
                ini.sections_.append({line.mid(1, close - 1).trimmed(), {}});
                current = &ini.sections_.last();
                continue;
            }
        }
        const int eq = line.indexOf(u'=');
        if (!current || eq <= 0)
            continue; // lines before the first section, or not a key
        current->entries.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
    return ini;
}

QByteArray IniFile::serialize() const {
    QString text;
    for (const Section& s : sections_) {
        text += u'[' + s.name + u"]\r\n"_s;
        for (const Entry& e : s.entries)
            text += e.key + u'=' + e.value + u"\r\n"_s;
        text += u"\r\n"_s;
    }
    QStringEncoder encoder("windows-1250");
    return encoder.encode(text);
}

IniFile::Section* IniFile::find(const QString& section) {
    for (Section& s : sections_)
        if (sameName(s.name, section))
            return &s;
    return nullptr;
}

const IniFile::Section* IniFile::find(const QString& section) const {
    return const_cast<IniFile*>(this)->find(section);
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const {
    if (const Section* s = find(section))
        for (const Entry& e : s->entries)
            if (sameName(e.key, key))
                return e.value;
    return std::nullopt;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    Section* s = find(section);
    if (!s) {
        sections_.append({section, {}});
        s = &sections_.last();
    }
    for (Entry& e : s->entries)
        if (sameName(e.key, key)) {
            e.value = value;
            return;
        }
    s->entries.append({key, value});
}

void IniFile::removeSection(const QString& section) {
    sections_.removeIf([&](const Section& s) { return sameName(s.name, section); });
}

std::optional<int> IniFile::toInt(const QString& text) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negative = t.startsWith(u'-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(u'$')) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(u"0x"_s, Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty() || t.startsWith(u'-') || t.startsWith(u'+'))
        return std::nullopt;
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok, base);
    if (!ok || n > 0x7fffffffLL + (negative ? 1 : 0))
        return std::nullopt;
    return int(negative ? -n : n);
}
