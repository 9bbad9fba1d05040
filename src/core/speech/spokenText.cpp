#include "core/speech/spokenText.h"

#include <QRegularExpression>
#include <QStringList>

#include <utility>

using namespace Qt::StringLiterals;

namespace speech {

namespace {

QString belowThousand(int n) {
    static const QStringList ones{u""_s,         u"jedna"_s,    u"dva"_s,     u"tři"_s,
                                  u"čtyři"_s,    u"pět"_s,      u"šest"_s,    u"sedm"_s,
                                  u"osm"_s,      u"devět"_s,    u"deset"_s,   u"jedenáct"_s,
                                  u"dvanáct"_s,  u"třináct"_s,  u"čtrnáct"_s, u"patnáct"_s,
                                  u"šestnáct"_s, u"sedmnáct"_s, u"osmnáct"_s, u"devatenáct"_s};
    static const QStringList tens{u""_s,         u""_s,         u"dvacet"_s,  u"třicet"_s,
                                  u"čtyřicet"_s, u"padesát"_s,  u"šedesát"_s, u"sedmdesát"_s,
                                  u"osmdesát"_s, u"devadesát"_s};
    static const QStringList hundreds{u""_s,          u"sto"_s,      u"dvě stě"_s,  u"tři sta"_s,
                                      u"čtyři sta"_s, u"pět set"_s,  u"šest set"_s, u"sedm set"_s,
                                      u"osm set"_s,   u"devět set"_s};
    QStringList words;
    if (n >= 100)
        words << hundreds[n / 100];
    n %= 100;
    if (n >= 20) {
        words << tens[n / 10];
        if (n % 10)
            words << ones[n % 10];
    } else if (n > 0) {
        words << ones[n];
    }
    return words.join(u' ');
}

} // namespace

QString numberWords(int number) {
    if (number == 0)
        return u"nula"_s;
    if (number < 0 || number > 999'999)
        return QString::number(number);
    QStringList words;
    const int thousands = number / 1000;
    if (thousands == 1)
        words << u"tisíc"_s;
    else if (thousands >= 2 && thousands <= 4)
        words << (thousands == 2 ? u"dva"_s : belowThousand(thousands)) + u" tisíce"_s;
    else if (thousands > 4)
        words << belowThousand(thousands) + u" tisíc"_s;
    if (number % 1000)
        words << belowThousand(number % 1000);
    return words.join(u' ');
}

QString spokenText(const QString& text) {
    QString t = text;
    auto replaceAll = [&t](const QRegularExpression& re, const auto& with) {
        QString out;
        qsizetype last = 0;
        for (auto it = re.globalMatch(t); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            out += t.mid(last, m.capturedStart() - last) + with(m);
            last = m.capturedEnd();
        }
        t = out + t.mid(last);
    };
    const auto opts = QRegularExpression::UseUnicodePropertiesOption;
    // A statute's number and year: "361/2000 Sb." is "361 z roku 2000 Sbírky".
    replaceAll(QRegularExpression(uR"((\d+)/(\d{4})\s*Sb\.)"_s, opts),
               [](const QRegularExpressionMatch& m) {
                   return m.captured(1) + u" z roku "_s + m.captured(2) + u" Sbírky"_s;
               });
    // A sign code: the letters as they are said, then the number.
    static const std::pair<const char16_t*, const char16_t*> letters[] = {
        {u"IP", u"í pé"}, {u"IZ", u"í zet"}, {u"IS", u"í es"}, {u"IJ", u"í jé"}, {u"A", u"á"},
        {u"B", u"bé"},    {u"C", u"cé"},     {u"E", u"é"},     {u"P", u"pé"},    {u"V", u"vé"},
        {u"S", u"es"},    {u"Z", u"zet"},    {u"O", u"ó"}};
    replaceAll(QRegularExpression(uR"(\b(IP|IZ|IS|IJ|[ABCEPVSZO]) (\d+)([a-z]?)\b)"_s, opts),
               [&](const QRegularExpressionMatch& m) {
                   QString code;
                   for (const auto& [written, said] : letters)
                       if (m.captured(1) == QString::fromUtf16(written))
                           code = QString::fromUtf16(said);
                   QString suffix;
                   if (!m.captured(3).isEmpty())
                       for (const auto& [written, said] : letters)
                           if (m.captured(3).toUpper() == QString::fromUtf16(written))
                               suffix = u' ' + QString::fromUtf16(said);
                   if (!m.captured(3).isEmpty() && suffix.isEmpty())
                       suffix = u' ' + m.captured(3);
                   return code + u' ' + m.captured(2) + suffix;
               });
    // Abbreviations of the statutes and of everyday writing, and units.
    static const std::pair<const char16_t*, const char16_t*> words[] = {
        {uR"(§\s*)", u"paragraf "},
        {uR"(\bodst\.)", u"odstavec"},
        {uR"(\bpísm\.\s*([a-z]{1,2})\))", u"písmeno \\1"},
        {uR"(\bpísm\.)", u"písmeno"},
        {uR"(\bč\.)", u"číslo"},
        {uR"(\bnapř\.)", u"například"},
        {uR"(\btzv\.)", u"takzvaný"},
        {uR"(\batd\.)", u"a tak dále"},
        {uR"(\bapod\.)", u"a podobně"},
        {uR"(\btj\.)", u"to jest"},
        {uR"(\bresp\.)", u"respektive"},
        {uR"((\d)\s*(km/h|km\.h-1)\b)", u"\\1 kilometrů za hodinu"},
        {uR"((\d)\s*km\b)", u"\\1 kilometrů"},
        {uR"((\d)\s*m\b)", u"\\1 metrů"},
        {uR"((\d)\s*cm\b)", u"\\1 centimetrů"},
        {uR"((\d)\s*mm\b)", u"\\1 milimetrů"},
        {uR"((\d)\s*kg\b)", u"\\1 kilogramů"},
        {uR"((\d)\s*%)", u"\\1 procent"},
        {uR"((\d)\s*Kč\b)", u"\\1 korun"},
    };
    for (const auto& [pattern, said] : words)
        t.replace(QRegularExpression(QString::fromUtf16(pattern), opts), QString::fromUtf16(said));
    // "1. zelené" is an order: said as "první zelené".
    static const QStringList ordinals{u"první"_s, u"druhé"_s, u"třetí"_s, u"čtvrté"_s, u"páté"_s,
                                      u"šesté"_s, u"sedmé"_s, u"osmé"_s,  u"deváté"_s};
    replaceAll(QRegularExpression(uR"(\b([1-9])\. (?=\p{Ll}))"_s, opts),
               [](const QRegularExpressionMatch& m) {
                   return ordinals[m.captured(1).toInt() - 1] + u' ';
               });
    // "3 500" is one number; then every number is said in words.
    t.replace(QRegularExpression(uR"((\d{1,3}) (\d{3})\b)"_s), u"\\1\\2"_s);
    replaceAll(QRegularExpression(uR"(\d+)"_s), [](const QRegularExpressionMatch& m) {
        bool ok = false;
        const int n = m.captured(0).toInt(&ok);
        return ok ? numberWords(n) : m.captured(0);
    });
    // A citation's parts are paused between, as a speaker does.
    t.replace(QRegularExpression(uR"( (odstavec|písmeno) )"_s), u", \\1 "_s);
    return t.simplified();
}

QString questionSpeech(const Question& q) {
    QStringList parts{u"Otázka číslo %1."_s.arg(q.number), q.text};
    for (int i = 0; i < 4; ++i)
        if (!q.answers[i].isEmpty())
            parts << u"Odpověď %1: %2"_s.arg(QChar(u'a' + i)).arg(q.answers[i]);
    return spokenText(parts.join(u' '));
}

} // namespace speech
