#pragma once
// Widget-free helpers shared by the test programs: fixture banks, pictures
// and stored records.

#include "core/questions/bankSource.h"
#include "core/questions/questionTable.h"
#include "core/questions/selection.h"
#include "core/records/protocolRecord.h"
#include "core/records/resultRecord.h"
#include "core/store/tableStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace testing {
using namespace Qt::StringLiterals;

// Writes a question table into folder from bank source text, through the
// same reader the build-time bank builder uses.
// The index of the built program's real bank; nothing when it cannot be read.
inline std::optional<BankIndex> realBankIndex() {
    QuestionTable table(QStringLiteral(TARMELKA_PROGRAM_DIR));
    const auto questions = table.open() ? table.range(0, bank::kQuestionCount) : std::nullopt;
    return questions ? std::optional<BankIndex>(BankIndex::from(*questions)) : std::nullopt;
}

inline bool makeBank(const QString& folder, const QString& sourceText) {
    QList<SourceIssue> issues;
    const SourceFile file = parseBankText(u"fixture.txt"_s, sourceText, issues);
    if (!issues.isEmpty())
        return false;
    QList<Row> rows;
    for (const SourceRecord& r : file.records) {
        const Question& q = r.question;
        rows << Row{q.number,     q.text,    q.answers[0], q.answers[1], q.answers[2],
                    q.answers[3], q.correct, q.group,      q.picture,    q.note};
    }
    TableStore store(schemas::questions(), folder);
    return store.open(TableStore::Mode::CreateIfMissing) && store.insert(rows);
}

// A record of the source format with the usual fields.
inline QString record(int number, const QString& text, const QStringList& answers,
                      const QString& correct, const QString& group = u"ABCD"_s,
                      const QString& picture = {}, const QString& note = {}) {
    QString r = u"Číslo: %1\nOTÁZKA: %2\n"_s.arg(number).arg(text);
    for (int i = 0; i < answers.size(); ++i)
        r += QChar(u'A' + i) + u": "_s + answers[i] + u'\n';
    r += u"SPRÁVNĚ: "_s + correct + u"\nSkupina: "_s + group + u'\n';
    if (!picture.isEmpty())
        r += u"OBRÁZEK: "_s + picture + u'\n';
    if (!note.isEmpty())
        r += u"POZNÁMKA: "_s + note + u'\n';
    return r + u'\n';
}

// Copies the program's pictures into a test's working folder.
inline void copyPictures(const QString& folder) {
    const QDir from(QStringLiteral(TARMELKA_PROGRAM_DIR "/grafika"));
    QDir(folder).mkpath(u"grafika"_s);
    for (const QString& name : from.entryList(QDir::Files))
        QFile::copy(from.filePath(name), QDir(folder).filePath(u"grafika/"_s + name));
}

// A stored record of either result table for a profile, with plain values.
inline Row rowFor(const TableSchema& schema, const QString& profile) {
    if (schema.name == u"Protokoly"_s)
        return Row{profile,   QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)),
                   u"B"_s,    u"12:34"_s,
                   20,        50,
                   43,        u"Prospěl"_s,
                   QString(), QString(),
                   QString(), QString()};
    return Row{u"Zkoušení"_s,
               profile,
               QDate(2026, 1, 1),
               QTime(1, 2, 3),
               u"B"_s,
               u"1"_s,
               1,
               0,
               QString(),
               0,
               QString(),
               100};
}

} // namespace testing
