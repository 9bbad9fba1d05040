// The texts read aloud: numbers, the statutes' abbreviations, units and sign
// codes as a Czech speaker says them.
#include "core/speech/spokenText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class SpeechTest : public QObject {
    Q_OBJECT
  private slots:
    void numbers_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("words");
        QTest::newRow("zero") << 0 << u"nula"_s;
        QTest::newRow("one") << 1 << u"jedna"_s;
        QTest::newRow("teen") << 17 << u"sedmnáct"_s;
        QTest::newRow("tens and ones") << 21 << u"dvacet jedna"_s;
        QTest::newRow("hundreds") << 215 << u"dvě stě patnáct"_s;
        QTest::newRow("a thousand") << 1000 << u"tisíc"_s;
        QTest::newRow("a year") << 2015 << u"dva tisíce patnáct"_s;
        QTest::newRow("thousands genitive") << 5500 << u"pět tisíc pět set"_s;
        QTest::newRow("largest") << 999'999
                                 << u"devět set devadesát devět tisíc devět set devadesát devět"_s;
    }
    void numbers() {
        QFETCH(int, number);
        QFETCH(QString, words);
        QCOMPARE(speech::numberWords(number), words);
    }

    void texts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("said");
        QTest::newRow("paragraph and subsection")
            << u"§ 22 odst. 2"_s << u"paragraf dvacet dva, odstavec dva"_s;
        QTest::newRow("letter") << u"§ 21 odst. 5 písm. a)"_s
                                << u"paragraf dvacet jedna, odstavec pět, písmeno a"_s;
        QTest::newRow("statute")
            << u"zákona č. 361/2000 Sb."_s
            << u"zákona číslo tři sta šedesát jedna z roku dva tisíce Sbírky"_s;
        QTest::newRow("speed") << u"nejvýše 50 km/h."_s
                               << u"nejvýše padesát kilometrů za hodinu."_s;
        QTest::newRow("weight") << u"nad 3 500 kg"_s << u"nad tři tisíce pět set kilogramů"_s;
        QTest::newRow("distance") << u"nejméně 100 m za vozidlem"_s
                                  << u"nejméně sto metrů za vozidlem"_s;
        QTest::newRow("per cent") << u"25 %"_s << u"dvacet pět procent"_s;
        QTest::newRow("sign") << u"značka P 2"_s << u"značka pé dva"_s;
        QTest::newRow("sign with a letter") << u"značka B 20a"_s << u"značka bé dvacet á"_s;
        QTest::newRow("two-letter sign") << u"IP 11a"_s << u"í pé jedenáct á"_s;
        QTest::newRow("order of vehicles") << u"1. zelené, 2. modré, 3. červené."_s
                                           << u"první zelené, druhé modré, třetí červené."_s;
        QTest::newRow("abbreviation") << u"např. chodec"_s << u"například chodec"_s;
        QTest::newRow("plain text stays") << u"Ano, ale jen za tmy."_s << u"Ano, ale jen za tmy."_s;
    }
    void texts() {
        QFETCH(QString, text);
        QFETCH(QString, said);
        QCOMPARE(speech::spokenText(text), said);
    }

    void questionIsReadWithItsAnswers() {
        Question q;
        q.number = 3;
        q.text = u"Smíte jet 60 km/h?"_s;
        q.answers[0] = u"Ano."_s;
        q.answers[1] = u"Ne."_s;
        QCOMPARE(speech::questionSpeech(q),
                 u"Otázka číslo tři. Smíte jet šedesát kilometrů za hodinu? Odpověď a: Ano. "
                 u"Odpověď b: Ne."_s);
    }
};

QTEST_GUILESS_MAIN(SpeechTest)
#include "tst_speech.moc"
