// config.ini reader: parsing any bytes, writing them back and parsing again
// keeps every section's keys and values.

#include "core/settings/iniFile.h"
#include "fuzzSupport.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = fuzz::bytes(data, size);
    const IniFile first = IniFile::parse(input);
    const QByteArray once = first.serialize();
    const IniFile second = IniFile::parse(once);
    const QByteArray twice = second.serialize();
    fuzz::check(once == twice, "a saved file reads back to the same file",
                QString::fromLatin1(once.toPercentEncoding()));

    // Bytes that Windows-1250 leaves undefined cannot be written back as they
    // were; everything else must keep its value.
    const QString text = QStringDecoder("windows-1250").decode(input);
    if (text.contains(QChar::ReplacementCharacter))
        return 0;
    QString section;
    const QString written = QStringDecoder("windows-1250").decode(once);
    for (const QString& line : written.split(u"\r\n"_s)) {
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const int eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = line.left(eq);
        const auto before = first.value(section, key);
        const auto after = second.value(section, key);
        // A key of a repeated section is kept but never found (the first
        // section of a name wins); both readings must agree on that too.
        fuzz::check(after == before, "a key keeps its value",
                    u"[%1] %2: %3 / %4"_s.arg(section, key, before.value_or(u"<none>"_s),
                                              after.value_or(u"<none>"_s)));
    }
    return 0;
}
