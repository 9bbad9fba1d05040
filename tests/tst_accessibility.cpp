// Every control a learner reads or uses has a name a screen reader can say:
// the accessibility tree of each window is walked as assistive technology
// sees it, and an interactive or informative control without a name fails.
#include "core/settings/settings.h"
#include "gui/app/mainWindow.h"
#include "gui/info/aboutDialog.h"
#include "gui/pointstest/pointsTestWindow.h"
#include "gui/results/progressWindow.h"
#include "gui/results/protocolListDialog.h"
#include "gui/results/resultListDialog.h"
#include "gui/settings/settingsDialog.h"
#include "gui/study/questionArea.h"
#include "gui/study/runStartDialog.h"
#include "gui/ui/staticText.h"
#include "gui/ui/widgets.h"
#include "testSupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// The roles a learner reads or acts on; a frame or a layout needs no name.
bool needsName(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::ScrollBar:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::PageTab:
    case QAccessible::StaticText:
    case QAccessible::Graphic:
    case QAccessible::Chart:
    case QAccessible::ProgressBar:
    case QAccessible::Table:
    case QAccessible::List:
        return true;
    default:
        return false;
    }
}

// The visible controls without a name, as "objectName (role)".
QStringList unnamed(QAccessibleInterface* node, int depth = 0) {
    QStringList found;
    if (!node || depth > 40 || node->state().invisible)
        return found;
    // A text area's own scroll bars are part of the named area.
    const QObject* parent = node->object() ? node->object()->parent() : nullptr;
    if (parent && parent->objectName().startsWith(u"qt_scrollarea_"_s))
        return found;
    // An empty label shows nothing, so there is nothing to name.
    const auto* label = qobject_cast<const QLabel*>(node->object());
    const auto* text = qobject_cast<const StaticText*>(node->object());
    const bool blank = (label && label->text().isEmpty() && label->pixmap().isNull()) ||
                       (text && text->text().isEmpty());
    if (needsName(node->role()) && !blank && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* o = node->object();
        found << u"%1 %2 in %3 (role %4)"_s
                     .arg(o ? QString::fromLatin1(o->metaObject()->className()) : u"?"_s,
                          o ? o->objectName() : QString(),
                          o && o->parent() ? o->parent()->objectName() : QString())
                     .arg(int(node->role()));
    }
    for (int i = 0; i < node->childCount(); ++i)
        found << unnamed(node->child(i), depth + 1);
    return found;
}

// The colour a widget's text is drawn on: the nearest face filled by itself
// or a parent, else its window's.
QColor faceBehind(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(QPalette::Window);
    return {};
}

// The shown texts that fade into their face, as "name (ratio)".
QStringList unreadable(const QWidget* window) {
    QStringList found;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !(qobject_cast<const QLabel*>(w) ||
                                         qobject_cast<const StaticText*>(w)))
            continue;
        const double ratio =
            contrastRatio(w->palette().color(QPalette::WindowText), faceBehind(w));
        if (ratio < kLargeTextContrast)
            found << u"%1 (%2)"_s.arg(w->objectName()).arg(ratio, 0, 'f', 1);
    }
    return found;
}

QStringList unnamedIn(QWidget* window);

// Shows the window and lists its unnamed controls, each with the window's name.
QStringList shownUnnamed(QWidget* window) {
    window->show();
    QStringList found;
    for (const QString& control : unnamedIn(window))
        found << window->objectName() + u": "_s + control;
    return found;
}

QStringList unnamedIn(QWidget* window) {
    return unnamed(QAccessible::queryAccessibleInterface(window));
}
} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_; // config.ini goes here; nothing else is written
    // The real bank and pictures: every kind of question a learner meets.
    AppPaths paths() const { return testing::realProgram(dir_.path()); }

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void mainWindowAndARun() {
        THlavniFormular w(paths());
        QVERIFY(w.FormCreate());
        w.show();
        QVERIFY2(unnamedIn(&w).isEmpty(), qPrintable(unnamedIn(&w).join(u", "_s)));
        QStringList inStartDialog;
        testing::onNextDialog<TDotazPZ>([&inStartDialog](TDotazPZ* d) {
            inStartDialog = unnamedIn(d);
            d->accept();
        });
        w.findChild<QAction*>(u"M1Procvicovat"_s)->trigger();
        QVERIFY2(inStartDialog.isEmpty(), qPrintable(inStartDialog.join(u", "_s)));
        // The run's question takes the focus, so a screen reader says it unasked.
        QCOMPARE(w.focusWidget(), w.questionArea());
        QVERIFY(w.questionArea()->accessibleName().startsWith(u"Otázka číslo "_s));
        QVERIFY(w.questionArea()->accessibleDescription().startsWith(u"Odpověď a: "_s));
        QVERIFY2(unnamedIn(&w).isEmpty(), qPrintable(unnamedIn(&w).join(u", "_s)));
        w.SetMode(Mode::Browsing, true);
        QVERIFY2(unnamedIn(&w).isEmpty(), qPrintable(unnamedIn(&w).join(u", "_s)));
    }

    void contrast_data() {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("same colour") << QColor(Qt::red) << QColor(Qt::red) << 1.0;
        QTest::newRow("pure red on white") << QColor(255, 0, 0) << QColor(Qt::white) << 3.998;
    }
    void contrast() {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY(qAbs(contrastRatio(a, b) - ratio) < 0.01);
    }

    // Text reads on the face behind it, on the usual light desktop and on a
    // dark high-contrast one: the verdict at 4.5 : 1, the rest at 3 : 1 at
    // least. On the light desktop the verdict keeps its own colours.
    void textReadsOnItsFace_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light desktop") << false;
        QTest::newRow("dark high-contrast desktop") << true;
    }
    void textReadsOnItsFace() {
        QFETCH(bool, dark);
        const QPalette before = QApplication::palette();
        QPalette highContrast(Qt::white, Qt::black);
        highContrast.setColor(QPalette::Base, Qt::black);
        highContrast.setColor(QPalette::Text, Qt::white);
        highContrast.setColor(QPalette::ButtonText, Qt::white);
        if (dark)
            QApplication::setPalette(highContrast);
        THlavniFormular w(paths());
        QVERIFY(w.FormCreate());
        w.show();
        for (bool wrong : {false, true}) {
            w.questionArea()->showVerdict(wrong);
            const auto* verdict = w.findChild<QLabel*>(u"pSpravne"_s);
            const QColor shown = verdict->palette().color(QPalette::WindowText);
            QVERIFY(contrastRatio(shown, faceBehind(verdict)) >= kTextContrast);
            if (!dark)
                QCOMPARE(shown, wrong ? colours::kVerdictWrong : colours::kVerdictRight);
        }
        TTestForm form(Settings{}, paths(), [] { return QDateTime::currentDateTime(); });
        QRandomGenerator generator(1);
        QVERIFY(form.FormCreate(generator));
        form.show();
        const QStringList faint = unreadable(&w) + unreadable(&form);
        QApplication::setPalette(before);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(u", "_s)));
    }

    void dialogs() {
        TNastaveni settings(Settings{}, nullptr);
        TAbout about(nullptr);
        TPokrok progress(Progress{}, u"Jana"_s, u"B"_s);
        QStringList missing;
        for (QWidget* window : std::initializer_list<QWidget*>{&settings, &about, &progress})
            missing << shownUnnamed(window);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", "_s)));
    }

    // The protocol list with a record, and that record's report.
    void protocolWindows() {
        ProtocolRecord record;
        record.profile = u"Jana"_s;
        record.started = QDateTime(QDate(2026, 12, 1), QTime(10, 0));
        StoreError error;
        QVERIFY(WriteProtocol(dir_.path(), record, &error));
        TSeznamTestu list(record.profile, dir_.path(), nullptr);
        QVERIFY(list.load());
        TTestDetailForm report(record, nullptr);
        const QStringList missing = shownUnnamed(&list) + shownUnnamed(&report);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", "_s)));
    }

    // The results browser with a record, and that record's detail.
    void resultWindows() {
        ResultRecord record;
        record.kind = kPracticeKind;
        record.profile = u"Jana"_s;
        record.written = QDateTime(QDate(2026, 12, 1), QTime(10, 0));
        StoreError error;
        QVERIFY(WriteResultRecord(dir_.path(), record, &error));
        Settings settings;
        settings.activeProfile = record.profile;
        QStringList missing;
        int walked = 0;
        testing::onNextDialog<TProtocol>([&missing, &walked](TProtocol* list) {
            missing << unnamedIn(list);
            ++walked;
            testing::onNextDialog<QDialog>([&missing, &walked](QDialog* detail) {
                missing << unnamedIn(detail);
                ++walked;
                detail->reject();
            });
            list->findChild<QPushButton*>(u"btnPodrobnosti"_s)->click();
            list->reject();
        });
        TProtocol::browse(RunKind::Practice, settings, dir_.path(), nullptr);
        QCOMPARE(walked, 2);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", "_s)));
    }

    void pointsTest() {
        TTestForm form(Settings{}, paths(), [] { return QDateTime::currentDateTime(); });
        QRandomGenerator generator(1);
        QVERIFY(form.FormCreate(generator));
        form.show();
        QVERIFY2(unnamedIn(&form).isEmpty(), qPrintable(unnamedIn(&form).join(u", "_s)));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
