// The protocol list on a large table and the test report: opening the list up
// to its first painted page with 1,000,000 stored protocols, for a profile
// that owns nearly all of them, one whose few records come last, and one with
// none; then building and showing the report. The table is written once into
// the temporary folder and reused. With "--shots <folder>" it saves
// pictures of the list and the report and prints the report to a PDF.
#include "benchStats.h"
#include "core/pointstest/testReport.h"
#include "core/records/protocolsTable.h"
#include "gui/results/protocolListDialog.h"
#include "gui/results/protocolReportDialog.h"
#include "gui/ui/fonts.h"
#include "gui/ui/translations.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableView>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
constexpr int kStored = 1'000'000;
constexpr int kFewLast = 150;

ProtocolRecord protocol(const QString& profile, int i) {
    ProtocolRecord r;
    r.profile = profile;
    r.started = QDateTime(QDate(2003, 3, 6), QTime(14, 5, 10)).addSecs(i * 97LL);
    r.group = u"B"_s;
    r.duration = u"23:41"_s;
    r.correctCount = 21;
    r.points = 40 + i % 26;
    r.minPoints = 56;
    r.verdict = r.points >= 56 ? kPassedVerdict : kFailedVerdict;
    const QStringList plan = u"3 3 3 3 3 3 3 3 3 3 2 2 2 2 1 1 2 2 2 2 2 3 4 4 4"_s.split(u' ');
    for (int k = 0; k < 25; ++k) {
        r.positionPoints[k] = plan[k];
        r.givenAnswers[k] = (i + k) % 7 == 0 ? QString() : u"AB"_s.left(1 + (i + k) % 2);
        r.correctAnswers[k] = u"A"_s;
        r.questionNumbers[k] = QString::number(1 + (i * 31 + k * 29) % 757);
    }
    return r;
}

// Nearly all protocols belong to one profile; the last few to another.
bool prepare(const QString& folder) {
    ProtocolsTable existing(folder);
    if (existing.exists() && existing.open() && existing.count(u"Jana"_s) == kStored - kFewLast)
        return true;
    QFile::remove(QDir(folder).filePath(u"Protokoly.DB"_s));
    TableStore store(schemas::protocols(), folder);
    if (!store.open(TableStore::Mode::CreateIfMissing))
        return false;
    std::printf("writing %d protocols into %s ...\n", kStored, qPrintable(folder));
    std::fflush(stdout);
    constexpr int kBatch = 50'000;
    for (int first = 0; first < kStored; first += kBatch) {
        QList<Row> rows;
        rows.reserve(kBatch);
        for (int i = first; i < first + kBatch; ++i)
            rows << protocol(i < kStored - kFewLast ? u"Jana"_s : u"Eva"_s, i).toRow();
        if (!store.insert(rows))
            return false;
    }
    return true;
}

void timeOpening(const QString& folder, const QString& profile, const char* what) {
    Samples s;
    int rows = 0;
    for (int run = 0; run < 9; ++run) {
        s.time([&] {
            TSeznamTestu list(profile, folder, nullptr);
            if (!list.load())
                std::exit(1);
            list.show();
            QApplication::processEvents(); // the first page painted
            rows = list.findChild<QTableView*>(u"DBGrid1"_s)->model()->rowCount();
        });
    }
    std::printf("%s: %d rows on open\n", what, rows);
    s.report(what);
}

int shots(const QString& out) {
    QDir().mkpath(out);
    ProtocolRecord r = protocol(u"Jana Nováková"_s, 3);
    r.givenAnswers[0].clear();
    r.givenAnswers[24].clear();
    TTestDetailForm report(r, nullptr);
    report.show();
    QApplication::processEvents();
    report.grab().save(out + u"/report.png"_s);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out + u"/report.pdf"_s);
    QString error;
    if (!report.printReport(printer, &error)) {
        std::printf("%s\n", qPrintable(error));
        return 1;
    }
    const QString folder = out + u"/table"_s;
    QDir().mkpath(folder);
    QFile::remove(folder + u"/Protokoly.DB"_s);
    StoreError storeError;
    for (int i = 0; i < 30; ++i)
        if (!WriteProtocol(folder, protocol(u"Jana Nováková"_s, i * 131), &storeError))
            return 1;
    TSeznamTestu list(u"Jana Nováková"_s, folder, nullptr);
    if (!list.load())
        return 1;
    list.show();
    QApplication::processEvents();
    list.grab().save(out + u"/list.png"_s);

    // Qt's own dialogs, to see them in Czech.
    installCzechTranslations(*qApp);
    QPrinter dialogPrinter;
    QPrintDialog printDialog(&dialogPrinter, &report);
    printDialog.show();
    QApplication::processEvents();
    printDialog.grab().save(out + u"/printDialog.png"_s);
    QFileDialog saveDialog(&report);
    saveDialog.setAcceptMode(QFileDialog::AcceptSave);
    saveDialog.setNameFilter(u"Textové soubory (*.txt)"_s);
    saveDialog.show();
    QApplication::processEvents();
    saveDialog.grab().save(out + u"/saveDialog.png"_s);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == u"--shots"_s)
        return shots(args[2]);

    // "--folder <folder>" measures a prepared copy, such as one with an index.
    const QString folder = args.size() == 3 && args[1] == u"--folder"_s
                               ? args[2]
                               : QDir::temp().filePath(u"tarmelka-bench-protokoly"_s);
    QDir().mkpath(folder);
    if (!prepare(folder)) {
        std::printf("cannot prepare the table in %s\n", qPrintable(folder));
        return 1;
    }
    timeOpening(folder, u"Jana"_s, "open list, profile owns 999850 of 1M");
    timeOpening(folder, u"Eva"_s, "open list, profile's 150 are last of 1M");
    timeOpening(folder, u"Nikdo"_s, "open list, profile owns none of 1M");

    const ProtocolRecord r = protocol(u"Jana"_s, 7);
    Samples build;
    for (int i = 0; i < 20000; ++i)
        build.time([&] { testreport::lines(r); });
    build.report("build the 40-line report");
    Samples show;
    for (int i = 0; i < 50; ++i)
        show.time([&] {
            TTestDetailForm report(r, nullptr);
            report.show();
            QApplication::processEvents();
        });
    show.report("create and show the report window");
    return 0;
}
