// Writes result records and saves config.ini in a loop until it is killed,
// saying on stdout what it has committed: "R <sequence>" after each record,
// "C <generation>" after each save. A first sequence of "-" saves config.ini
// only, as in a read-only folder where no record can be written.
//   killdriver <folder> <first-sequence> <first-generation> [records]

#include "core/settings/configFile.h"
#include "killWorkload.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// One write of a whole line: a kill can cut the output only between lines.
void report(char kind, int n) {
    std::printf("%c %d\n", kind, n);
    std::fflush(stdout);
}

int failure(const QString& what) {
    std::fprintf(stderr, "%s\n", qPrintable(what));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return failure(
            u"usage: killdriver <folder> <first-sequence> <first-generation> [records]"_s);
    const QString folder = args[1];
    int sequence = args[2].toInt();
    int generation = args[3].toInt();
    const int last = args.size() > 4 ? sequence + args[4].toInt() - 1 : -1;
    const QString ini = QDir(folder).filePath(u"config.ini"_s);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    if (args[2] == u"-"_s)
        for (;;) {
            QString saveError;
            if (!config::save(ini, killtest::settings(generation), killtest::view(generation),
                              &saveError))
                return failure(saveError);
            report('C', generation++);
        }
    for (;; ++sequence) {
        StoreError error;
        if (!WriteResultRecord(folder, killtest::record(sequence), &error))
            return failure(error.message());
        report('R', sequence);
        if (sequence % 2 == 0) {
            QString saveError;
            if (!config::save(ini, killtest::settings(generation), killtest::view(generation),
                              &saveError))
                return failure(saveError);
            report('C', generation++);
        }
        if (sequence == last)
            return 0;
    }
}
