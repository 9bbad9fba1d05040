// Build-time tool: builds the question table otazky.DB from the bank's text source.
//
//   build-bank <source folder> <output folder>
//
// The table is written beside the target under a temporary name and renamed
// over it, so an interrupted build never leaves half a table.
#include "core/questions/bankSource.h"
#include "core/questions/questionTable.h"
#include "core/store/tableStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: build-bank <source folder> <output folder>\n");
        return 2;
    }
    const BankSource source = readBankFolder(QString::fromLocal8Bit(argv[1]));
    // Pictures are rendered by their own build step; everything else about the
    // bank is checked before a table is made of it.
    const QList<SourceIssue> issues = validateBank(source, QString(), {});
    if (!issues.isEmpty()) {
        for (const SourceIssue& issue : issues)
            std::fprintf(stderr, "%s\n", qPrintable(issue.toString()));
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString staging = out.filePath(u"staging"_s);
    QDir(staging).removeRecursively();
    out.mkpath(u"staging"_s);

    QList<Row> rows;
    for (const Question& q : source.questions())
        rows << Row{q.number,     q.text,    q.answers[0], q.answers[1], q.answers[2],
                    q.answers[3], q.correct, q.group,      q.picture,    q.note};
    {
        TableStore store(schemas::questions(), staging);
        if (!store.open(TableStore::Mode::CreateIfMissing) || !store.insert(rows)) {
            std::fprintf(stderr, "%s\n", qPrintable(store.error().message()));
            return 1;
        }
    }
    const QString target = out.filePath(schemas::questions().fileName());
    QFile::remove(target);
    if (!QFile::rename(QDir(staging).filePath(schemas::questions().fileName()), target)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
        return 1;
    }
    QDir(staging).removeRecursively();
    std::printf("otazky.DB: %lld questions\n", qlonglong(rows.size()));
    return 0;
}
