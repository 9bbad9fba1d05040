#include "core/questions/bankSource.h"

#include "core/base/windows1250.h"

#include "core/questions/bank.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

QString SourceIssue::toString() const {
    return u"%1:%2: %3"_s.arg(file).arg(line).arg(text);
}

namespace {

const QStringList& fieldNames() {
    static const QStringList names{u"Číslo"_s,   u"OTÁZKA"_s,   u"A"_s,       u"B"_s,
                                   u"C"_s,       u"D"_s,        u"SPRÁVNĚ"_s, u"Skupina"_s,
                                   u"OBRÁZEK"_s, u"POZNÁMKA"_s, u"PŘEDPIS"_s};
    return names;
}

constexpr int kCitationField = 10; // kept beside the record, not a column of the table

QString* fieldOf(Question& q, int index) {
    switch (index) {
    case 1:
        return &q.text;
    case 2:
    case 3:
    case 4:
    case 5:
        return &q.answers[index - 2];
    case 6:
        return &q.correct;
    case 7:
        return &q.group;
    case 8:
        return &q.picture;
    case 9:
        return &q.note;
    }
    return nullptr;
}

struct Pending {
    Question question;
    QString citation;
    int line = 0;
    QSet<int> seen;
};

void finish(Pending& p, SourceFile& file, QList<SourceIssue>& issues, QSet<int>& numbers) {
    if (p.line == 0)
        return;
    static const int mandatory[] = {0, 1, 2, 3, 6, 7};
    bool complete = true;
    for (int f : mandatory)
        if (!p.seen.contains(f)) {
            issues << SourceIssue{file.path, p.line, u"chybí pole %1"_s.arg(fieldNames()[f])};
            complete = false;
        }
    if (complete && numbers.contains(p.question.number)) {
        issues << SourceIssue{file.path, p.line,
                              u"otázka %1 je uvedena dvakrát"_s.arg(p.question.number)};
        complete = false;
    }
    if (complete) {
        numbers.insert(p.question.number);
        file.records << SourceRecord{p.question, p.line, p.citation};
    }
    p = Pending{};
}

} // namespace

SourceFile parseBankText(const QString& path, const QString& text, QList<SourceIssue>& issues) {
    SourceFile file;
    file.path = path;
    QSet<int> numbers;
    const QStringList lines = text.split(u'\n');
    static const QRegularExpression range(uR"(^#\s*(\d+)\s*-\s*(\d+)\s*$)"_s);
    const QRegularExpressionMatch header = range.match(lines.value(0).trimmed());
    if (header.hasMatch()) {
        file.first = header.captured(1).toInt();
        file.last = header.captured(2).toInt();
    } else {
        issues << SourceIssue{path, 1, u"první řádek musí udávat rozsah čísel, např. # 1-210"_s};
    }
    Pending pending;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty()) {
            finish(pending, file, issues, numbers);
            continue;
        }
        if (line.startsWith(u'#'))
            continue;
        const int colon = line.indexOf(u':');
        const int field = colon < 0 ? -1 : fieldNames().indexOf(line.left(colon).trimmed());
        if (field < 0) {
            issues << SourceIssue{path, lineNo, u"neznámé pole: %1"_s.arg(line.left(colon))};
            continue;
        }
        if (pending.line == 0)
            pending.line = lineNo;
        if (pending.seen.contains(field))
            issues << SourceIssue{path, lineNo,
                                  u"pole %1 je v záznamu dvakrát"_s.arg(fieldNames()[field])};
        pending.seen.insert(field);
        const QString value = line.mid(colon + 1).trimmed();
        if (field == 0) {
            bool ok = false;
            pending.question.number = value.toInt(&ok);
            if (!ok)
                issues << SourceIssue{path, lineNo, u"číslo otázky není číslo: %1"_s.arg(value)};
        } else if (field == kCitationField) {
            pending.citation = value;
        } else {
            *fieldOf(pending.question, field) = value;
        }
    }
    finish(pending, file, issues, numbers);
    return file;
}

BankSource readBankFolder(const QString& folder) {
    BankSource source;
    const QDir dir(folder);
    const QStringList names = dir.entryList({u"*.txt"_s}, QDir::Files, QDir::Name);
    std::map<int, QString> owner; // duplicates across files
    for (const QString& name : names) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) {
            source.issues << SourceIssue{f.fileName(), 0, u"soubor nelze číst"_s};
            continue;
        }
        SourceFile file =
            parseBankText(f.fileName(), QString::fromUtf8(f.readAll()), source.issues);
        for (const SourceRecord& r : file.records) {
            const auto [it, fresh] = owner.emplace(r.question.number, file.path);
            if (!fresh)
                source.issues << SourceIssue{
                    file.path, r.line,
                    u"otázka %1 je už v souboru %2"_s.arg(r.question.number).arg(it->second)};
        }
        source.files << file;
    }
    return source;
}

Question SourceRecord::stored() const {
    Question q = question;
    // The learner reads the provision behind the why at the note's end.
    if (!q.note.isEmpty() && !citation.isEmpty())
        q.note += u" (%1)"_s.arg(citation);
    return q;
}

QList<Question> BankSource::questions() const {
    QList<Question> all;
    for (const SourceFile& f : files)
        for (const SourceRecord& r : f.records)
            all << r.stored();
    std::sort(all.begin(), all.end(),
              [](const Question& a, const Question& b) { return a.number < b.number; });
    return all;
}

namespace {

bool isOrderedSubset(const QString& letters, const QString& of) {
    if (letters.isEmpty())
        return false;
    int from = 0;
    for (QChar c : letters) {
        const int at = of.indexOf(c, from);
        if (at < 0)
            return false;
        from = at + 1;
    }
    return true;
}

void validateRecord(const SourceFile& file, const SourceRecord& r, const QString& pictureFolder,
                    QList<SourceIssue>& out) {
    const Question& q = r.question;
    auto report = [&](const QString& text) { out << SourceIssue{file.path, r.line, text}; };
    if (q.number < 1 || q.number > bank::kQuestionCount)
        report(u"číslo %1 leží mimo 1 až 757"_s.arg(q.number));
    if (bank::isRetired(q.number))
        report(u"otázka %1 je vyřazená a nesmí být v bance"_s.arg(q.number));
    if (q.number < file.first || q.number > file.last)
        report(u"číslo %1 leží mimo rozsah souboru %2-%3"_s.arg(q.number)
                   .arg(file.first)
                   .arg(file.last));
    if (!isOrderedSubset(q.correct, u"ABCD"_s))
        report(u"SPRÁVNĚ musí být vzestupně seřazená písmena A až D: \"%1\""_s.arg(q.correct));
    for (QChar c : q.correct) {
        const int index = c.unicode() - u'A';
        if (index >= 0 && index < 4 && q.answers[index].isEmpty())
            report(u"SPRÁVNĚ uvádí prázdnou odpověď %1"_s.arg(c));
    }
    if (!isOrderedSubset(q.group, u"ABCD"_s))
        report(u"Skupina musí být neprázdná seřazená podmnožina ABCD: \"%1\""_s.arg(q.group));
    const bool needsPicture = q.number >= bank::kFirstSign && q.number <= bank::kQuestionCount;
    if (needsPicture && q.picture.isEmpty())
        report(u"otázka %1 musí mít OBRÁZEK"_s.arg(q.number));
    if (!needsPicture && !q.picture.isEmpty())
        report(u"otázka %1 nesmí mít OBRÁZEK"_s.arg(q.number));
    if (!q.picture.isEmpty() && !pictureFolder.isEmpty()) {
        const QString path = QDir(pictureFolder).filePath(QString(q.picture).replace(u'\\', u'/'));
        if (!QFile::exists(path))
            report(u"obrázek %1 sestavení nevytváří"_s.arg(q.picture));
    }
    const struct {
        const QString& text;
        int limit;
        const char16_t* field;
    } bounded[] = {
        {q.text, bank::kMaxQuestionLength, u"OTÁZKA"}, {q.answers[0], bank::kMaxAnswerLength, u"A"},
        {q.answers[1], bank::kMaxAnswerLength, u"B"},  {q.answers[2], bank::kMaxAnswerLength, u"C"},
        {q.answers[3], bank::kMaxAnswerLength, u"D"},  {q.note, bank::kMaxNoteLength, u"POZNÁMKA"}};
    for (const auto& b : bounded)
        if (b.text.size() > b.limit)
            report(u"%1 má %2 znaků, nejvýše smí %3"_s.arg(QString::fromUtf16(b.field))
                       .arg(b.text.size())
                       .arg(b.limit));
    const QString texts[] = {q.text,    q.answers[0], q.answers[1], q.answers[2], q.answers[3],
                             q.correct, q.group,      q.picture,    q.note,       r.citation};
    for (const QString& t : texts)
        if (!cp1250::encodable(t)) {
            report(u"text nelze zapsat ve Windows-1250: %1"_s.arg(t));
            break;
        }
}

} // namespace

QList<SourceIssue> validateBank(const BankSource& source, const QString& pictureFolder,
                                const QList<CompleteRange>& complete) {
    QList<SourceIssue> out = source.issues;
    QSet<int> present;
    for (const SourceFile& file : source.files) {
        int previous = 0;
        for (const SourceRecord& r : file.records) {
            validateRecord(file, r, pictureFolder, out);
            if (r.question.number <= previous)
                out << SourceIssue{file.path, r.line, u"čísla otázek nejdou vzestupně"_s};
            previous = r.question.number;
            present.insert(r.question.number);
        }
    }
    for (const CompleteRange& range : complete)
        for (int n = range.first; n <= range.last; ++n)
            if (!bank::isRetired(n) && !present.contains(n))
                out << SourceIssue{u"banka otázek"_s, 0, u"chybí otázka %1"_s.arg(n)};
    return out;
}
