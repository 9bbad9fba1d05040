// The number readers: config.ini switches and counts (IniFile::toInt) and the
// results table's question lists (parseNumberList), against a plain reference.

#include "core/records/resultRecord.h"
#include "core/settings/iniFile.h"
#include "fuzzSupport.h"

#include <QRegularExpression>
#include <QStringList>

#include <climits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The value of an optionally signed decimal or "0x"/"$" hexadecimal number,
// or nothing when it lies outside int.
std::optional<int> reference(const QString& text) {
    static const QRegularExpression form(uR"(^([+-]?)(?:([0-9]+)|(?:0[xX]|\$)([0-9a-fA-F]+))$)"_s);
    const auto m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const bool hex = m.capturedLength(3) > 0;
    const QString digits = hex ? m.captured(3) : m.captured(2);
    long long value = 0;
    for (QChar c : digits) {
        value = value * (hex ? 16 : 10) + QString(c).toInt(nullptr, 16);
        if (value > 1LL << 32)
            return std::nullopt;
    }
    if (m.captured(1) == u"-"_s)
        value = -value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return int(value);
}

QString withoutSpaces(const QString& text) {
    QString out;
    for (QChar c : text)
        if (!c.isSpace())
            out += c;
    return out;
}

void checkToInt(const QString& text) {
    const auto got = IniFile::toInt(text);
    const QString shown = u"\"%1\" read as %2"_s.arg(text, got ? QString::number(*got) : u"none"_s);
    // Whether spaces may stand around the sign is the reader's choice; one
    // sign, one prefix and the digits' value are not.
    if (got)
        fuzz::check(reference(withoutSpaces(text)) == got, "toInt reads only one signed number",
                    shown);
    // Whether a sign may stand before a hexadecimal number is the reader's
    // choice too; any other number in range must be read.
    const auto expected = reference(text);
    const bool hex = text.contains(u'$') || text.contains(u'x', Qt::CaseInsensitive);
    const bool sign = text.startsWith(u'-') || text.startsWith(u'+');
    if (expected && !(hex && sign))
        fuzz::check(got == expected, "toInt reads every plain number in range", shown);
}

void checkNumberList(const QString& text) {
    const QList<int> got = parseNumberList(text);
    static const QRegularExpression decimal(uR"(^[+-]?[0-9]+$)"_s);
    QList<int> expected;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QString p = part.trimmed();
        if (decimal.match(p).hasMatch())
            if (const auto n = reference(p))
                expected << *n;
    }
    auto show = [](const QList<int>& l) { return numberListText(l); };
    // QString::toInt stops reading at a NUL character ("7\0junk" reads 7):
    // known, and harmless in a list the program wrote itself.
    if (!text.contains(QChar(0)))
        fuzz::check(got == expected, "parseNumberList keeps exactly the numbers in range",
                    u"\"%1\": %2 / %3"_s.arg(text, show(got), show(expected)));
    fuzz::check(parseNumberList(numberListText(got)) == got, "a stored list reads back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(fuzz::bytes(data, size));
    checkToInt(text);
    checkNumberList(text);
    return 0;
}
