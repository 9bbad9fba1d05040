// The question bank's text source: any text parses and validates without a
// fault, records point at lines of the text, and the records read back
// unchanged when written out again in the same format.

#include "core/questions/bankSource.h"
#include "fuzzSupport.h"

#include <QSet>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

const QString kPath = u"fuzz.txt"_s;

QString written(const SourceFile& file) {
    QString text = u"# %1-%2\n"_s.arg(file.first).arg(file.last);
    for (const SourceRecord& r : file.records) {
        const Question& q = r.question;
        text += u"\nČíslo: %1\nOTÁZKA: %2\nA: %3\nB: %4\nC: %5\nD: %6\nSPRÁVNĚ: %7\n"
                u"Skupina: %8\nOBRÁZEK: %9\n"_s.arg(QString::number(q.number), q.text, q.answers[0],
                                                    q.answers[1], q.answers[2], q.answers[3],
                                                    q.correct, q.group, q.picture);
        text += u"POZNÁMKA: "_s + q.note + u'\n';
    }
    return text;
}

QString describe(const Question& q) {
    return QStringList{QString::number(q.number),
                       q.text,
                       q.answers[0],
                       q.answers[1],
                       q.answers[2],
                       q.answers[3],
                       q.correct,
                       q.group,
                       q.picture,
                       q.note}
        .join(u'|');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(fuzz::bytes(data, size));
    const int lineCount = int(text.count(u'\n')) + 1;

    BankSource source;
    const SourceFile file = parseBankText(kPath, text, source.issues);
    QSet<int> numbers;
    for (const SourceRecord& r : file.records) {
        fuzz::check(r.line >= 1 && r.line <= lineCount, "a record starts on a line of the text");
        fuzz::check(!numbers.contains(r.question.number), "a number is taken once");
        numbers.insert(r.question.number);
    }
    for (const SourceIssue& issue : source.issues)
        fuzz::check(issue.line >= 0 && issue.line <= lineCount, "an issue names a line of the text",
                    issue.toString());
    source.files << file;
    validateBank(source, QString(), {});

    QList<SourceIssue> again;
    const SourceFile reread = parseBankText(kPath, written(file), again);
    fuzz::check(reread.records.size() == file.records.size(), "every record reads back",
                written(file));
    for (int i = 0; i < file.records.size(); ++i) {
        const QString a = describe(file.records[i].question);
        const QString b = describe(reread.records[i].question);
        fuzz::check(a == b, "a record reads back unchanged", a + u'\n' + b);
    }
    return 0;
}
