#pragma once

#include "core/questions/question.h"

#include <QList>
#include <QString>

// Reading the question bank's text source: UTF-8 files of "Field: value"
// records separated by empty lines, each file opened by "# <first>-<last>".
struct SourceIssue {
    QString file;
    int line = 0;
    QString text;
    QString toString() const;
};

struct SourceRecord {
    Question question;
    int line = 0;     // where the record starts
    QString citation; // PŘEDPIS: the provisions the key rests on, "; " between them

    Question stored() const; // as the table holds it: the citation closes the note
};

struct SourceFile {
    QString path;
    int first = 0, last = 0; // the range the file declares
    QList<SourceRecord> records;
};

struct BankSource {
    QList<SourceFile> files;
    QList<SourceIssue> issues; // format errors; a source with any is refused

    QList<Question> questions() const; // all records as stored, ascending by number
};

SourceFile parseBankText(const QString& path, const QString& text, QList<SourceIssue>& issues);
BankSource readBankFolder(const QString& folder);

// The content rules beyond the format: numbers, answers, groups, pictures,
// the Windows-1250 repertoire and, for the given ranges, completeness.
struct CompleteRange {
    int first, last;
};
QList<SourceIssue> validateBank(const BankSource& source, const QString& pictureFolder,
                                const QList<CompleteRange>& complete);
