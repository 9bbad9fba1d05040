// Shows every question of the real bank in the question area, as browsing does.
#include "app/main.h"
#include "benchStats.h"
#include "questions/bank.h"
#include "study/questionArea.h"
#include "ui/fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();
    const QString folder = QStringLiteral(TARMELKA_PROGRAM_DIR);
    THlavniFormular window(AppPaths{folder, folder});
    if (!window.FormCreate())
        return 1;
    window.show();
    window.SetMode(Mode::Browsing, true);
    QuestionArea* area = window.questionArea();
    for (int round = 0; round < 5; ++round) {
        Samples samples;
        for (int n = 1; n <= bank::kQuestionCount; ++n)
            samples.time([&] {
                area->ShowQuestion(n);
                area->repaint(); // count the drawing too, as the learner waits for it
            });
        samples.report(round == 0 ? "ShowQuestion, first pass" : "ShowQuestion, warm pass");
    }
    return 0;
}
