// The delivered question bank can fill a points test for every licence group,
// so an edit of its content can never make the test undrawable.
#include "core/pointstest/testDraw.h"
#include "core/questions/bank.h"
#include "core/questions/questionTable.h"

#include <QRandomGenerator>
#include <QTest>

class PointsTestBank : public QObject {
    Q_OBJECT
    QList<Question> questions_;

  private slots:
    void initTestCase() {
        QuestionTable table(QStringLiteral(TARMELKA_PROGRAM_DIR));
        QVERIFY(table.open());
        const auto all = table.range(0, bank::kQuestionCount);
        QVERIFY(all);
        questions_ = *all;
    }

    void everyGroupCanBeTested_data() {
        QTest::addColumn<QString>("group");
        for (const char16_t* g : bank::kGroups)
            QTest::newRow(QString::fromUtf16(g).toLatin1().constData()) << QString::fromUtf16(g);
    }
    void everyGroupCanBeTested() {
        QFETCH(QString, group);
        QRandomGenerator generator(1);
        DrawShortage shortage;
        const auto test = DrawTest(questions_, group, generator, &shortage);
        QVERIFY2(test, qPrintable(shortage.message()));
    }

    void picturesFollowThePlan() {
        // Any question a sign or junction position can draw has a picture, and
        // no other can; the test window relies on it for its layout.
        for (const Question& q : questions_) {
            const bool drawnWithPicture = q.number >= bank::kFirstSign;
            QVERIFY2(q.picture.isEmpty() != drawnWithPicture,
                     qPrintable(QString::number(q.number)));
        }
    }
};

QTEST_GUILESS_MAIN(PointsTestBank)
#include "tst_pointstestBank.moc"
