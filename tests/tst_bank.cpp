// The question bank: its fixed vocabulary, the source reader and the content
// rules, on small banks of their own (the real bank is checked in data/).
#include "core/questions/bank.h"
#include "core/questions/bankSource.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
QList<SourceIssue> check(const QString& text, const QString& pictures = {}) {
    QList<SourceIssue> issues;
    BankSource source;
    source.files << parseBankText(u"f.txt"_s, text, issues);
    source.issues = issues;
    return validateBank(source, pictures, {});
}

QString issuesText(const QList<SourceIssue>& issues) {
    QStringList lines;
    for (const SourceIssue& i : issues)
        lines << i.toString();
    return lines.join(u'\n');
}

const QString kGood =
    u"Číslo: 17\nOTÁZKA: Smí řidič telefonovat?\nA: Ano.\nB: Ne.\nC: Jen mimo obec.\n"
    u"SPRÁVNĚ: B\nSkupina: ABCD\n"_s;
} // namespace

class BankTest : public QObject {
    Q_OBJECT
  private slots:
    void categoriesAndRetiredNumbers() {
        QCOMPARE(bank::categoryOf(420), 1);
        QVERIFY(bank::isRetired(420));
        QCOMPARE(bank::categoryOf(421), 2);
        QCOMPARE(bank::categoryOf(757), 7);
        QVERIFY(!bank::categoryOf(0));
        QVERIFY(!bank::categoryOf(758));
        int retired = 0;
        for (int n = 1; n <= 757; ++n)
            retired += bank::isRetired(n);
        QCOMPARE(retired, 28);
    }

    void groupMatching_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("skupina");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<bool>("draw");
        QTest::newRow("AM like A") << u"AM"_s << u"AB"_s << true << true;
        QTest::newRow("A1 like A") << u"A1"_s << u"BCD"_s << false << false;
        QTest::newRow("B1 like B") << u"B1"_s << u"B"_s << true << true;
        QTest::newRow("T takes ABCD") << u"T"_s << u"ABCD"_s << true << true;
        QTest::newRow("T refuses a missing letter") << u"T"_s << u"ABD"_s << false << false;
        QTest::newRow("T draw wants ABCD exactly") << u"T"_s << u"ABCDE"_s << true << false;
        QTest::newRow("empty Skupina") << u"C"_s << u""_s << false << false;
    }
    void groupMatching() {
        QFETCH(QString, group);
        QFETCH(QString, skupina);
        QFETCH(bool, filter);
        QFETCH(bool, draw);
        QCOMPARE(bank::groupMatches(group, skupina), filter);
        QCOMPARE(bank::drawMatches(group, skupina), draw);
    }

    void readerRefusesBadRecords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("unknown field")
            << u"# 1-20\n\nČíslo: 3\nOTAZKA: x\n"_s << 4 << u"neznámé pole"_s;
        QTest::newRow("missing SPRÁVNĚ")
            << u"# 1-20\n\nČíslo: 3\nOTÁZKA: x?\nA: a.\nB: b.\nSkupina: ABCD\n"_s << 3
            << u"SPRÁVNĚ"_s;
        QTest::newRow("duplicate") << u"# 1-20\n"_s + kGood + u"\n"_s + kGood << 10 << u"dvakrát"_s;
        QTest::newRow("no range line") << kGood << 1 << u"rozsah"_s;
    }
    void readerRefusesBadRecords() {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, fragment);
        QList<SourceIssue> issues;
        parseBankText(u"x.txt"_s, text, issues);
        QVERIFY2(!issues.isEmpty(), "the record was accepted");
        QCOMPARE(issues.first().line, line);
        QVERIFY2(issues.first().text.contains(fragment), qPrintable(issues.first().text));
    }

    void contentRules_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("fine") << QString() << QString() << QString();
        QTest::newRow("number outside bank")
            << u"Číslo: 17"_s << u"Číslo: 900"_s << u"mimo 1 až 757"_s;
        QTest::newRow("outside file range")
            << u"Číslo: 17"_s << u"Číslo: 25"_s << u"rozsah souboru"_s;
        QTest::newRow("retired") << u"Číslo: 17"_s << u"Číslo: 8"_s << u"vyřazená"_s;
        QTest::newRow("letters out of order")
            << u"SPRÁVNĚ: B"_s << u"SPRÁVNĚ: CA"_s << u"seřazená"_s;
        QTest::newRow("empty answer named")
            << u"SPRÁVNĚ: B"_s << u"SPRÁVNĚ: D"_s << u"prázdnou odpověď"_s;
        QTest::newRow("bad group") << u"Skupina: ABCD"_s << u"Skupina: BA"_s << u"Skupina"_s;
        QTest::newRow("picture below 621")
            << u"Skupina: ABCD"_s << u"Skupina: ABCD\nOBRÁZEK: grafika\\x.jpg"_s
            << u"nesmí mít OBRÁZEK"_s;
        QTest::newRow("outside Windows-1250") << u"Ano."_s << u"Ano ☺."_s << u"Windows-1250"_s;
    }
    void contentRules() {
        QFETCH(QString, change);
        QFETCH(QString, replacement);
        QFETCH(QString, fragment);
        QString text = u"# 1-20\n"_s + kGood;
        if (!change.isEmpty())
            text.replace(change, replacement);
        const QList<SourceIssue> issues = check(text);
        if (fragment.isEmpty()) {
            QVERIFY2(issues.isEmpty(), qPrintable(issuesText(issues)));
            return;
        }
        QVERIFY2(!issues.isEmpty(), "the rule did not fire");
        QCOMPARE(issues.first().line, 2);
        QVERIFY2(issues.first().text.contains(fragment), qPrintable(issues.first().text));
    }

    void picturesMustBeBuilt() {
        QTemporaryDir dir;
        const QString sign =
            u"# 621-720\nČíslo: 650\nOTÁZKA: Tato značka:\nA: a.\nB: b.\nSPRÁVNĚ: A\n"
            u"Skupina: ABCD\nOBRÁZEK: grafika\\znacky\\A1a.jpg\n"_s;
        QVERIFY(issuesText(check(sign, dir.path())).contains(u"nevytváří"_s));
        QVERIFY(issuesText(check(QString(sign).remove(u"OBRÁZEK: grafika\\znacky\\A1a.jpg\n"_s)))
                    .contains(u"musí mít OBRÁZEK"_s));
        QDir(dir.path()).mkpath(u"grafika/znacky"_s);
        QFile f(dir.filePath(u"grafika/znacky/A1a.jpg"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(check(sign, dir.path()).isEmpty());
    }

    void completenessNamesTheMissingNumbers() {
        BankSource source;
        QList<SourceIssue> issues;
        source.files << parseBankText(u"f.txt"_s, u"# 1-20\n"_s + kGood, issues);
        const QList<SourceIssue> found = validateBank(source, {}, {{1, 9}});
        QStringList missing;
        for (const SourceIssue& i : found)
            missing << i.text.section(u' ', -1);
        // 2 and 8 are retired; 17 is outside the checked range.
        QCOMPARE(missing, (QStringList{u"1"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"9"_s}));
    }
};

QTEST_GUILESS_MAIN(BankTest)
#include "tst_bank.moc"
