// Shows every question of the real bank in the question area, as browsing does.
#include "benchStats.h"
#include "core/base/paths.h"
#include "core/questions/bank.h"
#include "core/questions/questionTable.h"
#include "gui/study/questionArea.h"
#include "gui/ui/fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();
    const QString folder = QStringLiteral(TARMELKA_PROGRAM_DIR);
    const AppPaths paths{folder, folder};
    QuestionTable table(folder);
    if (!table.open())
        return 1;
    QuestionArea area(table, paths, nullptr);
    area.resize(632, 316);
    area.show();
    area.setBrowsing(true);
    for (int round = 0; round < 5; ++round) {
        Samples samples;
        for (int n = 1; n <= bank::kQuestionCount; ++n)
            samples.time([&] {
                area.ShowQuestion(n);
                area.repaint(); // count the drawing too, as the learner waits for it
            });
        samples.report(round == 0 ? "ShowQuestion, first pass" : "ShowQuestion, warm pass");
    }
    return 0;
}
