// The protocol list and the report window: who sees which protocols, deleting
// them, the report's box, printing to PDF, saving, and the missing or
// damaged table.
#include "core/base/windows1250.h"
#include "core/pointstest/testReport.h"
#include "core/records/protocolsTable.h"
#include "core/settings/settings.h"
#include "gui/results/protocolListDialog.h"
#include "gui/results/protocolReportDialog.h"
#include "gui/ui/messages.h"
#include "gui/ui/translations.h"
#include "testSupport.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;
using testing::in;
using testing::ModalBox;

namespace {
ProtocolRecord protocol(const QString& profile, int minute, int points = 57) {
    ProtocolRecord r;
    r.profile = profile;
    r.started = QDateTime(QDate(2003, 3, 6), QTime(14, minute, 10));
    r.group = u"B"_s;
    r.duration = u"23:41"_s;
    r.correctCount = 21;
    r.points = points;
    r.minPoints = 56;
    r.verdict = points >= 56 ? kPassedVerdict : kFailedVerdict;
    for (int i = 0; i < 25; ++i) {
        r.positionPoints[i] = u"3"_s;
        r.givenAnswers[i] = i == 1 ? QString() : u"A"_s;
        r.correctAnswers[i] = u"A"_s;
        r.questionNumbers[i] = QString::number(10 * (i + 1));
    }
    return r;
}

// Runs the command with the list's window handed to act while it shows.
void withList(const QString& profile, const QString& folder, QWidget* owner,
              std::function<void(TSeznamTestu*)> act) {
    bool shown = false;
    testing::onNextModal([&](QWidget* modal) {
        auto* list = qobject_cast<TSeznamTestu*>(modal);
        if (!list)
            return false;
        shown = true;
        act(list);
        if (list->isVisible())
            in<QPushButton>(list, "btnOK")->click();
        return true;
    });
    Settings settings;
    settings.activeProfile = profile;
    TSeznamTestu::browse(settings, folder, owner);
    QVERIFY(shown);
}

QStringList gridTexts(TSeznamTestu* list, int column) {
    auto* grid = in<QTableView>(list, "DBGrid1");
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        texts << grid->model()->index(row, column).data().toString();
    return texts;
}

bool buttonsEnabled(TSeznamTestu* list) {
    return in<QPushButton>(list, "btnDetail")->isEnabled() &&
           in<QPushButton>(list, "btnVymaz")->isEnabled() &&
           in<QPushButton>(list, "btnVymazVse")->isEnabled();
}
bool buttonsDisabled(TSeznamTestu* list) {
    return !in<QPushButton>(list, "btnDetail")->isEnabled() &&
           !in<QPushButton>(list, "btnVymaz")->isEnabled() &&
           !in<QPushButton>(list, "btnVymazVse")->isEnabled();
}

int stored(const QString& folder, const QString& profile) {
    ProtocolsTable table(folder);
    return table.open() ? table.count(profile).value_or(-1) : -1;
}

QString runTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class TestTabTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    QString folder_;
    QWidget owner_;

    void write(const ProtocolRecord& r) {
        StoreError error;
        QVERIFY2(WriteProtocol(folder_, r, &error), qPrintable(error.message()));
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        folder_ = dir_->path();
        owner_.setGeometry(100, 80, 600, 500);
    }

    void missingOrUnusableTable_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::newRow("no file yet")
            << u"missing"_s << int(QMessageBox::Information) << msg::kInfoCaption
            << u"Dosud nebyly vytvořeny žádné protokoly z testu!"_s;
        QTest::newRow("not a file") << u"folder"_s << int(QMessageBox::Critical)
                                    << msg::kErrorCaption << u"nelze otevřít pro čtení a zápis"_s;
        QTest::newRow("not a table") << u"garbage"_s << int(QMessageBox::Critical)
                                     << msg::kErrorCaption << u"Tabulka: Protokoly.DB"_s;
    }
    void missingOrUnusableTable() {
        QFETCH(QString, kind);
        QFETCH(int, icon);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        const QString path = QDir(folder_).filePath(u"Protokoly.DB"_s);
        if (kind == u"folder"_s) {
            QDir(folder_).mkdir(u"Protokoly.DB"_s);
        } else if (kind == u"garbage"_s) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        }
        const QByteArray before = QByteArray(4096, 'x');
        ModalBox seen;
        testing::onNextBox(seen, QMessageBox::Ok);
        Settings settings;
        TSeznamTestu::browse(settings, folder_, &owner_);
        QVERIFY(seen.seen);
        QCOMPARE(int(seen.icon), icon);
        QCOMPARE(seen.caption, caption);
        QVERIFY2(seen.text.contains(text), qPrintable(seen.text));
        if (kind == u"garbage"_s) { // the damaged file is left as it was
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
        if (kind == u"missing"_s) // looking does not create the table
            QVERIFY(!QFileInfo::exists(path));
    }

    // A kill before the first protocol was written leaves an empty file: it
    // holds nothing, so it lists nothing rather than being refused.
    void emptyFileListsNothing() {
        QFile f(QDir(folder_).filePath(u"Protokoly.DB"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        withList(u"Eva"_s, folder_, &owner_, [](TSeznamTestu* list) {
            QCOMPARE(in<QTableView>(list, "DBGrid1")->model()->rowCount(), 0);
            QVERIFY(!in(list, "btnDetail")->isEnabled());
        });
    }

    void listShowsOnlyTheProfilesProtocols() {
        write(protocol(u"Eva"_s, 5, 57));
        write(protocol(u"Petr"_s, 6));
        write(protocol(u"Eva"_s, 7, 40));
        withList(u"Eva"_s, folder_, &owner_, [&](TSeznamTestu* list) {
            QCOMPARE(list->windowTitle(), u"Seznam testů,   Uživatel: Eva"_s);
            QCOMPARE(list->size(), QSize(392, 296));
            QCOMPARE(list->pos(), QPoint(100 + (600 - 392) / 2, 80 + (500 - 296) / 2));
            auto* grid = in<QTableView>(list, "DBGrid1");
            QCOMPARE(grid->geometry(), QRect(0, 0, 392, 257));
            QCOMPARE(in<QPushButton>(list, "btnOK")->geometry(), QRect(16, 264, 85, 25));
            QCOMPARE(in<QPushButton>(list, "btnVymazVse")->text(), u"&Vymaž vše"_s);
            const QStringList titles{u"Datum a čas"_s, u"Skupina"_s, u"Počet bodů"_s, u"Verdikt"_s};
            const int widths[] = {118, 80, 90, 80};
            for (int c = 0; c < 4; ++c) {
                QCOMPARE(grid->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
                QCOMPARE(grid->columnWidth(c), widths[c]);
            }
            QCOMPARE(gridTexts(list, 0),
                     (QStringList{u"6.3.2003 14:05:10"_s, u"6.3.2003 14:07:10"_s}));
            QCOMPARE(gridTexts(list, 2), (QStringList{u"57"_s, u"40"_s}));
            QCOMPARE(gridTexts(list, 3), (QStringList{u"Prošel"_s, u"Neprošel"_s}));
            QVERIFY(buttonsEnabled(list));
            QCOMPARE(grid->currentIndex().row(), 0);
            QCOMPARE(list->focusWidget(), in<QPushButton>(list, "btnOK")); // active or not yet
        });
    }

    void emptyForThisProfile() {
        write(protocol(u"Petr"_s, 6));
        withList(u"Eva"_s, folder_, &owner_, [&](TSeznamTestu* list) {
            QCOMPARE(gridTexts(list, 0), QStringList());
            QVERIFY(buttonsDisabled(list));
        });
    }

    void deleteOneAtATime() {
        for (int m = 1; m <= 3; ++m)
            write(protocol(u"Eva"_s, m));
        write(protocol(u"Petr"_s, 9));
        withList(u"Eva"_s, folder_, &owner_, [&](TSeznamTestu* list) {
            auto* grid = in<QTableView>(list, "DBGrid1");
            auto* btnVymaz = in<QPushButton>(list, "btnVymaz");
            grid->selectRow(1);
            btnVymaz->click(); // no question asked
            QCOMPARE(gridTexts(list, 0),
                     (QStringList{u"6.3.2003 14:01:10"_s, u"6.3.2003 14:03:10"_s}));
            QCOMPARE(stored(folder_, u"Eva"_s), 2);
            QCOMPARE(grid->currentIndex().row(), 1); // the next one becomes current
            btnVymaz->click();
            QCOMPARE(grid->currentIndex().row(), 0); // the last gone: the one before
            QVERIFY(buttonsEnabled(list));
            btnVymaz->click();
            QVERIFY(buttonsDisabled(list));
            QCOMPARE(stored(folder_, u"Eva"_s), 0);
            QCOMPARE(stored(folder_, u"Petr"_s), 1);
        });
        // The file stays, so the list opens empty next time.
        withList(u"Eva"_s, folder_, &owner_,
                 [&](TSeznamTestu* list) { QVERIFY(buttonsDisabled(list)); });
    }

    void deleteAll_data() {
        QTest::addColumn<int>("own");
        QTest::addColumn<bool>("yes");
        QTest::newRow("no keeps them") << 3 << false;
        QTest::newRow("yes, one page") << 3 << true;
        QTest::newRow("yes, more than a page") << 450 << true;
    }
    void deleteAll() {
        QFETCH(int, own);
        QFETCH(bool, yes);
        QList<Row> rows;
        for (int i = 0; i < own; ++i)
            rows << protocol(u"Eva"_s, i % 60).toRow() << protocol(u"Petr"_s, 1).toRow();
        TableStore store(schemas::protocols(), folder_);
        QVERIFY(store.open(TableStore::Mode::CreateIfMissing) && store.insert(rows));
        store.close();
        withList(u"Eva"_s, folder_, &owner_, [&](TSeznamTestu* list) {
            ModalBox seen;
            testing::onNextBox(seen, yes ? QMessageBox::Yes : QMessageBox::No);
            in<QPushButton>(list, "btnVymazVse")->click();
            QVERIFY(seen.seen);
            QCOMPARE(seen.text, u"Opravdu chcete smazat všechny záznamy?"_s);
            QCOMPARE(seen.caption, msg::kQuestionCaption);
            QCOMPARE(seen.icon, QMessageBox::Question);
            QCOMPARE(buttonsDisabled(list), yes);
            QCOMPARE(gridTexts(list, 0).isEmpty(), yes);
        });
        QCOMPARE(stored(folder_, u"Eva"_s), yes ? 0 : own);
        QCOMPARE(stored(folder_, u"Petr"_s), own);
    }

    void pagesArriveWhileScrolling() {
        QList<Row> rows;
        for (int i = 0; i < 450; ++i)
            rows << protocol(u"Eva"_s, i % 60).toRow();
        TableStore store(schemas::protocols(), folder_);
        QVERIFY(store.open(TableStore::Mode::CreateIfMissing) && store.insert(rows));
        store.close();
        withList(u"Eva"_s, folder_, &owner_, [&](TSeznamTestu* list) {
            auto* grid = in<QTableView>(list, "DBGrid1");
            QVERIFY(grid->model()->rowCount() < 450); // not everything at once
            for (int i = 0; i < 10 && grid->model()->rowCount() < 450; ++i) {
                grid->scrollToBottom();
                QCoreApplication::processEvents();
            }
            QCOMPARE(grid->model()->rowCount(), 450);
        });
    }

    void detailOpensTheCurrentProtocol() {
        write(protocol(u"Eva"_s, 1));
        write(protocol(u"Eva"_s, 2, 30));
        withList(u"Eva"_s, folder_, &owner_, [&](TSeznamTestu* list) {
            in<QTableView>(list, "DBGrid1")->selectRow(1);
            QString caption, text;
            QPoint place;
            testing::onNextModal([&](QWidget* modal) {
                auto* report = qobject_cast<TTestDetailForm*>(modal);
                if (!report)
                    return false;
                caption = report->windowTitle();
                text = in<QPlainTextEdit>(report, "mProtokol")->toPlainText();
                place = report->frameGeometry().center();
                in<QPushButton>(report, "btnOK")->click();
                return true;
            });
            in<QPushButton>(list, "btnDetail")->click();
            QCOMPARE(caption, u"Test z 6.3.2003 14:02:10; Uživatel: Eva"_s);
            QCOMPARE(text, testreport::lines(protocol(u"Eva"_s, 2, 30)).join(u'\n'));
            // centred on the list, up to the frame the platform adds once shown
            QVERIFY((place - list->frameGeometry().center()).manhattanLength() <= 4);
        });
    }

    void reportWindow() {
        TTestDetailForm report(protocol(u"Eva"_s, 5), &owner_);
        QCOMPARE(report.size(), QSize(392, 466));
        QCOMPARE(report.windowTitle(), u"Test z 6.3.2003 14:05:10; Uživatel: Eva"_s);
        auto* box = in<QPlainTextEdit>(&report, "mProtokol");
        QCOMPARE(box->geometry(), QRect(0, 0, 392, 425));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(QFontInfo(box->font()).fixedPitch());
        QCOMPARE(box->textCursor().position(), 0);
        QCOMPARE(box->document()->blockCount(), 40);
        const QPalette p = box->palette();
        QCOMPARE(p.color(QPalette::Inactive, QPalette::Highlight),
                 p.color(QPalette::Active, QPalette::Highlight));
        const QList<std::pair<const char*, QRect>> buttons{{"btnOK", {32, 432, 105, 25}},
                                                           {"btnTisk", {144, 432, 105, 25}},
                                                           {"btnUloz", {256, 432, 105, 25}}};
        for (const auto& [name, place] : buttons)
            QCOMPARE(in<QPushButton>(&report, name)->geometry(), place);
        QCOMPARE(in<QPushButton>(&report, "btnUloz")->text(), u"&Uložit do souboru"_s);
    }

    void save_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("extension added") << u"protokol"_s << u"protokol.txt"_s;
        QTest::newRow("added also to .txt") << u"protokol.txt"_s << u"protokol.txt.txt"_s;
        QTest::newRow("existing file replaced") << u"stary"_s << u"stary.txt"_s;
    }
    void save() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        const QString target = QDir(folder_).filePath(written);
        if (chosen == u"stary"_s) {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(100000, 'o'));
        }
        const ProtocolRecord r = protocol(u"Žofie"_s, 5);
        TTestDetailForm report(r, &owner_,
                               [&](QWidget*) { return QDir(folder_).filePath(chosen); });
        in<QPushButton>(&report, "btnUloz")->click(); // no question, no notice
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        const QList<QByteArray> lines = bytes.chopped(2).split('\n');
        QCOMPARE(lines.size(), 40);
        for (const QByteArray& line : lines.mid(0, 39))
            QVERIFY(line.endsWith('\r'));
        QVERIFY(!bytes.contains("\n\n") && !bytes.contains("\r\r"));
        QVERIFY(bytes.startsWith(" U\x9Eivatel : \x8E"
                                 "ofie\r\n"));
        QCOMPARE(cp1250::decode(bytes), testreport::lines(r).join(u"\r\n"_s) + u"\r\n"_s);
    }

    void saveCancelledOrFailed() {
        // Cancel: nothing written, nothing said.
        TTestDetailForm cancelled(protocol(u"Eva"_s, 5), &owner_,
                                  [](QWidget*) { return QString(); });
        in<QPushButton>(&cancelled, "btnUloz")->click();
        QCOMPARE(QDir(folder_).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());

        const QString missing = QDir(folder_).filePath(u"nic/protokol"_s);
        TTestDetailForm failed(protocol(u"Eva"_s, 5), &owner_, [&](QWidget*) { return missing; });
        ModalBox seen;
        testing::onNextBox(seen, QMessageBox::Ok);
        in<QPushButton>(&failed, "btnUloz")->click();
        QVERIFY(seen.seen);
        QCOMPARE(seen.caption, msg::kErrorCaption);
        QVERIFY2(seen.text.contains(QDir::toNativeSeparators(missing + u".txt"_s)),
                 qPrintable(seen.text));
        QVERIFY(!QFileInfo::exists(missing + u".txt"_s));
    }

    void realSaveDialogCancelled() {
        TTestDetailForm report(protocol(u"Eva"_s, 5), &owner_);
        QString filter, name;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        bool boxSeen = false;
        QStringList types, dates;
        QTemporaryDir folder;
        QDir(folder.path()).mkdir(u"slozka"_s);
        testing::onNextModal([&](QWidget* modal) {
            if (qobject_cast<QMessageBox*>(modal))
                boxSeen = true;
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog)
                return false;
            name = dialog->objectName();
            mode = dialog->acceptMode();
            filter = dialog->nameFilters().join(u';');
            // The file list speaks Czech: a folder's type and a Czech date.
            dialog->setDirectory(folder.path());
            if (auto* list = dialog->findChild<QTreeView*>(u"treeView"_s)) {
                if (!QTest::qWaitFor(
                        [&] { return list->model()->rowCount(list->rootIndex()) > 0; }))
                    return false;
                const QModelIndex first = list->model()->index(0, 0, list->rootIndex());
                types << first.siblingAtColumn(2).data().toString();
                dates << first.siblingAtColumn(3).data().toString();
            }
            dialog->reject();
            return true;
        });
        in<QPushButton>(&report, "btnUloz")->click();
        QCOMPARE(name, u"SaveDialog1"_s);
        QVERIFY2(types.value(0) == u"Složka"_s, qPrintable(types.join(u',')));
        QVERIFY2(
            QRegularExpression(u"^\\d{2}\\.\\d{2}\\.\\d{2} "_s).match(dates.value(0)).hasMatch(),
            qPrintable(dates.join(u',')));
        QCOMPARE(mode, QFileDialog::AcceptSave);
        QCOMPARE(filter, u"Textové soubory (*.txt)"_s);
        QVERIFY(!boxSeen);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void printDialogCancelled() {
        TTestDetailForm report(protocol(u"Eva"_s, 5), &owner_);
        bool dialogSeen = false;
        testing::onNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QPrintDialog*>(modal);
            if (!dialog)
                return false;
            dialogSeen = true;
            dialog->reject();
            return true;
        });
        in<QPushButton>(&report, "btnTisk")->click();
        QVERIFY(dialogSeen);
        QVERIFY(!QApplication::activeModalWidget()); // no error box after a cancel
    }

    void printToPdf() {
        const ProtocolRecord r = protocol(u"Eva"_s, 5);
        TTestDetailForm report(r, &owner_);
        const QString pdf = QDir(folder_).filePath(u"report.pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QString error;
        QVERIFY2(report.printReport(printer, &error), qPrintable(error));
        QVERIFY(QFileInfo(pdf).size() > 0);

        const QString info = runTool(u"pdfinfo"_s, {pdf});
        QVERIFY2(info.contains(u"Title:           Test z 6.3.2003 14:05:10; Uživatel: Eva"_s),
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(u"Pages:\\s+1\n"_s)), qPrintable(info));
        QVERIFY2(runTool(u"pdffonts"_s, {pdf}).contains(u"LiberationMono"_s), "not monospaced");
        // Words in the report's order (the tool does not keep runs of spaces).
        const QStringList words = runTool(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s})
                                      .split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
        QStringList expected;
        for (const QString& line : testreport::lines(r))
            expected += line.split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(words, expected);
    }

    void printAcrossPages() {
        TTestDetailForm report(protocol(u"Eva"_s, 5), &owner_);
        const QString pdf = QDir(folder_).filePath(u"small.pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A7)); // about 30 lines fit
        QString error;
        QVERIFY2(report.printReport(printer, &error), qPrintable(error));
        const QString info = runTool(u"pdfinfo"_s, {pdf});
        QVERIFY2(info.contains(QRegularExpression(u"Pages:\\s+[2-9]"_s)), qPrintable(info));
        QVERIFY(runTool(u"pdftotext"_s, {pdf, u"-"_s}).contains(u"Celkem"_s));
    }

    void printerFailureTold() {
        TTestDetailForm report(protocol(u"Eva"_s, 5), &owner_);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString target = QDir(folder_).filePath(u"nic/report.pdf"_s);
        printer.setOutputFileName(target);
        QString error;
        QVERIFY(!report.printReport(printer, &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(target)), qPrintable(error));
    }

    // Qt's own dialogs speak Czech once the catalogue is installed.
    void czechDialogs() {
        QVERIFY2(installCzechTranslations(*qApp), "qt6-translations-l10n is not installed");
        QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), u"Zrušit"_s);
        QCOMPARE(buttons.button(QDialogButtonBox::Save)->text(), u"Uložit"_s);
    }
};

QTEST_MAIN(TestTabTest)
#include "tst_testtab.moc"
