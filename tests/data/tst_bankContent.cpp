// The real question bank, checked as data: every content rule, no test-wise
// cues, the terms and citations of the law in force, and enough questions for
// every draw of the points test.
#include "core/questions/bank.h"
#include "core/questions/bankSource.h"
#include "lawProvisions.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
// Ranges whose every non-retired number must be in the bank; each content
// delivery adds its range here.
const QList<CompleteRange> kCompleteRanges{{1, 105},   {106, 210}, {211, 315}, {316, 420},
                                           {421, 475}, {476, 500}, {501, 580}, {581, 620},
                                           {621, 720}, {721, 757}};

QString issuesText(const QList<SourceIssue>& issues) {
    QStringList lines;
    for (const SourceIssue& i : issues)
        lines << i.toString();
    return lines.join(u'\n');
}

// --- Test-wise cues --------------------------------------------------------
// A learner who does not know a rule must not find its answer by the answer's
// form. These measures are taken over the whole bank: one question may well
// have its right answer longest, the bank must not make a habit of it.

bool singleAnswer(const Question& q) {
    return q.correct.size() == 1;
}

int answerCount(const Question& q) {
    int n = 0;
    for (const QString& a : q.answers)
        n += a.isEmpty() ? 0 : 1;
    return n;
}

// By how many characters the right answer of a single-answer question is
// longer than every other answer; zero or less when it is not strictly longest.
int longestMargin(const Question& q) {
    const int key = q.correct[0].unicode() - u'A';
    int other = 0;
    for (int i = 0; i < 4; ++i)
        if (i != key && !q.answers[i].isEmpty())
            other = std::max(other, int(q.answers[i].size()));
    return int(q.answers[key].size()) - other;
}

// By how many characters every other answer is longer than the right one: the
// opposite cue, left behind when right answers are only ever trimmed.
int shortestMargin(const Question& q) {
    const int key = q.correct[0].unicode() - u'A';
    int other = std::numeric_limits<int>::max();
    for (int i = 0; i < 4; ++i)
        if (i != key && !q.answers[i].isEmpty())
            other = std::min(other, int(q.answers[i].size()));
    return other - int(q.answers[key].size());
}

enum class YesNo { None, Yes, No };
YesNo yesNoOf(const QString& answer) {
    static const QRegularExpression word(u"^(Ano|Ne)\\b"_s,
                                         QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch m = word.match(answer);
    if (!m.hasMatch())
        return YesNo::None;
    return m.captured(1) == u"Ano"_s ? YesNo::Yes : YesNo::No;
}

// A question whose answers are all "Ano…" or "Ne…" with exactly one of its
// kind among at least three: is that odd one the key? Empty when the question
// is not of this shape.
std::optional<bool> loneYesNoKey(const Question& q) {
    if (!singleAnswer(q) || answerCount(q) < 3)
        return std::nullopt;
    int yes = 0, no = 0;
    for (const QString& a : q.answers) {
        if (a.isEmpty())
            continue;
        const YesNo kind = yesNoOf(a);
        if (kind == YesNo::None)
            return std::nullopt;
        (kind == YesNo::Yes ? yes : no) += 1;
    }
    if (std::min(yes, no) != 1)
        return std::nullopt;
    const YesNo odd = yes == 1 ? YesNo::Yes : YesNo::No;
    return yesNoOf(q.answers[q.correct[0].unicode() - u'A']) == odd;
}

// A reason given in an answer: a learner soon learns whether reasons mark
// the right answer or the made-up one.
bool hasReason(const QString& answer) {
    static const QRegularExpression words(u"\\b(protože|aby)\\b"_s,
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::UseUnicodePropertiesOption);
    return words.match(answer).hasMatch();
}

bool hasAbsoluteWord(const QString& answer) {
    static const QRegularExpression words(u"\\b(vždy|nikdy|pouze|kdykoliv?|jen|jenom)\\b"_s,
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::UseUnicodePropertiesOption);
    return words.match(answer).hasMatch();
}

// Terms out of place: the traffic rules speak of the "maximální přípustná
// hmotnost", while the licence groups (§ 80a) and the signs decree speak of the
// "největší povolená hmotnost", so each category uses its provisions' term;
// "zvukové výstražné zařízení" names the horn, the siren is the "zvláštní
// zvukové výstražné znamení".
QStringList outdatedTerms(const Question& q) {
    static const QRegularExpression weight(u"největš\\w*\\s+povolen\\w*\\s+hmotnost\\w*"_s,
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression horn(u"(\\w+\\s+)?zvukov\\w*\\s+výstražn\\w*\\s+zaříz\\w*"_s,
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::UseUnicodePropertiesOption);
    QStringList found;
    QStringList texts{q.text, q.note};
    for (const QString& a : q.answers)
        texts << a;
    for (const QString& t : texts) {
        const int category = bank::categoryOf(q.number).value_or(0);
        for (auto it = weight.globalMatch(t); it.hasNext() && category != 2 && category != 6;)
            found << it.next().captured(0);
        for (auto it = horn.globalMatch(t); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (!m.captured(1).startsWith(u"zvláštn"_s, Qt::CaseInsensitive))
                found << m.captured(0);
        }
    }
    return found;
}

// After a stem ending in ":" the answers continue the sentence. An answer may
// still open with an abbreviation ("ABS …") or a number.
bool continuesInLowerCase(const Question& q) {
    if (!q.text.endsWith(u':'))
        return true;
    for (const QString& a : q.answers) {
        if (a.size() < 2)
            continue;
        if (a[0].isUpper() && !a[1].isUpper())
            return false;
    }
    return true;
}

struct CueFigures {
    int single = 0, longest = 0, shortest = 0;
    int loneShape = 0, loneKey = 0;
    int rightAnswers = 0, rightAbsolute = 0, wrongAnswers = 0, wrongAbsolute = 0;
    int rightReason = 0, wrongReason = 0;
    QList<std::pair<int, int>> longestBy; // margin, number
    QList<int> loneKeys;

    double longestShare() const { return single ? double(longest) / single : 0; }
    double shortestShare() const { return single ? double(shortest) / single : 0; }
    double loneShare() const { return loneShape ? double(loneKey) / loneShape : 0; }
    double rightRate() const { return rightAnswers ? double(rightAbsolute) / rightAnswers : 0; }
    double wrongRate() const { return wrongAnswers ? double(wrongAbsolute) / wrongAnswers : 0; }
    double rightReasonRate() const { return rightAnswers ? double(rightReason) / rightAnswers : 0; }
    double wrongReasonRate() const { return wrongAnswers ? double(wrongReason) / wrongAnswers : 0; }

    void add(const Question& q) {
        if (singleAnswer(q)) {
            ++single;
            const int margin = longestMargin(q);
            if (margin > 0) {
                ++longest;
                longestBy << std::pair{margin, q.number};
            }
            shortest += shortestMargin(q) > 0 ? 1 : 0;
            if (const std::optional<bool> lone = loneYesNoKey(q)) {
                ++loneShape;
                if (*lone) {
                    ++loneKey;
                    loneKeys << q.number;
                }
            }
        }
        for (int i = 0; i < 4; ++i) {
            if (q.answers[i].isEmpty())
                continue;
            const bool right = q.correct.contains(QChar(u'A' + i));
            (right ? rightAnswers : wrongAnswers) += 1;
            if (hasAbsoluteWord(q.answers[i]))
                (right ? rightAbsolute : wrongAbsolute) += 1;
            if (hasReason(q.answers[i]))
                (right ? rightReason : wrongReason) += 1;
        }
    }

    QString summary() const {
        auto percent = [](double share) { return QString::number(100 * share, 'f', 1); };
        return u"nejdelší správná %1/%2 = %3 %, nejkratší %4 %, osamělé Ano/Ne %5/%6 = %7 %, "
               "absolutní slova ve správných %8/%9, ve špatných %10/%11, "
               "zdůvodnění ve správných %12, ve špatných %13"_s
                   .arg(QString::number(longest), QString::number(single), percent(longestShare()),
                        percent(shortestShare()), QString::number(loneKey),
                        QString::number(loneShape), percent(loneShare()),
                        QString::number(rightAbsolute))
                   .arg(rightAnswers)
                   .arg(wrongAbsolute)
                   .arg(wrongAnswers)
                   .arg(rightReason)
                   .arg(wrongReason);
    }
    // The questions where the right answer stands out most.
    QString worstLongest(int count = 12) const {
        QList<std::pair<int, int>> sorted = longestBy;
        std::sort(sorted.begin(), sorted.end(), std::greater<>());
        QStringList parts;
        for (int i = 0; i < std::min(count, int(sorted.size())); ++i)
            parts << u"%1 (+%2)"_s.arg(sorted[i].second).arg(sorted[i].first);
        return parts.join(u", "_s);
    }
};

QString numbersText(const QList<int>& numbers, int count = 20) {
    QStringList parts;
    for (int i = 0; i < std::min(count, int(numbers.size())); ++i)
        parts << QString::number(numbers[i]);
    return parts.join(u", "_s) + (numbers.size() > count ? u", …"_s : QString());
}

const BankSource& realBank() {
    static const BankSource source =
        readBankFolder(QStringLiteral(TARMELKA_SOURCE_DIR "/data/otazky"));
    return source;
}

// The points test draws its 25 positions from fixed ranges; a range must hold
// at least as many fitting questions as positions draw from it, or the draw
// for some licence group could never end.
struct DrawRange {
    QList<std::pair<int, int>> numbers;
    int positions;
};
const QList<DrawRange> kDrawRanges{
    {{{1, 420}}, 10},  {{{421, 475}}, 4}, {{{476, 500}, {581, 620}}, 2},
    {{{621, 720}}, 5}, {{{501, 580}}, 1}, {{{721, 757}}, 3}};
} // namespace

class BankContentTest : public QObject {
    Q_OBJECT
  private slots:
    void realBankFollowsEveryRule() {
        const QList<SourceIssue> issues =
            validateBank(realBank(), QStringLiteral(TARMELKA_PROGRAM_DIR), kCompleteRanges);
        QVERIFY2(issues.isEmpty(), qPrintable(issuesText(issues)));
    }

    // The measures on small made-up questions, so that a figure over the bank
    // means what it says.
    void cueMeasures_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("longest");  // 1: right answer strictly longest
        QTest::addColumn<int>("shortest"); // 1: right answer strictly shortest
        QTest::addColumn<int>("lone");     // -1 not of the shape, 0 odd one wrong, 1 odd one right
        QTest::addColumn<int>("absoluteRight");
        QTest::addColumn<bool>("lowerCase");
        const QString stem = u"Číslo: 17\nOTÁZKA: Smíte zde stát?\n"_s;
        QTest::newRow("lone Ne is the key")
            << stem + u"A: Ano, ve dne.\nB: Ne.\nC: Ano, v obci.\nSPRÁVNĚ: B\n"_s << 0 << 1 << 1
            << 0 << true;
        QTest::newRow("lone Ne is wrong")
            << stem + u"A: Ano, vždy.\nB: Ne.\nC: Ano, jen v obci.\nSPRÁVNĚ: C\n"_s << 1 << 0 << 0
            << 1 << true;
        QTest::newRow("two answers are not lone")
            << stem + u"A: Ano.\nB: Ne.\nSPRÁVNĚ: B\n"_s << 0 << 1 << -1 << 0 << true;
        QTest::newRow("Nebo is not Ne")
            << stem + u"A: Ano, ve dne.\nB: Nebo i v noci.\nC: Ano, v obci.\nSPRÁVNĚ: B\n"_s << 1
            << 0 << -1 << 0 << true;
        QTest::newRow("equal length is not longest")
            << stem + u"A: Ano, v obci.\nB: Ano, ve dne.\nC: Ne.\nSPRÁVNĚ: A\n"_s << 0 << 0 << 0
            << 0 << true;
        QTest::newRow("jen inside a word is no absolute")
            << stem + u"A: Jenže ne.\nB: Ne.\nSPRÁVNĚ: A\n"_s << 1 << 0 << -1 << 0 << true;
        QTest::newRow("capital after a colon")
            << u"Číslo: 17\nOTÁZKA: Tato značka:\nA: Zakazuje stání.\nB: zakazuje "
               "zastavení.\nSPRÁVNĚ: B\n"_s
            << 1 << 0 << -1 << 0 << false;
        QTest::newRow("abbreviation after a colon")
            << u"Číslo: 17\nOTÁZKA: Vozidlo má:\nA: ABS.\nB: jen brzdy.\nSPRÁVNĚ: B\n"_s << 1 << 0
            << -1 << 1 << true;
    }
    void cueMeasures() {
        QFETCH(QString, record);
        QFETCH(int, longest);
        QFETCH(int, shortest);
        QFETCH(int, lone);
        QFETCH(int, absoluteRight);
        QFETCH(bool, lowerCase);
        QList<SourceIssue> issues;
        const SourceFile file =
            parseBankText(u"f.txt"_s, u"# 1-20\n"_s + record + u"Skupina: ABCD\n"_s, issues);
        QVERIFY2(issues.isEmpty(), qPrintable(issuesText(issues)));
        const Question& q = file.records.first().question;
        CueFigures f;
        f.add(q);
        QCOMPARE(f.longest, longest);
        QCOMPARE(f.shortest, shortest);
        const std::optional<bool> odd = loneYesNoKey(q);
        QCOMPARE(odd ? int(*odd) : -1, lone);
        QCOMPARE(f.rightAbsolute, absoluteRight);
        QCOMPARE(continuesInLowerCase(q), lowerCase);
    }

    void outdatedTermsAreFound_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("outdated");
        const QString licenceWeight = u"s největší povolenou hmotností nad 3 500 kg"_s;
        QTest::newRow("licence weight in the rules") << 100 << licenceWeight << true;
        QTest::newRow("licence weight for a group") << 433 << licenceWeight << false;
        QTest::newRow("licence weight on a sign") << 651 << licenceWeight << false;
        QTest::newRow("rules' weight") << 100 << u"s maximální přípustnou hmotností"_s << false;
        QTest::newRow("horn for the siren")
            << 1 << u"spolu se zvukovým výstražným zařízením"_s << true;
        QTest::newRow("old siren name") << 1 << u"zvláštní zvukové výstražné zařízení"_s << false;
        QTest::newRow("siren") << 1 << u"se zvláštním zvukovým výstražným znamením"_s << false;
    }
    void outdatedTermsAreFound() {
        QFETCH(int, number);
        QFETCH(QString, text);
        QFETCH(bool, outdated);
        Question q;
        q.number = number;
        q.note = text;
        QCOMPARE(!outdatedTerms(q).isEmpty(), outdated);
    }

    // The bank as a whole gives nothing away by the form of its answers.
    void realBankHasNoTestWiseCues() {
        CueFigures all;
        for (const SourceFile& file : realBank().files) {
            CueFigures f;
            for (const SourceRecord& r : file.records) {
                f.add(r.question);
                all.add(r.question);
            }
            qInfo("%s: %s", qPrintable(QFileInfo(file.path).fileName()), qPrintable(f.summary()));
        }
        QVERIFY(all.single > 0);
        // Chance is a third with three answers; 40 % leaves room for questions
        // whose right answer needs its qualification.
        QVERIFY2(all.longestShare() <= 0.40,
                 qPrintable(all.summary() + u"; nejvýrazněji: "_s + all.worstLongest()));
        // Trimming right answers must not turn the cue round.
        QVERIFY2(all.shortestShare() <= 0.40, qPrintable(all.summary()));
        // Chance is a third; above a half the odd one out would be the better guess.
        QVERIFY2(all.loneShare() <= 0.55,
                 qPrintable(all.summary() + u"; osamělý klíč: "_s + numbersText(all.loneKeys)));
        // Prohibitions are naturally phrased with "nikdy" or "jen", and more of
        // them sit in distractors since there are two wrong answers to each right
        // one, so the rates per answer need not match. But when right answers
        // carry absolute words less than half as often as wrong ones, "avoid the
        // absolute answer" becomes a winning strategy.
        QVERIFY2(all.rightRate() >= all.wrongRate() / 2,
                 qPrintable(u"absolutní slova: %1 % správných, %2 % špatných odpovědí; "_s
                                .arg(100 * all.rightRate(), 0, 'f', 1)
                                .arg(100 * all.wrongRate(), 0, 'f', 1) +
                            all.summary()));
        // The same bound for reasons ("protože", "aby"), for the same cause.
        QVERIFY2(all.rightReasonRate() >= all.wrongReasonRate() / 2, qPrintable(all.summary()));
    }

    // Every question outside first aid names the provisions its key rests on:
    // paragraphs the cited statute has, or signs the decree knows.
    void realBankCitesTheLaw() {
        static const QRegularExpression item(
            uR"(^§ (\d+[a-z]?)(?: odst\. \d+)?(?: písm\. [a-z]{1,2}\))?(?: bod \d+)? (.+)$)"_s);
        QStringList faults;
        for (const SourceFile& file : realBank().files)
            for (const SourceRecord& r : file.records) {
                const bool firstAid = bank::categoryOf(r.question.number) == 4;
                if (r.citation.isEmpty() && !firstAid)
                    faults << u"%1: chybí PŘEDPIS"_s.arg(r.question.number);
                for (const QString& part : r.citation.split(u"; "_s, Qt::SkipEmptyParts)) {
                    if (part == u"příloha zákona č. 361/2000 Sb."_s ||
                        (part.startsWith(u"značka "_s) && law::signCodes().contains(part.mid(7))) ||
                        (firstAid && part.startsWith(u"doporučené postupy první pomoci"_s)))
                        continue;
                    const QRegularExpressionMatch m = item.match(part);
                    const auto statute = law::paragraphs().find(m.captured(2));
                    if (!m.hasMatch() || statute == law::paragraphs().end() ||
                        !statute->second.contains(m.captured(1)))
                        faults << u"%1: %2"_s.arg(r.question.number).arg(part);
                }
            }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // A hedge word must not tell the key: among the answers that carry one,
    // the right ones stand near the bank's own share of right answers (a
    // third with three answers), for every such word in at least ten answers.
    void realBankHedgeWordsDoNotTellTheKey() {
        const QStringList hedges{u"ledaže"_s,   u"může"_s,      u"mohou"_s,  u"je-li to nutné"_s,
                                 u"vždy"_s,     u"nikdy"_s,     u"jen"_s,    u"pouze"_s,
                                 u"výhradně"_s, u"zpravidla"_s, u"kdykoli"_s};
        int answers = 0, right = 0;
        std::map<QString, std::pair<int, int>> withWord; // right, all
        for (const Question& q : realBank().questions())
            for (int i = 0; i < 4; ++i) {
                if (q.answers[i].isEmpty())
                    continue;
                const bool isRight = q.correct.contains(QChar(u'A' + i));
                ++answers;
                right += isRight;
                for (const QString& h : hedges)
                    if (QRegularExpression(u"(?<!\\w)"_s + QRegularExpression::escape(h) +
                                               u"(?!\\w)"_s,
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::UseUnicodePropertiesOption)
                            .match(q.answers[i])
                            .hasMatch()) {
                        withWord[h].first += isRight;
                        withWord[h].second += 1;
                    }
            }
        const double base = double(right) / answers;
        for (const auto& [word, counts] : withWord) {
            if (counts.second < 10)
                continue;
            const double share = double(counts.first) / counts.second;
            QVERIFY2(qAbs(share - base) <= 0.15,
                     qPrintable(u"\"%1\": %2 správných z %3, v celé bance %4 %"_s.arg(word)
                                    .arg(counts.first)
                                    .arg(counts.second)
                                    .arg(qRound(100 * base))));
        }
    }

    void realBankUsesTheStatutesTermsAndForm() {
        QStringList outdated, capitals;
        for (const Question& q : realBank().questions()) {
            for (const QString& term : outdatedTerms(q))
                outdated << u"%1: %2"_s.arg(q.number).arg(term);
            if (!continuesInLowerCase(q))
                capitals << QString::number(q.number);
        }
        QVERIFY2(outdated.isEmpty(), qPrintable(u"zastaralé pojmy: "_s + outdated.join(u"; "_s)));
        QVERIFY2(capitals.isEmpty(),
                 qPrintable(u"velké písmeno po dvojtečce: "_s + capitals.join(u", "_s)));
    }

    // Every licence group can be given a points test from the real bank.
    void realBankFillsAPointsTest_data() {
        QTest::addColumn<QString>("group");
        for (const char16_t* g : bank::kGroups)
            QTest::newRow(QString::fromUtf16(g).toUtf8().constData()) << QString::fromUtf16(g);
    }
    void realBankFillsAPointsTest() {
        QFETCH(QString, group);
        const QList<Question> questions = realBank().questions();
        for (const DrawRange& range : kDrawRanges) {
            int fitting = 0;
            for (const Question& q : questions) {
                const bool inRange = std::any_of(
                    range.numbers.begin(), range.numbers.end(), [&](const std::pair<int, int>& r) {
                        return q.number >= r.first && q.number <= r.second;
                    });
                fitting +=
                    inRange && !bank::isRetired(q.number) && bank::groupMatches(group, q.group) ? 1
                                                                                                : 0;
            }
            QVERIFY2(fitting >= range.positions,
                     qPrintable(u"%1–%2: %3 otázek pro skupinu %4, test jich potřebuje %5"_s
                                    .arg(range.numbers.first().first)
                                    .arg(range.numbers.last().second)
                                    .arg(fitting)
                                    .arg(group)
                                    .arg(range.positions)));
        }
    }
};

QTEST_GUILESS_MAIN(BankContentTest)
#include "tst_bankContent.moc"
