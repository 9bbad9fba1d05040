// The pieces of start-up and of saving: config.ini and the question table.
#include "benchStats.h"
#include "core/questions/questionTable.h"
#include "core/settings/configFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("config.ini"));
    Settings settings;
    settings.profileCount = 30;
    for (int i = 0; i < 30; ++i)
        settings.profiles[i] = QStringLiteral("Žák číslo %1").arg(i + 1);
    QString error;
    Samples save, load, open;
    for (int i = 0; i < 500; ++i)
        save.time([&] { config::save(ini, settings, ViewChoices{}, &error); });
    for (int i = 0; i < 500; ++i)
        load.time([&] { (void)config::load(ini); });
    for (int i = 0; i < 200; ++i)
        open.time([&] {
            QuestionTable table(QStringLiteral(TARMELKA_PROGRAM_DIR));
            if (!table.open())
                std::abort();
        });
    save.report("config.ini save (30 profiles)");
    load.report("config.ini load (30 profiles)");
    open.report("open the question table");
    return 0;
}
