// The points test on the real bank: drawing, opening the window up to its
// first painted page, a page switch, and the evaluation with every review.
// With "--shots <folder>" it also saves pictures of a junction page, the
// evaluation page and a review for a look by eye.
#include "benchStats.h"
#include "core/questions/bank.h"
#include "core/questions/questionTable.h"
#include "gui/pointstest/evaluationPage.h"
#include "gui/pointstest/pointsTestWindow.h"
#include "gui/pointstest/testPages.h"
#include "gui/ui/fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTimer>

namespace {
const QString kFolder = QStringLiteral(TARMELKA_PROGRAM_DIR);

Settings groupB() {
    Settings s;
    s.activeProfile = QStringLiteral("Jana Nováková");
    return s; // protocols off: nothing is written into the program folder
}

// Presses OK on every message box that comes up while the form is evaluated.
void answerBoxes() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    });
    timer->start(20);
}

int shots(const QString& folder) {
    QDir().mkpath(folder);
    answerBoxes();
    QRandomGenerator generator(2003);
    TTestForm form(groupB(), AppPaths{kFolder, kFolder}, systemClock());
    if (!form.FormCreate(generator))
        return 1;
    form.startCountdown();
    form.show();
    TestPages* pages = form.pages();
    for (int p = 1; p <= 25; p += 2)
        pages->checkBox(p, p % 3)->setChecked(true);
    pages->checkBox(23, 0)->setChecked(true);
    form.grab().save(folder + QStringLiteral("/page1.png"));
    pages->setCurrentIndex(5); // positions 21 to 23: a sign, first aid and a junction
    form.grab().save(folder + QStringLiteral("/page6.png"));
    pages->setCurrentIndex(6);
    form.grab().save(folder + QStringLiteral("/page7.png"));
    form.btnVyhodnotitClick();
    form.grab().save(folder + QStringLiteral("/evaluation.png"));
    auto* table = form.findChild<QTableWidget*>(QStringLiteral("Tabulka"));
    table->setCurrentCell(3, 1); // position 23
    form.grab().save(folder + QStringLiteral("/review23.png"));
    table->setCurrentCell(2, 3); // position 18
    form.grab().save(folder + QStringLiteral("/review18.png"));
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--shots"))
        return shots(args[2]);

    QuestionTable table(kFolder);
    const auto questions = table.open() ? table.range(0, bank::kQuestionCount) : std::nullopt;
    if (!questions)
        return 1;
    QRandomGenerator generator(1);
    Samples draw;
    for (int i = 0; i < 2000; ++i)
        draw.time([&] { (void)DrawTest(*questions, QStringLiteral("B"), generator, nullptr); });
    draw.report("DrawTest, group B");

    Samples open, pageSwitch, evaluation;
    for (int round = 0; round < 60; ++round) {
        std::unique_ptr<TTestForm> form;
        open.time([&] {
            form = std::make_unique<TTestForm>(groupB(), AppPaths{kFolder, kFolder}, systemClock());
            if (!form->FormCreate(generator))
                std::abort();
            form->show();
            form->repaint();
        });
        TestPages* pages = form->pages();
        for (int i = 1; i < 7 * 4; ++i)
            pageSwitch.time([&] {
                pages->setCurrentIndex(i % 7);
                form->repaint();
            });
        evaluation.time([&] {
            PointsTest& test = form->test();
            test.start(QDateTime::currentDateTime());
            test.evaluate(pages->ticks());
            EvaluationPage* page = form->evaluationPage();
            pages->hide();
            page->setGeometry(form->rect());
            page->show();
            page->ShowEvaluation(test, QStringLiteral("Jana"), QStringLiteral("B"), false);
            for (int n = 2; n <= 25; ++n) {
                page->TabulkaSelectCell((n - 1) % 7, (n - 1) / 7);
                form->repaint();
            }
        });
    }
    open.report("open the window, first page painted");
    pageSwitch.report("page switch, painted");
    evaluation.report("evaluation page and 25 reviews");
    return 0;
}
