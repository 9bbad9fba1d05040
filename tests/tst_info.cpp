// The help window, the handbook's facts and the about window.
#include "core/base/paths.h"
#include "core/questions/bank.h"
#include "core/questions/testPlan.h"
#include "core/records/answerHistory.h"
#include "core/records/protocolRecord.h"
#include "core/records/resultRecord.h"
#include "core/settings/profiles.h"
#include "core/settings/settings.h"
#include "gui/info/aboutDialog.h"
#include "gui/info/handbookWindow.h"
#include "gui/ui/fonts.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {
const QString kHelpFolder = QStringLiteral(TARMELKA_PROGRAM_DIR "/Help");

QString handbook() {
    QFile f(kHelpFolder + u"/index.htm"_s);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString plain(const QString& html) {
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

// One table of the handbook, by its id: the cells of each row, tags removed.
QList<QStringList> tableRows(const QString& html, const QString& id) {
    const QRegularExpression table(u"<table id=\"%1\"[^>]*>(.*?)</table>"_s.arg(id),
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression row(u"<tr>(.*?)</tr>"_s,
                                 QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression cell(u"<td>(.*?)</td>"_s,
                                  QRegularExpression::DotMatchesEverythingOption);
    QList<QStringList> rows;
    const QString body = table.match(html).captured(1);
    for (const auto& r : row.globalMatch(body)) {
        QStringList cells;
        for (const auto& c : cell.globalMatch(r.captured(1)))
            cells << plain(c.captured(1)).simplified();
        if (!cells.isEmpty())
            rows << cells;
    }
    return rows;
}

QString rangeText(int low, int high) {
    return u"%1–%2"_s.arg(low).arg(high);
}

constexpr int kMinutes = testplan::kTimeLimit / 60;

struct Clicks {
    QList<QUrl> urls;
    UrlOpener opener() {
        return [this](const QUrl& url) { urls << url; };
    }
};
} // namespace

class InfoTest : public QObject {
    Q_OBJECT
  private slots:
    // Every table the program keeps is in the handbook's list of files and in
    // its backup advice, so a learner who follows it loses nothing.
    void handbookNamesEveryStoredTable() {
        const QString html = handbook();
        const qsizetype backup = html.indexOf(u"zálohovat"_s);
        QVERIFY(backup > 0);
        for (const TableSchema* table :
             {&schemas::results(), &schemas::protocols(), &schemas::answers()}) {
            QVERIFY2(html.contains(u"<td>"_s + table->fileName() + u"</td>"_s),
                     qPrintable(table->fileName()));
            QVERIFY2(html.indexOf(table->fileName(), backup) > backup,
                     qPrintable(table->fileName()));
        }
    }

    void initTestCase() {
        installFontSubstitutes();
        QVERIFY2(!handbook().isEmpty(), "the program folder has no Help/index.htm");
    }

    // Help window ------------------------------------------------------------

    void helpShowsTheProgramFoldersPage() {
        const AppPaths paths{QStringLiteral(TARMELKA_PROGRAM_DIR), QDir::tempPath()};
        THelpForm form(paths.helpPage());
        QCOMPARE(form.windowTitle(), u"Nápověda programu Tarmelka 2003"_s);
        QCOMPARE(form.size(), QSize(700, 550));
        QVERIFY(form.windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(form.minimumSize() != form.maximumSize()); // resizable
        QTextBrowser* wbHelp = form.findChild<QTextBrowser*>(u"wbHelp"_s);
        QVERIFY(wbHelp);
        QCOMPARE(wbHelp->source(), QUrl::fromLocalFile(kHelpFolder + u"/index.htm"_s));
        QCOMPARE(wbHelp->documentTitle(), u"Nápověda programu Tarmelka 2003"_s);
        form.resize(900, 700);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(wbHelp->geometry(), form.rect());
    }

    void helpLinks_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("fragment"); // where the page goes; empty: it stays
        QTest::addColumn<bool>("opened");      // handed to the desktop's browser
        QTest::newRow("section of the page") << u"#test"_s << u"test"_s << false;
        QTest::newRow("web address") << u"https://www.example.org/"_s << u""_s << true;
        QTest::newRow("e-mail") << u"mailto:pomoc@example.org"_s << u""_s << true;
    }
    void helpLinks() {
        QFETCH(QString, link);
        QFETCH(QString, fragment);
        QFETCH(bool, opened);
        Clicks clicks;
        THelpForm form(kHelpFolder + u"/index.htm"_s, nullptr, clicks.opener());
        QTextBrowser* wbHelp = form.browser();
        emit wbHelp->anchorClicked(QUrl(link));
        QCOMPARE(wbHelp->source().fragment(), fragment);
        QCOMPARE(wbHelp->source().toLocalFile(), kHelpFolder + u"/index.htm"_s);
        QCOMPARE(clicks.urls, opened ? QList<QUrl>{QUrl(link)} : QList<QUrl>{});
    }

    void helpMissingPageSaysWhichFile() {
        const QString path = QDir::tempPath() + u"/nic-tu-neni/Help/index.htm"_s;
        THelpForm form(path);
        const QString text = form.browser()->toPlainText();
        QVERIFY2(text.contains(QDir::toNativeSeparators(path)), qPrintable(text));
        QVERIFY(text.contains(u"nelze"_s));
    }

    void helpLinkToMissingFileSaysWhichFile() {
        THelpForm form(kHelpFolder + u"/index.htm"_s);
        emit form.browser()->anchorClicked(QUrl(u"chybi.htm"_s));
        QVERIFY(form.browser()->toPlainText().contains(u"chybi.htm"_s));
    }

    // Handbook ---------------------------------------------------------------

    void handbookLinksAndPictures() {
        const QString html = handbook();
        const QRegularExpression href(u"href=\"#([^\"]+)\""_s);
        int links = 0;
        for (const auto& m : href.globalMatch(html)) {
            ++links;
            QVERIFY2(html.contains(u"name=\"%1\""_s.arg(m.captured(1))), qPrintable(m.captured(1)));
        }
        QVERIFY(links >= 9); // the contents list
        const QRegularExpression img(u"<img src=\"([^\"]+)\""_s);
        int pictures = 0;
        for (const auto& m : img.globalMatch(html)) {
            ++pictures;
            const QString file = kHelpFolder + u'/' + m.captured(1);
            QVERIFY2(!QImage(file).isNull(), qPrintable(file));
            QVERIFY2(QFileInfo(file).size() < 60 * 1024, qPrintable(file));
        }
        QVERIFY(pictures >= 2);
    }

    void handbookCategories() {
        const auto rows = tableRows(handbook(), u"kategorie"_s);
        QCOMPARE(rows.size(), bank::kCategoryCount);
        for (int k = 1; k <= bank::kCategoryCount; ++k) {
            QCOMPARE(rows[k - 1], (QStringList{bank::categoryTitles()[k - 1],
                                               rangeText(bank::lowOf(k) + 1, bank::highOf(k))}));
        }
    }

    void handbookPointsPlan() {
        const auto rows = tableRows(handbook(), u"body"_s);
        const auto& plan = testplan::plan();
        QCOMPARE(rows.size(), qsizetype(plan.size()));
        int total = 0;
        for (std::size_t i = 0; i < plan.size(); ++i) {
            const testplan::Slot& slot = plan[i];
            const QString positions = slot.first == slot.last
                                          ? u"%1."_s.arg(slot.first)
                                          : u"%1.–%2."_s.arg(slot.first).arg(slot.last);
            QCOMPARE(rows[i][0], positions);
            QCOMPARE(rows[i][2], slot.rangeText());
            QCOMPARE(rows[i][3], QString::number(slot.points));
            for (int p = slot.first; p <= slot.last; ++p)
                total += testplan::PositionPoints(p);
        }
        QCOMPARE(plan.back().last, testplan::kPositions);
        QCOMPARE(total, testplan::kMaxPoints);
    }

    void handbookMinimumPoints() {
        const auto rows = tableRows(handbook(), u"minimum"_s);
        QCOMPARE(rows.size(), qsizetype(bank::kGroups.size()));
        for (const QStringList& row : rows) {
            QVERIFY2(bank::isGroup(row[0]), qPrintable(row[0]));
            QCOMPARE(row[1], QString::number(testplan::MinPointsForGroup(row[0]).value()));
        }
    }

    // Every number the learner reads is either one of these named facts or a
    // cell of the tables checked above: nothing is written by hand.
    void handbookNumbers() {
        const std::map<QString, int> facts{
            {u"otazky"_s, bank::kQuestionCount},
            {u"kategorie"_s, bank::kCategoryCount},
            {u"vyrazene"_s, int(bank::kRetired.size())},
            {u"pozice"_s, testplan::kPositions},
            {u"maxbody"_s, testplan::kMaxPoints},
            {u"minuty"_s, kMinutes},
            {u"profily"_s, kMaxProfiles},
            {u"znaky"_s, profiles::kMaxNameLength},
            {u"zvetseni"_s, kScales[1]},
            {u"zvetsenistredni"_s, kScales[2]},
            {u"zvetsenivelke"_s, kScales[3]},
        };
        QString html = handbook();
        const QRegularExpression fact(u"<span data-k=\"([a-z]+)\">([^<]*)</span>"_s);
        std::set<QString> seen;
        for (const auto& m : fact.globalMatch(html)) {
            seen.insert(m.captured(1));
            QVERIFY2(facts.count(m.captured(1)), qPrintable(m.captured(1)));
            QCOMPARE(m.captured(2), QString::number(facts.at(m.captured(1))));
        }
        QCOMPARE(seen.size(), facts.size()); // each fact is stated somewhere
        html.remove(fact);
        html.remove(QRegularExpression(u"<table id=\"(kategorie|body|minimum)\".*?</table>"_s,
                                       QRegularExpression::DotMatchesEverythingOption));
        QString text = plain(html);
        text.remove(u"Tarmelka 2003"_s);
        const QRegularExpression digit(u"\\d+"_s);
        const auto stray = digit.match(text);
        QVERIFY2(!stray.hasMatch(),
                 qPrintable(u"unchecked number in: "_s + text.mid(stray.capturedStart() - 40, 80)));
    }

    // About window -----------------------------------------------------------

    void aboutWindow() {
        QWidget owner;
        QPixmap icon(32, 32);
        icon.fill(Qt::red);
        owner.setWindowIcon(icon);
        TAbout about(&owner);
        QCOMPARE(about.windowTitle(), u"O programu"_s);
        QCOMPARE(about.size(), QSize(376, 311));
        QCOMPARE(about.findChild<QGroupBox*>(u"gbOkraj"_s)->geometry(), QRect(2, 0, 372, 291));
        const std::map<QString, std::pair<QString, QPoint>> labels{
            {u"lbNazev"_s, {u"Tarmelka 2003"_s, {56, 12}}},
            {u"lbVerze"_s, {u"verze produktu: 1.02"_s, {64, 27}}},
            {u"lbUprava"_s, {u"poslední úprava: 14. 5. 2003"_s, {64, 40}}},
            {u"lbInet"_s, {TAbout::kWebAddress, {56, 72}}},
        };
        for (const auto& [name, expected] : labels) {
            auto* label = about.findChild<QLabel*>(name);
            QVERIFY2(label, qPrintable(name));
            QCOMPARE(label->text(), expected.first);
            QCOMPARE(label->pos(), expected.second);
        }
        QVERIFY(QUrl(TAbout::kWebAddress).host().endsWith(u".example"_s));
        auto* image = about.findChild<QLabel*>(u"Image1"_s);
        QCOMPARE(image->geometry(), QRect(8, 12, 32, 32));
        QCOMPARE(image->pixmap().toImage().pixelColor(16, 16), QColor(Qt::red));
        auto* mText = about.findChild<QPlainTextEdit*>(u"mText"_s);
        QCOMPARE(mText->geometry(), QRect(8, 90, 354, 193));
        QVERIFY(mText->isReadOnly());
        QVERIFY(mText->toPlainText().contains(u"\n\nHlavní výhody tohoto programu:\n- "_s));
        QCOMPARE(mText->toPlainText().count(u"\n- "_s), 2);
        auto* btnOK = about.findChild<QPushButton*>(u"btnOK"_s);
        QCOMPARE(btnOK->text(), u"&OK"_s);
        QCOMPARE(btnOK->geometry(), QRect(280, 12, 83, 25));
    }

    void aboutEscAndOkClose_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Esc") << true;
        QTest::newRow("OK") << false;
    }
    void aboutEscAndOkClose() {
        QFETCH(bool, escape);
        TAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* btnOK = about.findChild<QPushButton*>(u"btnOK"_s);
        QCOMPARE(QApplication::focusWidget(), btnOK);
        if (escape)
            QTest::keyClick(btnOK, Qt::Key_Escape);
        else
            btnOK->click();
        QVERIFY(!about.isVisible());
    }

    void aboutAddressGoesToTheOpener() {
        Clicks clicks;
        TAbout about(nullptr, clicks.opener());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* lbInet = about.findChild<QLabel*>(u"lbInet"_s);
        QCOMPARE(lbInet->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(lbInet, Qt::LeftButton);
        QCOMPARE(clicks.urls, QList<QUrl>{QUrl(TAbout::kWebAddress)});
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(InfoTest)
#include "tst_info.moc"
