#include "core/settings/iniFile.h"

#include "core/base/windows1250.h"

using namespace Qt::StringLiterals;

namespace {
bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// An ASCII digit's value up to base 16, or -1; other scripts' digits do not count.
int digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}
} // namespace

IniFile IniFile::parse(const QByteArray& bytes) {
    IniFile ini;
    const QString text = cp1250::decode(bytes);
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

QStringList IniFile::lines() const {
    QStringList lines;
    for (const Section& s : sections_) {
        lines << u'[' + s.name + u']';
        for (const Entry& e : s.entries)
            lines << e.key + u'=' + e.value;
        lines << QString();
    }
    return lines;
}

QByteArray IniFile::serialize() const {
    QByteArray bytes;
    for (const QString& line : lines())
        bytes += cp1250::encode(line) + "\r\n";
    return bytes;
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
    // One optional sign, then decimal digits or a "0x"/"$" prefix and hex
    // digits; anything else, or a value outside 32 bits, is not a number.
    const QString t = text.trimmed();
    qsizetype i = 0;
    const bool negative = t.startsWith(u'-');
    if (negative || t.startsWith(u'+'))
        ++i;
    int base = 10;
    if (t.mid(i, 1) == u"$"_s) {
        base = 16;
        i += 1;
    } else if (t.mid(i, 2).compare(u"0x"_s, Qt::CaseInsensitive) == 0) {
        base = 16;
        i += 2;
    }
    if (i >= t.size())
        return std::nullopt;
    const qint64 limit = negative ? 0x80000000LL : 0x7fffffffLL;
    qint64 n = 0;
    for (; i < t.size(); ++i) {
        const int digit = digitValue(t[i]);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        n = n * base + digit;
        if (n > limit)
            return std::nullopt;
    }
    return int(negative ? -n : n);
}
