// Every window works without a mouse: a practice run from the menu to its
// result, a points test from the first box to its evaluation, and the
// settings dialog, each driven by keys alone.
#include "core/settings/settings.h"
#include "gui/app/mainWindow.h"
#include "core/records/protocolsTable.h"
#include "gui/pointstest/pointsTestWindow.h"
#include "gui/pointstest/testPages.h"
#include "gui/results/progressWindow.h"
#include "gui/results/protocolListDialog.h"
#include "gui/settings/settingsDialog.h"
#include "gui/study/runResultDialog.h"
#include "gui/study/runStartDialog.h"
#include "gui/ui/keyGrace.h"
#include "testSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using testing::in;
using testing::ModalBox;

namespace {
// Keys to whatever has the focus, as a keyboard delivers them: an open menu
// first, else the focused control of the window (or of the active one).
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget* window = nullptr) {
    QWidget* target = window ? window->focusWidget() : QApplication::activePopupWidget();
    if (!target)
        target = window ? window : QApplication::focusWidget();
    QTest::keyClick(target, Qt::Key(key), modifiers);
}
} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    AppPaths paths() const { return testing::realProgram(dir_.path()); }

  private slots:
    void practiceRunByKeys() {
        THlavniFormular w(paths());
        QVERIFY(w.FormCreate());
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        int count = 0;
        testing::onNextDialog<TDotazPZ>([&count](TDotazPZ* d) {
            QTest::qWait(kKeyGraceMs + 50); // keys pressed at once are taken as a double press
            press(Qt::Key_Tab, Qt::NoModifier, d); // from the start button to the count
            for (int i = 0; i < 30; ++i)
                press(Qt::Key_Left, Qt::NoModifier, d);
            press(Qt::Key_Right, Qt::NoModifier, d);
            count = d->count();
            press(Qt::Key_Return, Qt::NoModifier, d);
        });
        press(Qt::Key_S, Qt::AltModifier, &w); // the Start menu
        press(Qt::Key_C);                      // Procvičovat otázky, in the open menu
        QTRY_COMPARE(w.currentMode(), Mode::Practice);
        QCOMPARE(count, 2);
        bool resultShown = false;
        for (int question = 0; question < 2; ++question) {
            press(Qt::Key_A, Qt::NoModifier, &w);
            press(Qt::Key_Return, Qt::NoModifier, &w); // the verdict
            QTRY_VERIFY(!in<QLabel>(&w, "pSpravne")->isVisible());
            if (question == 1)
                testing::onNextDialog<TResult>([&resultShown](TResult* d) {
                    resultShown = true;
                    QTest::qWait(kKeyGraceMs + 50);
                    press(Qt::Key_Return, Qt::NoModifier, d);
                });
            press(Qt::Key_Return, Qt::NoModifier, &w); // on to the next question, or the result
        }
        QTRY_VERIFY(resultShown);
        QTRY_COMPARE(w.currentMode(), Mode::Idle);
    }

    void pointsTestByKeys() {
        TTestForm form(Settings{}, paths(), [] { return QDateTime::currentDateTime(); });
        QRandomGenerator generator(3);
        QVERIFY(form.FormCreate(generator));
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCheckBox* first = form.pages()->checkBox(1, 0);
        while (QApplication::focusWidget() != first && form.isVisible())
            press(Qt::Key_Tab); // from the buttons to the first question's boxes
        press(Qt::Key_Space);
        QVERIFY(first->isChecked());
        press(Qt::Key_Tab, Qt::ControlModifier); // the next page
        QCOMPARE(form.pages()->currentIndex(), 1);
        ModalBox result;
        testing::onNextBox(result, QMessageBox::Ok);
        press(Qt::Key_V, Qt::AltModifier); // Vyhodnotit test
        QTRY_VERIFY(result.seen);
        QVERIFY(form.test().evaluated());
    }

    // The protocol list: the grid, a report opened and closed, a record
    // deleted, each by keys.
    void protocolListByKeys() {
        const QString profile = u"Jana"_s;
        for (int points : {40, 50}) {
            ProtocolRecord record;
            record.profile = profile;
            record.started = QDateTime(QDate(2026, 12, 1), QTime(10, points));
            record.points = points;
            StoreError error;
            QVERIFY(WriteProtocol(dir_.path(), record, &error));
        }
        TSeznamTestu list(profile, dir_.path(), nullptr);
        QVERIFY(list.load());
        list.show();
        QApplication::setActiveWindow(&list);
        QVERIFY(QTest::qWaitForWindowActive(&list));
        press(Qt::Key_Backtab, Qt::NoModifier, &list); // from OK back round to the grid
        press(Qt::Key_Down, Qt::NoModifier, &list);
        int shownPoints = -1;
        testing::onNextDialog<TTestDetailForm>([&shownPoints](TTestDetailForm* d) {
            shownPoints = d->findChild<QPlainTextEdit*>()->toPlainText().contains(u"50"_s);
            press(Qt::Key_Escape, Qt::NoModifier, d);
        });
        press(Qt::Key_Return, Qt::NoModifier, &list);
        QCOMPARE(shownPoints, 1);
        QApplication::setActiveWindow(&list); // as the window manager does when the report goes
        press(Qt::Key_Z, Qt::AltModifier, &list); // Vymaž záznam, without asking
        ProtocolsTable table(dir_.path());
        QVERIFY(table.open());
        QTRY_COMPARE(table.count(profile), 1); // a mnemonic clicks a moment later
    }

    // The progress view: Tab stops at each chart, the forecast and Zavřít,
    // every stop with a name a screen reader says.
    void progressViewByKeys() {
        TPokrok view(Progress{}, u"Jana"_s, u"B"_s);
        view.show();
        QApplication::setActiveWindow(&view);
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QStringList stops;
        for (int i = 0; i < 6 && !stops.contains(QApplication::focusWidget()->objectName()); ++i) {
            QWidget* at = QApplication::focusWidget();
            QVERIFY2(!at->accessibleName().isEmpty() || !at->property("text").toString().isEmpty(),
                     qPrintable(at->objectName()));
            stops << at->objectName();
            press(Qt::Key_Tab);
        }
        for (const char* name : {"chUspesnost", "chBody", "chOkruhy", "lbPravdepodobnost",
                                 "btnZavrit"})
            QVERIFY2(stops.contains(QString::fromLatin1(name)), qPrintable(stops.join(u' ')));
        press(Qt::Key_Escape);
        QVERIFY(!view.isVisible());
    }

    void settingsByKeys() {
        TNastaveni dialog(Settings{}, nullptr);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        press(Qt::Key_Tab); // OK, Storno, then the first category
        press(Qt::Key_Tab);
        press(Qt::Key_Space);
        QVERIFY(!dialog.chosenSettings().categories[0]);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
